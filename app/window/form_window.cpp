// The form's own window: a borderless popup filled with its background
// colour. It answers no may-it-close question (a close request destroys it
// at once), a press on its body does not drag it, and Esc does nothing.
#include <memory>

#include "app/window/control_kinds.h"
#include "app/window/control_state.h"
#include "app/window/events.h"
#include "app/window/form_registry.h"
#include "app/window/gdi_objects.h"

namespace {

struct FormState {
  COLORREF background = 0;
};

constexpr auto StateOf = &StateOfWindow<FormState>;

void CreateState(HWND window, const CREATESTRUCTA& create) {
  const auto* params = static_cast<const CreateParams*>(create.lpCreateParams);
  auto state = std::make_unique<FormState>();
  state->background = ToColour(params->form->window.backColour);
  AttachState(window, std::move(state));
}

void PaintBackground(HWND window, HDC dc) {
  FormState* state = StateOf(window);
  if (!state) return;
  RECT client{};
  GetClientRect(window, &client);
  FillSolid(dc, client, state->background);
}

LRESULT CALLBACK FormProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_NCCREATE:
      CreateState(window, *reinterpret_cast<CREATESTRUCTA*>(lParam));
      break;
    case WM_ERASEBKGND:
      PaintBackground(window, reinterpret_cast<HDC>(wParam));
      return 1;
    case WM_PRINTCLIENT:
      PaintBackground(window, reinterpret_cast<HDC>(wParam));
      return 0;
    case WM_NCDESTROY:
      FreeState<FormState>(window);
      FormWindowDestroyed(window);
      break;
  }
  return DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace

bool RegisterFormClass(HINSTANCE instance) {
  return RegisterKindClass(instance, kFormClass, FormProc);
}

COLORREF ToColour(uint32_t colour) {
  return colour == kButtonFaceColour ? GetSysColor(COLOR_BTNFACE) : static_cast<COLORREF>(colour);
}
