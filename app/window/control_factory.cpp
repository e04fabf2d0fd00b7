#include "app/window/control_factory.h"

#include <windows.h>

#include <commctrl.h>  // after windows.h, whose types it needs

#include "app/window/control_kinds.h"
#include "app/window/window_rules.h"

namespace {

const char* ClassOf(ControlKind kind) {
  switch (kind) {
    case ControlKind::PictureBox:
      return kPictureBoxClass;
    case ControlKind::Label:
      return kLabelClass;
    case ControlKind::TransparentLabel:
      return kTransparentLabelClass;
    case ControlKind::PictureButton:
      return kPictureButtonClass;
    case ControlKind::ProgressBar:
      return PROGRESS_CLASSA;
    case ControlKind::Timer:
      return kTimerClass;
    case ControlKind::ZipControl:
      return kZipControlClass;
  }
  return kTimerClass;
}

struct WindowStyles {
  DWORD style = 0;
  DWORD extended = 0;
};

// Siblings clip each other, so the upper of two overlapping controls is seen.
WindowStyles StylesOf(const ControlDefinition& control) {
  WindowStyles styles{WS_CHILD | WS_CLIPSIBLINGS, 0};
  if (control.visible) styles.style |= WS_VISIBLE;
  if (control.frame) styles.style |= WS_BORDER;
  if (control.kind == ControlKind::PictureBox) styles.style |= WS_CLIPCHILDREN;
  if (control.kind == ControlKind::TransparentLabel) styles.extended |= WS_EX_TRANSPARENT;
  if (control.kind == ControlKind::ProgressBar && control.progressSmooth) {
    styles.style |= PBS_SMOOTH;
  }
  if (control.thinSunkenEdge) styles.extended |= WS_EX_STATICEDGE;
  return styles;
}

bool IsLabelKind(ControlKind kind) {
  return kind == ControlKind::Label || kind == ControlKind::TransparentLabel;
}

HWND CreateFormWindow(const FormDefinition& definition) {
  const WindowDefinition& window = definition.window;
  ScreenPlace place{window.x, window.y};
  if (window.centredOnScreen) {
    place = CentredPlace(GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN), window.width,
                         window.height);
  }
  CreateParams params{definition.formId, nullptr, &definition};
  // No caption, frame or system menu; unowned and not a tool window, so it
  // has a taskbar button.
  return CreateWindowExA(0, kFormClass, window.text, WS_POPUP | WS_CLIPCHILDREN, place.left,
                         place.top, window.width, window.height, nullptr, nullptr,
                         GetModuleHandleA(nullptr), &params);
}

HWND ParentWindow(const LoadedForm& form, uint32_t parentId) {
  if (parentId == form.definition->window.id) return form.window;
  for (const ControlInstance& control : form.controls) {
    if (control.definition->id == parentId) return control.window;
  }
  return nullptr;
}

HWND CreateControlWindow(const LoadedForm& form, const ControlDefinition& control) {
  HWND parent = ParentWindow(form, control.parentId);
  if (!parent) return nullptr;
  WindowStyles styles = StylesOf(control);
  CreateParams params{form.definition->formId, &control, form.definition};
  const char* text = IsLabelKind(control.kind) && control.caption ? control.caption : "";
  HWND window = CreateWindowExA(styles.extended, ClassOf(control.kind), text, styles.style,
                                control.x, control.y, control.width, control.height, parent,
                                reinterpret_cast<HMENU>(static_cast<UINT_PTR>(control.id)),
                                GetModuleHandleA(nullptr), &params);
  if (window) {
    SetWindowPos(window, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  }
  return window;
}

}  // namespace

std::unique_ptr<LoadedForm> BuildForm(const FormDefinition& definition) {
  auto form = std::make_unique<LoadedForm>();
  form->definition = &definition;
  form->window = CreateFormWindow(definition);
  if (!form->window) return nullptr;
  form->controls.reserve(definition.controlCount);
  for (size_t i = 0; i < definition.controlCount; ++i) {
    const ControlDefinition& control = definition.controls[i];
    HWND window = CreateControlWindow(*form, control);
    if (!window) {
      DestroyWindow(form->window);
      return nullptr;
    }
    ControlInstance instance{&control, window, control.progressMinimum, control.progressMaximum,
                             control.progressPosition};
    if (control.kind == ControlKind::ProgressBar) ApplyProgressSettings(instance);
    form->controls.push_back(instance);
  }
  return form;
}

void ApplyProgressSettings(const ControlInstance& control) {
  ProgressRange range = ProgressRangeOf(control.progressMinimum, control.progressMaximum);
  SendMessageA(control.window, PBM_SETRANGE, 0,
               MAKELPARAM(static_cast<uint16_t>(range.low), static_cast<uint16_t>(range.high)));
  SendMessageA(control.window, PBM_SETPOS, ShownProgressPosition(control.progressPosition, range),
               0);
}
