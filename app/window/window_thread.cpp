#include "app/window/window_thread.h"

#include <atomic>

namespace {

constexpr char kCallWindowClass[] = "InstallerToolkitCalls";
constexpr UINT kRunCallMessage = WM_APP + 0x2E1;

std::atomic<DWORD> windowThreadId{0};
std::atomic<HWND> callWindow{nullptr};
std::atomic<bool> callsStopped{false};

LRESULT CALLBACK CallWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == kRunCallMessage) {
    const auto* call = reinterpret_cast<const WindowThreadCall*>(lParam);
    call->invoke(call->context);
    return 1;
  }
  return DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace

bool StartWindowThreadCalls(HINSTANCE instance) {
  if (callWindow.load() && windowThreadId.load() == GetCurrentThreadId()) return true;
  WNDCLASSA windowClass{};
  windowClass.lpfnWndProc = CallWindowProc;
  windowClass.hInstance = instance;
  windowClass.lpszClassName = kCallWindowClass;
  RegisterClassA(&windowClass);  // fails harmlessly when already registered
  HWND window = CreateWindowExA(0, kCallWindowClass, "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                instance, nullptr);
  if (!window) return false;
  windowThreadId = GetCurrentThreadId();
  callWindow = window;
  callsStopped = false;
  return true;
}

void StopWindowThreadCalls() {
  callsStopped = true;
  if (HWND window = callWindow.exchange(nullptr)) DestroyWindow(window);
}

bool OnWindowThread() {
  DWORD id = windowThreadId.load();
  return id == 0 || id == GetCurrentThreadId();
}

void SendToWindowThread(const WindowThreadCall& call) {
  if (OnWindowThread()) {
    call.invoke(call.context);
    return;
  }
  HWND window = callWindow.load();
  if (window && SendMessageA(window, kRunCallMessage, 0, reinterpret_cast<LPARAM>(&call))) return;
  // The window thread has torn its windows down: the process is ending and
  // no answer will come. The caller waits for the end rather than going on
  // with a setting that was never carried out.
  if (callsStopped) {
    for (;;) Sleep(INFINITE);
  }
}
