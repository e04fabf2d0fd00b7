// Picture button: a black fill with the picture of its state at its natural
// size from the top-left corner. The state follows the mouse as button_rules.h
// decides; the button holds the mouse while the pointer is over it or the
// left button is down on it, so it sees the pointer leave.
#include <memory>
#include <utility>

#include "app/window/control_kinds.h"
#include "app/window/control_state.h"
#include "app/window/events.h"
#include "app/window/picture.h"

namespace {

struct PictureButtonState {
  uint32_t formId = 0;
  uint32_t controlId = 0;
  ButtonState state = ButtonState::Normal;
  Picture pictures[kPictureSlotCount];
};

constexpr auto StateOf = &StateOfWindow<PictureButtonState>;

void CreateState(HWND window, const CREATESTRUCTA& create) {
  const auto* params = static_cast<const CreateParams*>(create.lpCreateParams);
  auto state = std::make_unique<PictureButtonState>();
  state->formId = params->formId;
  state->controlId = params->control->id;
  for (int slot = 0; slot < kPictureSlotCount; ++slot) {
    state->pictures[slot] = Picture::FromResource(params->control->pictures[slot]);
  }
  AttachState(window, std::move(state));
}

int ShownSlot(HWND window, const PictureButtonState& state) {
  bool present[kPictureSlotCount];
  for (int slot = 0; slot < kPictureSlotCount; ++slot)
    present[slot] = !state.pictures[slot].empty();
  return ShownPictureSlot(state.state, IsWindowEnabled(window) != FALSE, present);
}

void Paint(HWND window, HDC dc) {
  PictureButtonState* state = StateOf(window);
  if (!state) return;
  RECT client{};
  GetClientRect(window, &client);
  FillRect(dc, &client, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
  int slot = ShownSlot(window, *state);
  if (slot < 0) return;
  const Picture& picture = state->pictures[slot];
  picture.Draw(dc, {0, 0, picture.width(), picture.height()});
}

void Repaint(HWND window) {
  InvalidateRect(window, nullptr, FALSE);
  UpdateWindow(window);
}

bool PointerOverButton(HWND window, LPARAM clientPoint) {
  POINT point{static_cast<int16_t>(LOWORD(clientPoint)), static_cast<int16_t>(HIWORD(clientPoint))};
  ClientToScreen(window, &point);
  return WindowFromPoint(point) == window;
}

bool PointInsideButton(HWND window, LPARAM clientPoint) {
  POINT point{static_cast<int16_t>(LOWORD(clientPoint)), static_cast<int16_t>(HIWORD(clientPoint))};
  RECT client{};
  GetClientRect(window, &client);
  return PtInRect(&client, point) != FALSE;
}

// Carries out one step of the state machine: capture, repaint, click.
void Apply(HWND window, const ButtonStep& step) {
  PictureButtonState* state = StateOf(window);
  if (!state) return;
  bool changed = step.state != state->state;
  state->state = step.state;
  if (step.capture == CaptureAction::Take && GetCapture() != window) SetCapture(window);
  if (step.capture == CaptureAction::Release && GetCapture() == window) ReleaseCapture();
  if (changed) Repaint(window);
  if (step.clicked) RaiseEvent(state->formId, state->controlId, kEventClicked);
}

void OnMouse(HWND window, UINT message, WPARAM keys, LPARAM point) {
  PictureButtonState* state = StateOf(window);
  if (!state) return;
  bool enabled = IsWindowEnabled(window) != FALSE;
  if (message == WM_LBUTTONDOWN) {
    Apply(window, ButtonPressed(state->state, enabled));
  } else if (message == WM_MOUSEMOVE) {
    Apply(window, ButtonMoved(state->state, enabled, PointerOverButton(window, point),
                              (keys & MK_LBUTTON) != 0));
  } else {
    Apply(window, ButtonReleased(state->state, enabled, PointInsideButton(window, point)));
  }
}

// Someone else took the mouse (a menu, a message box): the button can no
// longer follow the pointer, so it falls back to normal.
void OnCaptureLost(HWND window, HWND newCapture) {
  PictureButtonState* state = StateOf(window);
  if (!state || newCapture == window || state->state == ButtonState::Normal) return;
  state->state = ButtonState::Normal;
  Repaint(window);
}

LRESULT CALLBACK PictureButtonProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  LRESULT painted = 0;
  if (HandleSelfPaint(window, message, wParam, Paint, &painted)) return painted;
  switch (message) {
    case WM_NCCREATE:
      CreateState(window, *reinterpret_cast<CREATESTRUCTA*>(lParam));
      break;
    case WM_LBUTTONDOWN:
    case WM_MOUSEMOVE:
    case WM_LBUTTONUP:
      OnMouse(window, message, wParam, lParam);
      return 0;
    case WM_CAPTURECHANGED:
      OnCaptureLost(window, reinterpret_cast<HWND>(lParam));
      return 0;
    case WM_ENABLE:
      Repaint(window);
      return 0;
    case WM_NCDESTROY:
      FreeState<PictureButtonState>(window);
      break;
  }
  return DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace

bool RegisterPictureButtonClass(HINSTANCE instance) {
  return RegisterKindClass(instance, kPictureButtonClass, PictureButtonProc);
}

void SetButtonPictureOf(HWND window, PictureSlot slot, Picture picture) {
  PictureButtonState* state = StateOf(window);
  if (!state) return;
  state->pictures[static_cast<int>(slot)] = std::move(picture);
  if (NewPictureNeedsRepaint(slot, state->state, IsWindowEnabled(window) != FALSE)) {
    Repaint(window);
  }
}
