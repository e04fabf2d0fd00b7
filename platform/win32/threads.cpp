#include "platform/threads.h"

#include <windows.h>

#include <vector>

#include "platform/win32/scoped_handle.h"

namespace {

DWORD WINAPI ThreadEntry(LPVOID parameter) {
  reinterpret_cast<void (*)()>(parameter)();
  return 0;
}

}  // namespace

bool StartThread(void (*routine)()) {
  ScopedHandle thread(
      CreateThread(nullptr, 0, ThreadEntry, reinterpret_cast<LPVOID>(routine), 0, nullptr));
  return thread.valid();
}

bool RunProgram(const std::string& commandLine) {
  // CreateProcessA may write into the command line, so it gets its own copy.
  std::vector<char> line(commandLine.begin(), commandLine.end());
  line.push_back('\0');
  STARTUPINFOA startup{};
  startup.cb = sizeof(startup);
  startup.dwFlags = STARTF_USESHOWWINDOW;
  startup.wShowWindow = SW_SHOWNORMAL;
  PROCESS_INFORMATION info{};
  if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                      &info)) {
    return false;
  }
  ScopedHandle process(info.hProcess);
  ScopedHandle thread(info.hThread);
  WaitForInputIdle(process.get(), 1000);
  return true;
}

unsigned long CurrentThreadId() { return GetCurrentThreadId(); }
