// The press on the folder label: the folder-browse dialog, and a picked
// folder becomes the installation folder.
#include "app/catalogue_values.h"
#include "app/folder_rules.h"
#include "app/handlers.h"
#include "app/installation_state.h"
#include "app/window/installer_window.h"
#include "app/window/toolkit.h"
#include "platform/shell.h"

namespace {

const char kChooserTitle[] = "请选择安装位置";

Text ChooseFolder(HWND owner, const Text& title) {
  return ChosenFolder(BrowseForFolder(owner, title));
}

}  // namespace

void OnInstallFolderPressed(int, int, int) {
  // The folder cannot change under a running installation.
  if (installationRunning.load()) return;
  Text chosen = ChooseFolder(GetFormWindow(kInstallerFormId), kChooserTitle);
  if (chosen.empty()) return;
  SetControlCaption(kInstallerFormId, kFolderLabelId,
                    FolderCaption(chosen, productNames.At(productIndex)));
}
