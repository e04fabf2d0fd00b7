// The kinds that show nothing and do nothing by themselves. The timer: every
// timer of the definition has interval 0 and never fires, so it is a hidden
// window and nothing more. The ZIP control: a hidden window that gives the
// extraction a handle, and that keeps the identifiers it was created with, by
// which the extraction raises its progress event.
#include <memory>

#include "app/window/control_kinds.h"
#include "app/window/control_state.h"

namespace {

struct ZipControlState {
  uint32_t formId = 0;
  uint32_t controlId = 0;
};

constexpr auto StateOf = &StateOfWindow<ZipControlState>;

LRESULT CALLBACK ZipControlProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_NCCREATE: {
      const auto* create = reinterpret_cast<CREATESTRUCTA*>(lParam);
      const auto* params = static_cast<const CreateParams*>(create->lpCreateParams);
      auto state = std::make_unique<ZipControlState>();
      state->formId = params->formId;
      state->controlId = params->control->id;
      AttachState(window, std::move(state));
      break;
    }
    case WM_NCDESTROY:
      FreeState<ZipControlState>(window);
      break;
  }
  return DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace

bool RegisterInertClasses(HINSTANCE instance) {
  return RegisterKindClass(instance, kTimerClass, DefWindowProcA) &&
         RegisterKindClass(instance, kZipControlClass, ZipControlProc);
}

bool ZipControlIdentity(HWND window, uint32_t* formId, uint32_t* controlId) {
  char name[64] = {};
  if (!GetClassNameA(window, name, sizeof name) || lstrcmpA(name, kZipControlClass) != 0) {
    return false;
  }
  ZipControlState* state = StateOf(window);
  if (!state) return false;
  *formId = state->formId;
  *controlId = state->controlId;
  return true;
}
