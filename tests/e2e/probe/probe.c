// A small window for checking the end-to-end harness itself: a borderless
// window of one known colour with a Chinese title, which ends with a code
// that tells how it was ended.
//
//   left-button release     -> exit code 7
//   right-button release    -> a task-modal box "信息：" (Yes/No); Yes -> 10, No -> 11
//   closed by the system    -> exit code 0 (Alt+F4, WM_CLOSE)
//   middle-button release   -> the folder-browse dialog as the installer
//                              opens it; the window's title becomes the
//                              picked path, or "取消" when nothing was picked
//
// With "--chdir" on the command line it makes its own folder the current
// folder, as the installer does at start-up.
#include <shlobj.h>
#include <windows.h>

#include <string.h>

#define PROBE_LEFT 100
#define PROBE_TOP 100
#define PROBE_WIDTH 200
#define PROBE_HEIGHT 150
#define PROBE_COLOUR RGB(200, 40, 90)

static int exitCode = 0;

static void EndWith(HWND window, int code) {
  exitCode = code;
  DestroyWindow(window);
}

static void BrowseForFolder(HWND window) {
  char displayName[MAX_PATH] = {0};
  char path[MAX_PATH] = {0};
  BROWSEINFOA info = {0};
  info.hwndOwner = window;
  info.pszDisplayName = displayName;
  info.lpszTitle = "请选择安装位置";
  info.ulFlags = 0x77;
  LPITEMIDLIST picked = SHBrowseForFolderA(&info);
  if (picked != NULL && SHGetPathFromIDListA(picked, path)) {
    SetWindowTextA(window, path);
  } else {
    SetWindowTextA(window, "取消");
  }
  CoTaskMemFree(picked);
}

static LRESULT CALLBACK ProbeProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_LBUTTONUP:
      EndWith(window, 7);
      return 0;
    case WM_RBUTTONUP: {
      int answer = MessageBoxA(NULL, "继续吗？", "信息：", MB_YESNO | MB_TASKMODAL);
      EndWith(window, answer == IDYES ? 10 : 11);
      return 0;
    }
    case WM_MBUTTONUP:
      BrowseForFolder(window);
      return 0;
    case WM_DESTROY:
      PostQuitMessage(exitCode);
      return 0;
    default:
      return DefWindowProcA(window, message, wParam, lParam);
  }
}

static void ChangeToOwnFolder(void) {
  char path[MAX_PATH] = {0};
  GetModuleFileNameA(NULL, path, sizeof(path));
  char* lastSlash = strrchr(path, '\\');
  if (lastSlash != NULL) {
    *lastSlash = '\0';
    SetCurrentDirectoryA(path);
  }
}

int WINAPI WinMain(HINSTANCE instance, HINSTANCE previous, LPSTR commandLine, int show) {
  (void)previous;
  (void)show;
  if (strstr(commandLine, "--chdir") != NULL) ChangeToOwnFolder();
  OleInitialize(NULL);

  WNDCLASSA windowClass = {0};
  windowClass.lpfnWndProc = ProbeProc;
  windowClass.hInstance = instance;
  windowClass.hCursor = LoadCursor(NULL, IDC_ARROW);
  windowClass.hbrBackground = CreateSolidBrush(PROBE_COLOUR);
  windowClass.lpszClassName = "E2EProbe";
  if (!RegisterClassA(&windowClass)) return 2;

  HWND window = CreateWindowExA(0, "E2EProbe", "探针 - 窗口", WS_POPUP | WS_VISIBLE, PROBE_LEFT,
                                PROBE_TOP, PROBE_WIDTH, PROBE_HEIGHT, NULL, NULL, instance, NULL);
  if (window == NULL) return 3;

  MSG message;
  while (GetMessageA(&message, NULL, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
  return (int)message.wParam;
}
