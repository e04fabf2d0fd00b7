// The host stands in for the fatal-error box: the report goes to standard
// error and the process ends with -1, as the installer's does.
#include <cstdio>
#include <cstdlib>

#include "app/program_end.h"

void ReportFatalError(int32_t code, const std::string& message) {
  std::fprintf(stderr, "fatal error %d: %s\n", code, message.c_str());
  std::fflush(stderr);
  std::_Exit(-1);
}

bool ProgramEndBegun() { return false; }

void EndProgram(int32_t exitCode) { std::_Exit(exitCode); }
