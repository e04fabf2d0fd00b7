#include "app/install_plan.h"

#include <gtest/gtest.h>

namespace {

TEST(ComputeInstallPlan, DriveChosenByFreeMegabytesOnD) {
  struct Case {
    int64_t freeMB;
    const char* folder;
  } cases[] = {
      {1000, "D:\\Brivona软件\\BrivonaJuniper"},
      {1000000, "D:\\Brivona软件\\BrivonaJuniper"},
      {999, "C:\\Brivona软件\\BrivonaJuniper"},
      {0, "C:\\Brivona软件\\BrivonaJuniper"},  // a failed query
      {-5, "C:\\Brivona软件\\BrivonaJuniper"},
  };
  for (const auto& c : cases) {
    InstallPlan plan = ComputeInstallPlan(c.freeMB, kProductListText, kProductIndex);
    EXPECT_EQ(plan.installFolder, c.folder) << c.freeMB;
    EXPECT_EQ(plan.exePath, std::string(c.folder) + "\\BrivonaJuniper.exe");
    EXPECT_EQ(plan.productName, "BrivonaJuniper");
    EXPECT_EQ(plan.productNames.Count(), 15);
  }
}

TEST(ComputeInstallPlan, FolderHasNoTrailingBackslashAndExeOneSeparator) {
  InstallPlan plan = ComputeInstallPlan(5000, kProductListText, kProductIndex);
  EXPECT_EQ(plan.drivePrefix, "D:\\");
  EXPECT_NE(plan.installFolder.back(), '\\');
  EXPECT_EQ(plan.exePath, plan.installFolder + "\\BrivonaJuniper.exe");
  EXPECT_EQ(plan.exePath.find("\\\\"), std::string::npos);
}

TEST(ComputeInstallPlan, EmptyItemGivesEmptyName) {
  InstallPlan plan = ComputeInstallPlan(0, "a||c", 2);
  EXPECT_EQ(plan.productName, "");
  EXPECT_EQ(plan.installFolder, "C:\\Brivona软件\\");
}

TEST(ComputeInstallPlanDeathTest, IndexOutsideTheCatalogueIsFatal) {
  EXPECT_EXIT(ComputeInstallPlan(0, kProductListText, 0), testing::ExitedWithCode(255),
              "fatal error 4: 数组成员引用下标必须大于等于1");
  EXPECT_EXIT(ComputeInstallPlan(0, kProductListText, 16), testing::ExitedWithCode(255),
              "fatal error 1: 数组成员引用下标超出定义范围");
}

TEST(FreeBytesToMegabytes, TruncatesAtTheThreshold) {
  const uint64_t mb = 1048576;
  EXPECT_EQ(FreeBytesToMegabytes(1000 * mb), 1000);
  EXPECT_EQ(FreeBytesToMegabytes(1000 * mb - 1), 999);
  EXPECT_EQ(FreeBytesToMegabytes(0), 0);
  EXPECT_EQ(FreeBytesToMegabytes(5ull * 1024 * 1024 * mb), 5 * 1024 * 1024);
}

}  // namespace
