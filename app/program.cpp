// The installer's life: start-up, the message loop, EndProgram from either
// thread, the shutdown steps and the fatal-error report.
#include "app/program.h"

#include <windows.h>

#include <atomic>
#include <cstring>

#include "app/catalogue_values.h"
#include "app/handlers.h"
#include "app/program_end.h"
#include "app/window/toolkit.h"
#include "platform/com.h"
#include "platform/message_box.h"
#include "platform/win32/bound_functions.h"

namespace {

constexpr UINT kEndRequestMessage = 0x83E7;
const char kRelayClassName[] = "InstallerRelay";
const char kLoadFailedMessage[] = "载入启动窗口失败";

DWORD gWindowThreadId = 0;
HWND gRelayWindow = nullptr;
bool gOleInitialized = false;
std::atomic<bool> gShutdown{false};
std::atomic<bool> gFatalReported{false};
std::atomic<void (*)()> gRegisteredCleanup{nullptr};

LRESULT CALLBACK RelayWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == kEndRequestMessage) {
    EndProgram(static_cast<int32_t>(wParam));
    return 0;
  }
  return DefWindowProcA(window, message, wParam, lParam);
}

HWND CreateRelayWindow() {
  WNDCLASSA windowClass{};
  windowClass.lpfnWndProc = RelayWindowProc;
  windowClass.hInstance = GetModuleHandleA(nullptr);
  windowClass.lpszClassName = kRelayClassName;
  RegisterClassA(&windowClass);
  return CreateWindowExA(WS_EX_TOOLWINDOW, kRelayClassName, "", WS_POPUP, 0, 0, 0, 0, nullptr,
                         nullptr, windowClass.hInstance, nullptr);
}

// The executable's folder becomes the current folder, whatever the caller's.
void EnterExecutableFolder() {
  char path[MAX_PATH] = {};
  DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
  if (length == 0 || length >= MAX_PATH) return;
  char* lastBackslash = std::strrchr(path, '\\');
  if (!lastBackslash) return;
  *lastBackslash = '\0';
  SetCurrentDirectoryA(path);
}

void OnBindFailure(const char* library, const char* function) {
  // wsprintfA keeps the C library's formatter out of the executable.
  char message[512];
  wsprintfA(message, "无法找到指定DLL库文件“%s”中的输出命令“%s”", library, function);
  ReportFatalError(0, message);
}

void RunRegisteredCleanup() {
  void (*cleanup)() = gRegisteredCleanup.exchange(nullptr);
  if (cleanup) cleanup();
}

void RunShutdownSteps() {
  StopIdleWorkAndReleaseForms();
  RunRegisteredCleanup();
  NotifyControlKindsOfEnd();
  FreeBoundLibraries();
  ReleaseToolkitObjects();
  if (gRelayWindow) {
    HWND relay = gRelayWindow;
    gRelayWindow = nullptr;
    DestroyWindow(relay);
  }
  if (gOleInitialized) UninitializeOle();
}

void RunMessageLoop() {
  MSG message;
  for (;;) {
    while (!PeekMessageA(&message, nullptr, 0, 0, PM_NOREMOVE)) {
      RunIdleTurn();
      WaitMessage();
    }
    if (!GetMessageA(&message, nullptr, 0, 0)) return;
    if (PreTranslateMessage(message)) continue;
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
}

}  // namespace

void ExitCleanup() { ReleaseCatalogueValues(); }

void OnCloseMarkReleased(int, int, int) { EndProgram(0); }

void OnHiddenCloseClicked() { EndProgram(0); }

bool ProgramEndBegun() { return gShutdown.load() || gFatalReported.load(); }

int32_t InstallerMain(const FormDefinition& form) {
  gWindowThreadId = GetCurrentThreadId();
  gOleInitialized = InitializeOle();
  EnterExecutableFolder();
  gRelayWindow = CreateRelayWindow();
  SetBindFailureHandler(OnBindFailure);
  InitControlKinds();

  CreateCatalogueValues();
  gRegisteredCleanup.store(ExitCleanup);
  if (!LoadForm(form)) ReportFatalError(0, kLoadFailedMessage);

  SetLoopStarted();
  if (AnyFormLoaded()) RunMessageLoop();
  return 0;
}

void EndProgram(int32_t exitCode) {
  if (GetCurrentThreadId() == gWindowThreadId) {
    // A second request that reaches the window thread while it shuts down
    // (a modal loop inside a shutdown step) leaves the first to finish.
    if (gShutdown.exchange(true)) return;
    RunShutdownSteps();
    ExitProcess(static_cast<UINT>(exitCode));
  }
  HWND relay = gRelayWindow;
  if (relay && IsWindow(relay)) {
    SendMessageA(relay, kEndRequestMessage, static_cast<WPARAM>(exitCode), 0);
  } else if (!gShutdown.load()) {
    ExitProcess(static_cast<UINT>(exitCode));
  }
  // The window thread is ending the process; this thread must make no further
  // progress (no more files written, no more events raised) until it does.
  for (;;) Sleep(INFINITE);
}

void ReportFatalError(int32_t code, const std::string& message) {
  gFatalReported.store(true);
  std::string text = "运行时出错!\r\n\r\n";
  if (code != 0) {
    char number[16];
    wsprintfA(number, "%d", static_cast<int>(code));
    text += "错误代码：" + std::string(number) + "\r\n\r\n";
  }
  if (!message.empty()) text += "错误信息：" + message + "\r\n";
  ShowMessageBox(text, "错误", kMbOk | kMbIconError);
  gRegisteredCleanup.store(nullptr);
  EndProgram(-1);
  ExitProcess(static_cast<UINT>(-1));
}
