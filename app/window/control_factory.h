// The factory that turns a form's definition into windows.
#pragma once

#include <memory>

#include "app/window/form_registry.h"

// Creates the form's window, hidden, and every control in the order of the
// definition, each under its parent and below the siblings listed before it.
// Null when a window cannot be made (nothing is left behind then).
std::unique_ptr<LoadedForm> BuildForm(const FormDefinition& definition);

// Gives a progress bar's window its stored range and position.
void ApplyProgressSettings(const ControlInstance& control);
