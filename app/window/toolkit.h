// The window toolkit's operations that start-up, shutdown and the
// installer's steps use. Settings may be read and written from any thread:
// from another thread each is carried out on the window thread by a
// synchronous message. A setting of a control or form that does not exist is
// a fatal error (ReportFatalError).
#pragma once

#include <windows.h>

#include <cstddef>
#include <cstdint>
#include <string>

#include "app/window/button_rules.h"  // PictureSlot
#include "extract/zip_control.h"

struct FormDefinition;

// Start-up: register the control kinds (window classes, common controls).
bool InitControlKinds();

// Loads a form: creates the window hidden with all its controls, raises its
// created event, then shows it (SW_SHOW). False when it cannot be loaded.
bool LoadForm(const FormDefinition& definition);

// Whether any loaded form's window still exists. When the last one is
// destroyed after SetLoopStarted(), the toolkit posts PostQuitMessage(0).
bool AnyFormLoaded();
void SetLoopStarted();

// The message loop's turns: idle work when no message waits, and the
// pre-translation that raises mouse events before dispatch (true = handled).
// The idle turn returns at once; the loop waits for the next message itself
// (WaitMessage), or it would spin.
void RunIdleTurn();
bool PreTranslateMessage(MSG& message);

// Shutdown steps, in the order the program calls them.
void StopIdleWorkAndReleaseForms();
void NotifyControlKindsOfEnd();
void ReleaseToolkitObjects();

// Settings.
HWND GetFormWindow(uint32_t formId);
void SetFormGeometry(uint32_t formId, int width, int height, int top);
std::string GetControlCaption(uint32_t formId, uint32_t controlId);
void SetControlCaption(uint32_t formId, uint32_t controlId, const std::string& caption);
void SetControlVisible(uint32_t formId, uint32_t controlId, bool visible);
int32_t GetProgressMaximum(uint32_t formId, uint32_t controlId);
void SetProgressPosition(uint32_t formId, uint32_t controlId, int32_t position);
void SetButtonPicture(uint32_t formId, uint32_t controlId, PictureSlot slot, const void* imageBytes,
                      size_t size);
ZipControl GetZipControl(uint32_t formId, uint32_t controlId);
