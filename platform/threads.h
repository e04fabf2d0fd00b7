// Threads and processes.
#pragma once

#include <string>

// CreateThread with default security and stack, no parameter, running at
// once; the handle is closed at once. False when no thread was created.
bool StartThread(void (*routine)());

// CreateProcessA with the command line as given, the installer's environment
// and current folder, SW_SHOWNORMAL; waits at most one second for the new
// program to finish starting. True when the process was created.
bool RunProgram(const std::string& commandLine);

// The calling thread's identifier.
unsigned long CurrentThreadId();
