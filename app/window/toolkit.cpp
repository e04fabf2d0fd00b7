// The toolkit's life: registering the control kinds, loading a form, the
// message loop's turns and the shutdown steps.
#include "app/window/toolkit.h"

#include <windows.h>

#include <commctrl.h>  // after windows.h, whose types it needs

#include <vector>

#include "app/window/control_factory.h"
#include "app/window/control_kinds.h"
#include "app/window/events.h"
#include "app/window/form_registry.h"
#include "app/window/gdi_objects.h"
#include "app/window/window_thread.h"

namespace {

constexpr char kDefaultIconGroup[] = "DEFAULT_ICON";

// The forms' icons; they live until the shutdown steps release them.
std::vector<OwnedIcon> formIcons;

HICON LoadFormIcon(const char* group, int widthMetric, int heightMetric) {
  auto icon = static_cast<HICON>(LoadImageA(GetModuleHandleA(nullptr), group, IMAGE_ICON,
                                            GetSystemMetrics(widthMetric),
                                            GetSystemMetrics(heightMetric), LR_DEFAULTCOLOR));
  if (icon) formIcons.emplace_back(icon);
  return icon;
}

// A form without an icon of its own takes the program's icon group.
void SetFormIcons(HWND window, const WindowDefinition& definition) {
  const char* group = definition.iconGroup ? definition.iconGroup : kDefaultIconGroup;
  if (HICON big = LoadFormIcon(group, SM_CXICON, SM_CYICON)) {
    SendMessageA(window, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(big));
  }
  if (HICON small = LoadFormIcon(group, SM_CXSMICON, SM_CYSMICON)) {
    SendMessageA(window, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(small));
  }
}

}  // namespace

bool RegisterKindClass(HINSTANCE instance, const char* name, WNDPROC procedure) {
  WNDCLASSA windowClass{};
  windowClass.lpfnWndProc = procedure;
  windowClass.hInstance = instance;
  windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
  windowClass.lpszClassName = name;
  return RegisterClassA(&windowClass) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

bool InitControlKinds() {
  INITCOMMONCONTROLSEX commonControls{sizeof commonControls, ICC_PROGRESS_CLASS};
  if (!InitCommonControlsEx(&commonControls)) return false;
  HINSTANCE instance = GetModuleHandleA(nullptr);
  if (!StartWindowThreadCalls(instance)) return false;
  ResumeControlEvents();
  return RegisterFormClass(instance) && RegisterPictureBoxClass(instance) &&
         RegisterLabelClasses(instance) && RegisterPictureButtonClass(instance) &&
         RegisterInertClasses(instance);
}

bool LoadForm(const FormDefinition& definition) {
  std::unique_ptr<LoadedForm> form = BuildForm(definition);
  if (!form) return false;
  HWND window = form->window;
  SetFormIcons(window, definition.window);
  if (!AddLoadedForm(std::move(form))) {
    DestroyWindow(window);
    return false;
  }
  // The created handler runs before the first display, so the size and
  // place it sets are in force when the window appears.
  RaiseEvent(definition.formId, definition.window.id, kEventCreated);
  if (IsWindow(window)) ShowWindow(window, SW_SHOW);
  return true;
}

bool AnyFormLoaded() { return AnyLoadedForm(); }

void SetLoopStarted() { MarkLoopStarted(); }

void RunIdleTurn() {
  // No idle work: the definition's timers never run. The loop itself waits
  // for the next message after this turn.
}

void StopIdleWorkAndReleaseForms() { ReleaseLoadedForms(); }

void NotifyControlKindsOfEnd() { EndControlEvents(); }

void ReleaseToolkitObjects() {
  formIcons.clear();
  StopWindowThreadCalls();
}
