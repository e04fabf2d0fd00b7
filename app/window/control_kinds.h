// The toolkit's control kinds: their window classes, what the factory hands a
// control when it is created, and the operations the settings need of them.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

#include "app/window/button_rules.h"
#include "app/window/form_definition.h"

class Picture;

// Window class names of the toolkit's own kinds; the progress bar is the
// common control "msctls_progress32".
constexpr char kFormClass[] = "InstallerToolkitForm";
constexpr char kPictureBoxClass[] = "InstallerToolkitPictureBox";
constexpr char kLabelClass[] = "InstallerToolkitLabel";
constexpr char kTransparentLabelClass[] = "InstallerToolkitTransparentLabel";
constexpr char kPictureButtonClass[] = "InstallerToolkitPictureButton";
constexpr char kTimerClass[] = "InstallerToolkitTimer";
constexpr char kZipControlClass[] = "InstallerToolkitZipControl";

// lpCreateParams of every control and form window the factory creates.
struct CreateParams {
  uint32_t formId = 0;
  const ControlDefinition* control = nullptr;  // null for the form's window
  const FormDefinition* form = nullptr;
};

// Registers a kind's window class; true also when it is registered already.
bool RegisterKindClass(HINSTANCE instance, const char* name, WNDPROC procedure);

// Registers each kind's window class; false if one cannot be registered.
bool RegisterFormClass(HINSTANCE instance);
bool RegisterPictureBoxClass(HINSTANCE instance);
bool RegisterLabelClasses(HINSTANCE instance);
bool RegisterPictureButtonClass(HINSTANCE instance);
bool RegisterInertClasses(HINSTANCE instance);

// Colours of the definition as Windows colours.
COLORREF ToColour(uint32_t colour);

// Labels and transparent labels.
bool IsLabelWindow(HWND window);
// The (form, control) a label window stands for; false when it is none.
bool LabelIdentity(HWND window, uint32_t* formId, uint32_t* controlId);

// Picture buttons: replaces one picture and repaints when it is on show.
void SetButtonPictureOf(HWND window, PictureSlot slot, Picture picture);

// The ZIP control: the identifiers it was created with; false when window is
// no ZIP control.
bool ZipControlIdentity(HWND window, uint32_t* formId, uint32_t* controlId);

// Paints the part of window's parent that lies beneath window into dc, in
// window's client coordinates: what a transparent control shows through.
// Every kind that holds controls paints itself on WM_PRINTCLIENT.
void PaintParentBackground(HWND window, HDC dc);
