// Raising a control's events from the toolkit's window procedures.
#pragma once

#include <cstdint>
#include <initializer_list>

// Raises event eventIndex of (formId, controlId) with up to five arguments.
void RaiseEvent(uint32_t formId, uint32_t controlId, int32_t eventIndex,
                std::initializer_list<int32_t> args = {});

// Set by the shutdown steps: from then on the controls raise nothing.
void EndControlEvents();
void ResumeControlEvents();
