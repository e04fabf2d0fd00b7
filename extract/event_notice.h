// The record a control hands to the toolkit's event dispatch.
#pragma once

#include <cstdint>

struct EventNotice {
  uint32_t formId = 0;
  uint32_t controlId = 0;
  int32_t eventIndex = 0;
  int32_t argCount = 0;
  int32_t argValues[5] = {0, 0, 0, 0, 0};
  int32_t hasReturnValue = 0;
  int32_t returnValue = 0;
};

// Implemented by the window toolkit (app/window): calls the handler bound to
// event eventIndex of control (formId, controlId) on the calling thread.
// Returns 0 and calls nothing when no handler is bound or the program's end
// has begun; otherwise sets hasReturnValue/returnValue and returns nonzero.
int32_t RaiseControlEvent(EventNotice& notice);
