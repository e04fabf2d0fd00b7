/* The stand-in product's update helper: it has nothing to fetch, so it only
 * says that this version is the newest. */
#include <windows.h>

int WINAPI WinMain(HINSTANCE instance, HINSTANCE previous, LPSTR commandLine, int show) {
  (void)instance;
  (void)previous;
  (void)commandLine;
  (void)show;
  MessageBoxA(NULL, "BrivonaJuniper 已是最新版本。", "升级助手", MB_OK | MB_ICONINFORMATION);
  return 0;
}
