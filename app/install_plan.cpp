#include "app/install_plan.h"

const char kProductListText[] =
    "BrivonaAlder|BrivonaBirch|BrivonaCedar|BrivonaDogwood|BrivonaElm|BrivonaFir|BrivonaGum|"
    "BrivonaHazel|BrivonaIronwood|BrivonaJuniper|BrivonaKapok|BrivonaLarch|BrivonaMaple|"
    "BrivonaNutmeg|BrivonaOak";
const char kBrandFolder[] = "Brivona软件\\";

InstallPlan ComputeInstallPlan(int64_t freeMegabytesOnD, const Text& productListText,
                               int32_t productIndex) {
  InstallPlan plan;
  plan.drivePrefix = freeMegabytesOnD >= kFreeSpaceThresholdMB ? "D:\\" : "C:\\";
  plan.productNames = TextArray(SplitText(productListText, "|"));
  plan.productName = plan.productNames.At(productIndex);
  plan.installFolder = plan.drivePrefix + kBrandFolder + plan.productName;
  plan.exePath = ExePathFor(plan.installFolder, plan.productName);
  return plan;
}

int64_t FreeBytesToMegabytes(uint64_t freeBytes) {
  return static_cast<int64_t>(static_cast<double>(freeBytes) / 1048576.0);
}

Text ExePathFor(const Text& installFolder, const Text& productName) {
  return installFolder + "\\" + productName + ".exe";
}
