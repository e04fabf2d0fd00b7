// Labels and transparent labels: a caption on one line, left-aligned and
// vertically centred, with "&" prefix processing. A label fills itself with
// its background colour first; a transparent label draws only its text over
// whatever lies beneath it. Their mouse events are raised by
// PreTranslateMessage, before the mouse message reaches them.
#include <algorithm>
#include <memory>
#include <string>

#include "app/window/control_kinds.h"
#include "app/window/control_state.h"
#include "app/window/gdi_objects.h"

namespace {

constexpr UINT kCaptionFormat = DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOCLIP;

struct LabelState {
  uint32_t formId = 0;
  uint32_t controlId = 0;
  bool transparent = false;
  COLORREF background = 0;
  COLORREF textColour = 0;
  bool handPointer = false;
  std::string caption;  // the bytes as written, "&" included
  OwnedFont ownFont;
  HFONT font = nullptr;
};

constexpr auto StateOf = &StateOfWindow<LabelState>;

OwnedFont MakeFont(const FontSpec& spec) {
  // No face name: the system's default face, in the default character set.
  return OwnedFont(CreateFontA(spec.height, 0, 0, 0, spec.weight, FALSE, spec.underline, FALSE,
                               DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                               DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, nullptr));
}

void CreateState(HWND window, const CREATESTRUCTA& create, bool transparent) {
  const auto* params = static_cast<const CreateParams*>(create.lpCreateParams);
  const ControlDefinition& control = *params->control;
  auto state = std::make_unique<LabelState>();
  state->formId = params->formId;
  state->controlId = control.id;
  state->transparent = transparent;
  state->background = ToColour(control.backColour);
  state->textColour = ToColour(control.textColour);
  state->handPointer = control.pointer == Pointer::Hand;
  state->caption = control.caption ? control.caption : "";
  if (!control.font.isDefault) state->ownFont = MakeFont(control.font);
  state->font =
      state->ownFont ? state->ownFont.get() : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
  AttachState(window, std::move(state));
}

void Paint(HWND window, HDC dc) {
  LabelState* state = StateOf(window);
  if (!state) return;
  RECT client{};
  GetClientRect(window, &client);
  if (state->transparent) {
    PaintParentBackground(window, dc);
  } else {
    FillSolid(dc, client, state->background);
  }
  SelectedObject font(dc, state->font);
  int oldMode = SetBkMode(dc, TRANSPARENT);
  COLORREF oldColour = SetTextColor(dc, state->textColour);
  DrawTextA(dc, state->caption.data(), static_cast<int>(state->caption.size()), &client,
            kCaptionFormat);
  SetTextColor(dc, oldColour);
  SetBkMode(dc, oldMode);
}

// A new caption replaces the old one and shows at once.
void SetCaption(HWND window, const char* text) {
  LabelState* state = StateOf(window);
  if (!state) return;
  state->caption = text ? text : "";
  InvalidateRect(window, nullptr, FALSE);
  UpdateWindow(window);
}

LRESULT CopyCaption(HWND window, WPARAM capacity, char* buffer) {
  LabelState* state = StateOf(window);
  if (!state || capacity == 0 || !buffer) return 0;
  size_t count = std::min<size_t>(state->caption.size(), capacity - 1);
  state->caption.copy(buffer, count);
  buffer[count] = '\0';
  return static_cast<LRESULT>(count);
}

bool SetPointer(HWND window, LPARAM hitAndMessage) {
  LabelState* state = StateOf(window);
  if (!state || !state->handPointer || LOWORD(hitAndMessage) != HTCLIENT) return false;
  SetCursor(LoadCursorA(nullptr, IDC_HAND));
  return true;
}

LRESULT HandleLabelMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                           bool transparent) {
  LRESULT painted = 0;
  if (HandleSelfPaint(window, message, wParam, Paint, &painted)) return painted;
  switch (message) {
    case WM_NCCREATE:
      CreateState(window, *reinterpret_cast<CREATESTRUCTA*>(lParam), transparent);
      break;
    case WM_SETTEXT:
      SetCaption(window, reinterpret_cast<const char*>(lParam));
      break;  // the system's copy serves outside readers of the window text
    case WM_GETTEXT:
      return CopyCaption(window, wParam, reinterpret_cast<char*>(lParam));
    case WM_GETTEXTLENGTH:
      return StateOf(window) ? static_cast<LRESULT>(StateOf(window)->caption.size()) : 0;
    case WM_GETFONT:
      return StateOf(window) ? reinterpret_cast<LRESULT>(StateOf(window)->font) : 0;
    case WM_SETCURSOR:
      if (SetPointer(window, lParam)) return TRUE;
      break;
    case WM_NCDESTROY:
      FreeState<LabelState>(window);
      break;
  }
  return DefWindowProcA(window, message, wParam, lParam);
}

LRESULT CALLBACK LabelProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  return HandleLabelMessage(window, message, wParam, lParam, false);
}

LRESULT CALLBACK TransparentLabelProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  return HandleLabelMessage(window, message, wParam, lParam, true);
}

}  // namespace

bool RegisterLabelClasses(HINSTANCE instance) {
  return RegisterKindClass(instance, kLabelClass, LabelProc) &&
         RegisterKindClass(instance, kTransparentLabelClass, TransparentLabelProc);
}

bool IsLabelWindow(HWND window) {
  char name[64] = {};
  if (!window || !GetClassNameA(window, name, sizeof name)) return false;
  return lstrcmpA(name, kLabelClass) == 0 || lstrcmpA(name, kTransparentLabelClass) == 0;
}

bool LabelIdentity(HWND window, uint32_t* formId, uint32_t* controlId) {
  if (!IsLabelWindow(window)) return false;
  // A window of another thread has no state of ours to read.
  if (GetWindowThreadProcessId(window, nullptr) != GetCurrentThreadId()) return false;
  LabelState* state = StateOf(window);
  if (!state) return false;
  *formId = state->formId;
  *controlId = state->controlId;
  return true;
}

void PaintParentBackground(HWND window, HDC dc) {
  HWND parent = GetParent(window);
  if (!parent) return;
  POINT origin{0, 0};
  MapWindowPoints(window, parent, &origin, 1);
  POINT oldOrigin{};
  OffsetViewportOrgEx(dc, -origin.x, -origin.y, &oldOrigin);
  SendMessageA(parent, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT);
  SetViewportOrgEx(dc, oldOrigin.x, oldOrigin.y, nullptr);
}
