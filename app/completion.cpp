// Progress reports move the bar; the report of 100 percent completes the
// installation and ends the program.
#include "app/catalogue_values.h"
#include "app/folder_rules.h"
#include "app/handlers.h"
#include "app/install_plan.h"
#include "app/program_end.h"
#include "app/progress_position.h"
#include "app/staging.h"
#include "app/window/installer_window.h"
#include "app/window/toolkit.h"
#include "platform/files.h"
#include "platform/folders.h"
#include "platform/message_box.h"
#include "platform/resources.h"
#include "platform/shell.h"
#include "platform/threads.h"

namespace {

const char kPromptTitle[] = "温馨提示：";
const char kPromptText[] = "安装完成！\r\n点<是>将启动软件\r\n点<否>不启动,可以在桌面启动软件";
const char kShortcutOkLog[] = "3.创建快捷方式..成功";
const char kShortcutFailedLog[] = "3.创建快捷方式..失败";

Text InstallFolder() { return GetControlCaption(kInstallerFormId, kFolderLabelId); }

void CompleteInstallation() {
  ResourceBytes finished = LoadResourceBytes(RES_FINISHED_PICTURE);
  SetButtonPicture(kInstallerFormId, kInstallButtonId, PictureSlot::Normal, finished.data,
                   finished.size);
  SetButtonPicture(kInstallerFormId, kInstallButtonId, PictureSlot::Hot, finished.data,
                   finished.size);

  // Without a desktop folder the name alone would put the shortcut into the
  // installer's current folder and call that a success; it is a failure.
  Text desktop = GetDesktopFolder();
  Text target = ExePathFor(InstallFolder(), productName);
  bool saved = !desktop.empty() && CreateShortcut(ShortcutFileName(desktop + productName), target);
  SetControlCaption(kInstallerFormId, kLogLabelId, saved ? kShortcutOkLog : kShortcutFailedLog);

  int answer =
      ShowMessageBox(kPromptText, kPromptTitle, kMbYesNo | kMbIconInformation | kMbTaskModal);
  if (answer == kIdYes) RunProgram(QuotedCommandLine(ExePathFor(InstallFolder(), productName)));

  SetControlVisible(kInstallerFormId, kProgressBarId, false);
  DeleteFilePath(DriveStagingPath(InstallFolder()));
  DeleteFilePath(TempStagingPath(GetTempFolder()));
  EndProgram(0);
}

}  // namespace

void OnExtractProgress(int32_t percent) {
  int32_t maximum = GetProgressMaximum(kInstallerFormId, kProgressBarId);
  SetProgressPosition(kInstallerFormId, kProgressBarId, ProgressPosition(maximum, percent));
  if (percent == 100) CompleteInstallation();
}
