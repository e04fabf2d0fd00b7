// The window-created step: size the window, compute the installation plan
// and put the default folder into the folder label.
#include <windows.h>

#include "app/catalogue_values.h"
#include "app/handlers.h"
#include "app/install_plan.h"
#include "app/window/installer_window.h"
#include "app/window/toolkit.h"
#include "platform/folders.h"

namespace {

constexpr int kWindowWidth = 250;
constexpr int kWindowHeight = 400;
constexpr int kWindowTop = 300;

}  // namespace

void OnInstallerWindowCreated() {
  SetFormGeometry(kInstallerFormId, kWindowWidth, kWindowHeight, kWindowTop);
  int64_t freeMegabytes = FreeBytesToMegabytes(QueryTotalFreeBytes("d:"));
  productIndex = kProductIndex;
  productListText = kProductListText;
  InstallPlan plan = ComputeInstallPlan(freeMegabytes, productListText, productIndex);
  productNames = std::move(plan.productNames);
  productName = plan.productName;
  SetControlCaption(kInstallerFormId, kFolderLabelId, plan.installFolder);
}
