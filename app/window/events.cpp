// Event dispatch: RaiseControlEvent finds the bound handler and calls it on
// the raising thread; PreTranslateMessage raises the labels' mouse events
// before the window thread dispatches the mouse message.
#include "app/window/events.h"

#include <windows.h>

#include <algorithm>
#include <atomic>

#include "app/program_end.h"
#include "app/window/control_kinds.h"
#include "app/window/form_registry.h"
#include "app/window/toolkit.h"
#include "extract/event_notice.h"

namespace {

std::atomic<bool> controlEventsEnded{false};

constexpr int kMaxArgs = 5;

// The key state a mouse event carries: 1 Shift, 2 Ctrl, 4 Alt.
int32_t ModifierKeys(WPARAM mouseKeys) {
  int32_t keys = 0;
  if (mouseKeys & MK_SHIFT) keys |= 1;
  if (mouseKeys & MK_CONTROL) keys |= 2;
  if (GetKeyState(VK_MENU) < 0) keys |= 4;
  return keys;
}

}  // namespace

int32_t RaiseControlEvent(EventNotice& notice) {
  if (controlEventsEnded || ProgramEndBegun()) return 0;
  EventInvoker invoke = FindEventHandler(notice.formId, notice.controlId, notice.eventIndex);
  if (!invoke) return 0;
  int32_t count = std::clamp(notice.argCount, 0, kMaxArgs);
  int32_t value = 0;
  if (invoke(notice.argValues, count, &value)) {
    notice.hasReturnValue = 1;
    notice.returnValue = value;
  }
  return 1;
}

void RaiseEvent(uint32_t formId, uint32_t controlId, int32_t eventIndex,
                std::initializer_list<int32_t> args) {
  EventNotice notice;
  notice.formId = formId;
  notice.controlId = controlId;
  notice.eventIndex = eventIndex;
  for (int32_t value : args) {
    if (notice.argCount == kMaxArgs) break;
    notice.argValues[notice.argCount++] = value;
  }
  RaiseControlEvent(notice);
}

void EndControlEvents() { controlEventsEnded = true; }
void ResumeControlEvents() { controlEventsEnded = false; }

bool PreTranslateMessage(MSG& message) {
  if (message.message != WM_LBUTTONDOWN && message.message != WM_LBUTTONUP) return false;
  uint32_t formId = 0;
  uint32_t controlId = 0;
  if (!LabelIdentity(message.hwnd, &formId, &controlId)) return false;
  int32_t x = static_cast<int16_t>(LOWORD(message.lParam));
  int32_t y = static_cast<int16_t>(HIWORD(message.lParam));
  int32_t event = message.message == WM_LBUTTONDOWN ? kEventLeftButtonDown : kEventLeftButtonUp;
  RaiseEvent(formId, controlId, event, {x, y, ModifierKeys(message.wParam)});
  // The message still goes to the label; the event came first.
  return false;
}
