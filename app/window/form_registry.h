// The loaded forms: each form's window and its controls' windows, looked up
// by identifier. Owned by the window thread; only the event bindings are
// read from other threads (FindEventHandler).
#pragma once

#include <windows.h>

#include <cstdint>
#include <memory>
#include <vector>

#include "app/window/form_definition.h"

// One control of a loaded form, with the stored settings of the kinds that
// are system controls (the progress bar).
struct ControlInstance {
  const ControlDefinition* definition = nullptr;
  HWND window = nullptr;
  int32_t progressMinimum = 0;
  int32_t progressMaximum = 0;
  int32_t progressPosition = 0;
};

struct LoadedForm {
  const FormDefinition* definition = nullptr;
  HWND window = nullptr;
  std::vector<ControlInstance> controls;
};

// Takes a new form into the registry; false when the registry is full.
bool AddLoadedForm(std::unique_ptr<LoadedForm> form);

// The loaded form or control, or null. A control whose window no longer
// exists counts as not found.
LoadedForm* FindLoadedForm(uint32_t formId);
ControlInstance* FindControl(uint32_t formId, uint32_t controlId);

// Called when a form's window is destroyed: the form is unloaded, and when it
// was the last one after the loop started, the message loop is told to quit.
void FormWindowDestroyed(HWND window);

bool AnyLoadedForm();
void MarkLoopStarted();

// Unloads every form without touching its windows (the process is ending).
void ReleaseLoadedForms();

// The handler bound to an event, or null; safe on any thread.
EventInvoker FindEventHandler(uint32_t formId, uint32_t controlId, int32_t eventIndex);
