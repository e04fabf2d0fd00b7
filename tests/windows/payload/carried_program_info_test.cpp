// The version block and the application manifest of the executable.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::vector<char> OwnVersionInfo() {
  char path[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, path, MAX_PATH);
  DWORD ignored = 0;
  std::vector<char> info(GetFileVersionInfoSizeA(path, &ignored));
  if (info.empty() || !GetFileVersionInfoA(path, 0, static_cast<DWORD>(info.size()), info.data())) {
    info.clear();
  }
  return info;
}

TEST(CarriedProgramInfo, VersionIs6000WithEveryTextInstallProgram) {
  std::vector<char> info = OwnVersionInfo();
  ASSERT_FALSE(info.empty());

  VS_FIXEDFILEINFO* fixed = nullptr;
  UINT size = 0;
  ASSERT_TRUE(VerQueryValueA(info.data(), "\\", reinterpret_cast<void**>(&fixed), &size));
  EXPECT_EQ(fixed->dwFileVersionMS, 0x00060000u);
  EXPECT_EQ(fixed->dwFileVersionLS, 0u);
  EXPECT_EQ(fixed->dwProductVersionMS, 0x00060000u);
  EXPECT_EQ(fixed->dwProductVersionLS, 0u);

  WORD* translation = nullptr;
  ASSERT_TRUE(VerQueryValueA(info.data(), "\\VarFileInfo\\Translation",
                             reinterpret_cast<void**>(&translation), &size));
  ASSERT_EQ(size, 4u);
  EXPECT_EQ(translation[0], 0x0804);  // Simplified Chinese
  EXPECT_EQ(translation[1], 936);

  for (const char* key : {"CompanyName", "FileDescription", "FileVersion", "InternalName",
                          "LegalCopyright", "OriginalFilename", "ProductName", "ProductVersion"}) {
    const std::string query = std::string("\\StringFileInfo\\080403A8\\") + key;
    char* text = nullptr;
    ASSERT_TRUE(VerQueryValueA(info.data(), query.c_str(), reinterpret_cast<void**>(&text), &size))
        << key;
    EXPECT_STREQ(text, "安装程序") << key;
  }
}

TEST(CarriedProgramInfo, ManifestAsksOnlyToRunAsInvoker) {
  HRSRC found = FindResourceA(nullptr, MAKEINTRESOURCEA(1), MAKEINTRESOURCEA(24));  // RT_MANIFEST
  ASSERT_NE(found, nullptr);
  const std::string manifest(static_cast<const char*>(LockResource(LoadResource(nullptr, found))),
                             SizeofResource(nullptr, found));
  EXPECT_NE(manifest.find("<requestedExecutionLevel level=\"asInvoker\" uiAccess=\"false\"/>"),
            std::string::npos);
  // Common controls 6 would change the look; DPI awareness the sizes.
  EXPECT_EQ(manifest.find("Common-Controls"), std::string::npos);
  EXPECT_EQ(manifest.find("dependency"), std::string::npos);
  EXPECT_EQ(manifest.find("dpiAware"), std::string::npos);
}

}  // namespace
