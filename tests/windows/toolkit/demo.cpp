// Shows InstallerWindow as the installer does after its created handler:
// 250 x 400 with the top edge at 300 and the folder caption set. For looking
// at the window (screenshots); ends when the window is closed.
#include <ole2.h>
#include <windows.h>

#include "app/window/installer_window.h"
#include "app/window/toolkit.h"
#include "tests/windows/toolkit/test_doubles.h"

namespace {

void CALLBACK CloseForm(HWND, UINT, UINT_PTR, DWORD) {
  PostMessageA(GetFormWindow(kInstallerFormId), WM_CLOSE, 0, 0);
}

}  // namespace

int main(int argc, char** argv) {
  OleInitialize(nullptr);
  recorded.onCreated = [] {
    SetFormGeometry(kInstallerFormId, 250, 400, 300);
    SetControlCaption(kInstallerFormId, kFolderLabelId, "D:\\Brivona软件\\BrivonaJuniper");
  };
  if (!InitControlKinds() || !LoadForm(InstallerWindowDefinition())) return 1;
  if (argc > 1) SetTimer(nullptr, 0, static_cast<UINT>(std::atoi(argv[1])) * 1000, CloseForm);
  SetLoopStarted();
  MSG message{};
  for (;;) {
    while (!PeekMessageA(&message, nullptr, 0, 0, PM_NOREMOVE)) {
      RunIdleTurn();
      WaitMessage();
    }
    if (!GetMessageA(&message, nullptr, 0, 0)) break;
    if (PreTranslateMessage(message)) continue;
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
  OleUninitialize();
  return static_cast<int>(message.wParam);
}
