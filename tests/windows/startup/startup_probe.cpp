// Runs InstallerMain with the real window definition and reports, on
// standard output, what the ending did: which thread ran the clean-up and
// how often, which boxes were shown. The mode names the ending to provoke.
#include <windows.h>

#include <atomic>
#include <cstdio>
#include <cstring>
#include <string>

#include "app/catalogue_values.h"
#include "app/handlers.h"
#include "app/program.h"
#include "app/program_end.h"
#include "app/window/installer_window.h"
#include "app/window/toolkit.h"
#include "platform/message_box.h"

namespace {

std::string gMode;
HANDLE gCreated = nullptr;
std::atomic<int> gCleanups{0};

void Say(const char* format, unsigned long value) {
  std::printf(format, value);
  std::fflush(stdout);
}

DWORD WINAPI Driver(LPVOID) {
  WaitForSingleObject(gCreated, 10000);
  HWND form = nullptr;
  for (int i = 0; i < 500 && !(form && IsWindowVisible(form)); ++i) {
    Sleep(10);
    form = GetFormWindow(kInstallerFormId);
  }
  Say("driver sees window visible=%lu\n", form && IsWindowVisible(form) ? 1 : 0);
  if (gMode == "worker-end") EndProgram(3);
  if (gMode == "both-end") {
    PostMessageA(form, WM_CLOSE, 0, 0);
    EndProgram(5);
  }
  if (gMode == "close") PostMessageA(form, WM_CLOSE, 0, 0);
  if (gMode == "fatal-worker") ReportFatalError(4, "数组成员引用下标必须大于等于1");
  Say("driver returned from its request%lu\n", 0);
  return 0;
}

}  // namespace

// Stand-ins for what the installer's handlers and values would do.
void CreateCatalogueValues() { Say("values created%lu\n", 0); }
void ReleaseCatalogueValues() {
  Say("cleanup on thread %lu\n", GetCurrentThreadId());
  Say("cleanup count %lu\n", static_cast<unsigned long>(++gCleanups));
}
void OnInstallerWindowCreated() {
  HWND form = GetFormWindow(kInstallerFormId);
  Say("created on thread %lu\n", GetCurrentThreadId());
  Say("visible at created %lu\n", IsWindowVisible(form) ? 1 : 0);
  char folder[MAX_PATH] = {};
  GetCurrentDirectoryA(MAX_PATH, folder);
  std::printf("current folder %s\n", folder);
  std::fflush(stdout);
  if (gMode == "fatal-window") ReportFatalError(1, "数组成员引用下标超出定义范围");
  SetEvent(gCreated);
}
void OnInstallFolderPressed(int, int, int) {}
void OnInstallButtonClicked() {}
void OnExtractProgress(int32_t) {}
int ShowMessageBox(const std::string& text, const std::string& title, unsigned flags) {
  std::printf("box title=%s flags=%#x text=%s\n", title.c_str(), flags, text.c_str());
  std::fflush(stdout);
  return IDOK;
}

int main(int argc, char** argv) {
  gMode = argc > 1 ? argv[1] : "";
  gCreated = CreateEventA(nullptr, TRUE, FALSE, nullptr);
  CloseHandle(CreateThread(nullptr, 0, Driver, nullptr, 0, nullptr));
  int32_t quitCode = InstallerMain(InstallerWindowDefinition());
  EndProgram(quitCode);
  return quitCode;
}
