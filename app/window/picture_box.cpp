// Picture box: filled with its background colour, then its picture drawn in
// its display mode; it holds other controls.
#include <memory>

#include "app/window/control_kinds.h"
#include "app/window/control_state.h"
#include "app/window/picture.h"

namespace {

struct PictureBoxState {
  COLORREF background = 0;
  DisplayMode display = DisplayMode::Natural;
  Picture picture;
};

constexpr auto StateOf = &StateOfWindow<PictureBoxState>;

void CreateState(HWND window, const CREATESTRUCTA& create) {
  const auto* params = static_cast<const CreateParams*>(create.lpCreateParams);
  auto state = std::make_unique<PictureBoxState>();
  state->background = ToColour(params->control->backColour);
  state->display = params->control->display;
  state->picture = Picture::FromResource(params->control->pictures[0]);
  AttachState(window, std::move(state));
}

void Paint(HWND window, HDC dc) {
  PictureBoxState* state = StateOf(window);
  if (!state) return;
  RECT client{};
  GetClientRect(window, &client);
  FillSolid(dc, client, state->background);
  if (state->picture.empty()) return;
  state->picture.Draw(dc, PlacePicture(state->display, client.right, client.bottom,
                                       state->picture.width(), state->picture.height()));
}

LRESULT CALLBACK PictureBoxProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  LRESULT painted = 0;
  if (HandleSelfPaint(window, message, wParam, Paint, &painted)) return painted;
  switch (message) {
    case WM_NCCREATE:
      CreateState(window, *reinterpret_cast<CREATESTRUCTA*>(lParam));
      break;
    case WM_NCDESTROY:
      FreeState<PictureBoxState>(window);
      break;
  }
  return DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace

bool RegisterPictureBoxClass(HINSTANCE instance) {
  return RegisterKindClass(instance, kPictureBoxClass, PictureBoxProc);
}
