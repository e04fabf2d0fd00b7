#include "tests/windows/toolkit/test_doubles.h"

#include "app/handlers.h"
#include "app/program_end.h"
#include "app/window/installer_window.h"
#include "app/window/toolkit.h"

Recorded recorded;
std::atomic<bool> endBegun{false};

namespace {

void Record(HandlerCall& call, int32_t a = 0, int32_t b = 0, int32_t c = 0) {
  ++call.count;
  call.args[0] = a;
  call.args[1] = b;
  call.args[2] = c;
  call.threadId = GetCurrentThreadId();
}

}  // namespace

void ResetRecorded() {
  auto onCreated = recorded.onCreated;
  recorded = Recorded();
  recorded.onCreated = onCreated;
  endBegun = false;
}

void OnInstallerWindowCreated() {
  Record(recorded.created);
  HWND window = GetFormWindow(kInstallerFormId);
  recorded.visibleWhenCreated = window && IsWindowVisible(window);
  if (recorded.onCreated) recorded.onCreated();
}
void OnInstallFolderPressed(int x, int y, int keys) { Record(recorded.folderPressed, x, y, keys); }
void OnInstallButtonClicked() { Record(recorded.installClicked); }
void OnExtractProgress(int32_t percent) { Record(recorded.extractProgress, percent); }
void OnCloseMarkReleased(int x, int y, int keys) { Record(recorded.closeMarkReleased, x, y, keys); }
void OnHiddenCloseClicked() { Record(recorded.hiddenCloseClicked); }

void EndProgram(int32_t exitCode) { Record(recorded.endProgram, exitCode); }
void ReportFatalError(int32_t code, const std::string& message) {
  throw FatalErrorReported{code, message};
}
bool ProgramEndBegun() { return endBegun; }
