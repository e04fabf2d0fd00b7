#include <windows.h>

#include "app/program.h"
#include "app/program_end.h"
#include "app/window/installer_window.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  int32_t quitCode = InstallerMain(InstallerWindowDefinition());
  // The orderly end after the message loop: the shutdown steps and the
  // clean-up on this thread, then the process ends with the quit value.
  EndProgram(quitCode);
  return quitCode;
}
