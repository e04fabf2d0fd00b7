// The settings the installer's steps read and write while the program runs.
// Each is carried out on the window thread (window_thread.h); a control that
// is not there is reported on the calling thread as a fatal error.
#include <windows.h>

#include <commctrl.h>  // after windows.h, whose types it needs

#include <cstdio>

#include "app/program_end.h"
#include "app/window/control_factory.h"
#include "app/window/control_kinds.h"
#include "app/window/picture.h"
#include "app/window/toolkit.h"
#include "app/window/window_rules.h"
#include "app/window/window_thread.h"

namespace {

// Once the end has begun the forms are being released; a step that still
// runs on another thread finds nothing, and that is no fault any more.
void ReportMissing(uint32_t formId, uint32_t controlId) {
  if (ProgramEndBegun()) return;
  // wsprintfA, not the C library's formatter, which would add its
  // floating-point machinery to the executable.
  char message[96];
  wsprintfA(message, "窗口单元不存在（窗口 0x%08X，组件 0x%08X）", static_cast<unsigned>(formId),
            static_cast<unsigned>(controlId));
  ReportFatalError(0, message);
}

// Runs operation(control) on the window thread; false when the control or
// its form is missing or the control is of another kind than wanted.
template <typename Operation>
bool WithControl(uint32_t formId, uint32_t controlId, ControlKind wanted, bool anyKind,
                 Operation operation) {
  bool found = false;
  auto onWindowThread = [&] {
    ControlInstance* control = FindControl(formId, controlId);
    if (!control || (!anyKind && control->definition->kind != wanted)) return;
    found = true;
    operation(*control);
  };
  RunOnWindowThread(onWindowThread);
  if (!found) ReportMissing(formId, controlId);
  return found;
}

template <typename Operation>
bool WithAnyControl(uint32_t formId, uint32_t controlId, Operation operation) {
  return WithControl(formId, controlId, ControlKind::PictureBox, true, operation);
}

template <typename Operation>
bool WithControlOfKind(uint32_t formId, uint32_t controlId, ControlKind kind, Operation operation) {
  return WithControl(formId, controlId, kind, false, operation);
}

}  // namespace

HWND GetFormWindow(uint32_t formId) {
  HWND window = nullptr;
  auto find = [&] {
    if (LoadedForm* form = FindLoadedForm(formId)) window = form->window;
  };
  RunOnWindowThread(find);
  return window;
}

void SetFormGeometry(uint32_t formId, int width, int height, int top) {
  bool found = false;
  auto move = [&] {
    LoadedForm* form = FindLoadedForm(formId);
    if (!form) return;
    found = true;
    RECT current{};
    GetWindowRect(form->window, &current);
    FormGeometry geometry = LimitFormGeometry({current.left, top, width, height});
    SetWindowPos(form->window, nullptr, geometry.left, geometry.top, geometry.width,
                 geometry.height, SWP_NOZORDER | SWP_NOACTIVATE);
  };
  RunOnWindowThread(move);
  if (!found) ReportMissing(formId, 0);
}

std::string GetControlCaption(uint32_t formId, uint32_t controlId) {
  std::string caption;
  WithAnyControl(formId, controlId, [&](ControlInstance& control) {
    LRESULT length = SendMessageA(control.window, WM_GETTEXTLENGTH, 0, 0);
    std::string buffer(static_cast<size_t>(length) + 1, '\0');
    LRESULT copied = SendMessageA(control.window, WM_GETTEXT, buffer.size(),
                                  reinterpret_cast<LPARAM>(buffer.data()));
    caption.assign(buffer.data(), static_cast<size_t>(copied));
  });
  return caption;
}

void SetControlCaption(uint32_t formId, uint32_t controlId, const std::string& caption) {
  WithAnyControl(formId, controlId, [&](ControlInstance& control) {
    SendMessageA(control.window, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(caption.c_str()));
  });
}

void SetControlVisible(uint32_t formId, uint32_t controlId, bool visible) {
  WithAnyControl(formId, controlId, [&](ControlInstance& control) {
    ShowWindow(control.window, visible ? SW_SHOWNA : SW_HIDE);
    // Shown or hidden at once: paint what changed now, not at the next turn.
    RedrawWindow(GetParent(control.window), nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
  });
}

int32_t GetProgressMaximum(uint32_t formId, uint32_t controlId) {
  int32_t maximum = 0;
  WithControlOfKind(formId, controlId, ControlKind::ProgressBar,
                    [&](ControlInstance& control) { maximum = control.progressMaximum; });
  return maximum;
}

void SetProgressPosition(uint32_t formId, uint32_t controlId, int32_t position) {
  WithControlOfKind(formId, controlId, ControlKind::ProgressBar, [&](ControlInstance& control) {
    control.progressPosition = StoredProgressPosition(position);
    ApplyProgressSettings(control);
  });
}

void SetButtonPicture(uint32_t formId, uint32_t controlId, PictureSlot slot, const void* imageBytes,
                      size_t size) {
  WithControlOfKind(formId, controlId, ControlKind::PictureButton, [&](ControlInstance& control) {
    SetButtonPictureOf(control.window, slot, Picture::Decode(imageBytes, size));
  });
}

ZipControl GetZipControl(uint32_t formId, uint32_t controlId) {
  ZipControl zip;
  WithControlOfKind(formId, controlId, ControlKind::ZipControl, [&](ControlInstance& control) {
    if (ZipControlIdentity(control.window, &zip.formId, &zip.controlId))
      zip.window = control.window;
  });
  return zip;
}
