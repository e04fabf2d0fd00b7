// How the installer ends: EndProgram, ReportFatalError and the shutdown flag.
#pragma once

#include <cstdint>
#include <string>

// Ends the process with code after the shutdown steps, on the window thread;
// from another thread the end is handed to the window thread. Returns only in
// the one case where a shutdown is already under way and cannot be reached.
void EndProgram(int32_t exitCode);

// One error box ("错误", MB_OK|MB_ICONERROR), then the end with -1 and without
// the registered clean-up. code 0 means none.
[[noreturn]] void ReportFatalError(int32_t code, const std::string& message);

// True once the window thread has begun the shutdown steps, or a fatal error
// is being reported: the toolkit dispatches no more events then.
bool ProgramEndBegun();
