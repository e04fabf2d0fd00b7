// Stand-ins for the installer's handlers and for the program's end, which the
// toolkit calls; they record what they were called with.
#pragma once

#include <windows.h>

#include <atomic>
#include <cstdint>
#include <functional>
#include <string>

struct HandlerCall {
  int count = 0;
  int32_t args[3] = {0, 0, 0};
  DWORD threadId = 0;
};

struct Recorded {
  HandlerCall created;
  bool visibleWhenCreated = false;
  HandlerCall folderPressed;
  HandlerCall installClicked;
  HandlerCall extractProgress;
  HandlerCall closeMarkReleased;
  HandlerCall hiddenCloseClicked;
  HandlerCall endProgram;
  // Runs inside the created handler, when set (the demo sizes the window).
  std::function<void()> onCreated;
};

extern Recorded recorded;
extern std::atomic<bool> endBegun;  // what ProgramEndBegun() answers

// ReportFatalError's stand-in throws this instead of ending the process.
struct FatalErrorReported {
  int32_t code;
  std::string message;
};

void ResetRecorded();
