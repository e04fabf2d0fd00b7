// The click on the install button: the notice, then the worker that stages
// the embedded archive and extracts it into the installation folder.
#include "app/handlers.h"
#include "app/installation_state.h"
#include "app/program_end.h"
#include "app/staging.h"
#include "app/window/installer_window.h"
#include "app/window/toolkit.h"
#include "platform/com.h"
#include "platform/files.h"
#include "platform/folders.h"
#include "platform/message_box.h"
#include "platform/resources.h"
#include "platform/threads.h"

std::atomic<bool> installationRunning{false};

namespace {

const char kInfoTitle[] = "信息：";
const char kNoticeText[] =
    "由于系列正版软件都作了加壳加密处理\r\n如果部分杀毒软件提示警告，请允许即可！\r\n\r\n"
    "软件干净无毒无木马~~支持正版 谢谢大家\r\n"
    "软件安装好后，建议把安装的软件目录加入杀毒软件信任，再运行软件，以免影响部分功能使用。\r\n"
    "可以阅读软件安装说明";
const char kStagingFailedText[] =
    "写入失败！Windows7请以管理员身份运行，建议关闭杀毒，再重试\r\n《确定》后将关闭本安装程序";
const char kExtractionFailedText[] =
    "解压失败！安装没有完成。\r\n请关闭正在运行的本软件和杀毒软件，再点击安装重试。";
const char kStagingLog[] = "1.释放压缩包..";
const char kExtractingLog[] = "2.开始解压..";
const char kExtractionFailedLog[] = "2.开始解压..失败";

Text InstallFolder() { return GetControlCaption(kInstallerFormId, kFolderLabelId); }

// Extraction came back without completing: tell the user, leave the window
// ready for another attempt.
void ReportExtractionFailure(const Text& stagedPath) {
  SetControlVisible(kInstallerFormId, kProgressBarId, false);
  SetControlCaption(kInstallerFormId, kLogLabelId, kExtractionFailedLog);
  DeleteFilePath(stagedPath);
  ShowMessageBox(kExtractionFailedText, kInfoTitle, kMbOk | kMbTaskModal);
}

void InstallWorker() {
  ComApartment com;
  SetControlCaption(kInstallerFormId, kLogLabelId, kStagingLog);
  ResourceBytes payload = LoadResourceBytes(RES_PAYLOAD);
  Text path = StagePayload(GetTempFolder(), InstallFolder(), [&payload](const Text& target) {
    return payload.data != nullptr && WriteFileBytes(target, payload.data, payload.size);
  });
  if (path.empty()) {
    ShowMessageBox(kStagingFailedText, kInfoTitle, kMbOk | kMbTaskModal);
    EndProgram(0);
    return;
  }
  SetControlVisible(kInstallerFormId, kProgressBarId, true);
  SetControlCaption(kInstallerFormId, kLogLabelId, kExtractingLog);
  // A completed extraction ends the program inside this call.
  ExtractArchive(GetZipControl(kInstallerFormId, kZipControlId), path, InstallFolder());
  ReportExtractionFailure(path);
  installationRunning.store(false);
}

}  // namespace

void OnInstallButtonClicked() {
  if (installationRunning.load()) return;
  ShowMessageBox(kNoticeText, kInfoTitle, kMbOk | kMbTaskModal);
  installationRunning.store(true);
  if (!StartThread(InstallWorker)) installationRunning.store(false);
}
