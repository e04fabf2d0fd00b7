#include "tools/make-payload/payload_manifest.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

TEST(PayloadManifest, ReadsFilesFoldersAndTextsInOrder) {
  const std::string recipe =
      "# comment\n"
      "\n"
      "BrivonaJuniper.exe\t/build/BrivonaJuniper.exe\n"
      "folder/\r\n"
      "folder/a.ini\tsettings/a.ini\ttext\n"
      "last.dat\tlast.dat";  // no final line feed
  std::vector<ManifestLine> lines;
  std::string error;
  ASSERT_TRUE(ParseManifest(recipe, &lines, &error)) << error;
  ASSERT_EQ(lines.size(), 4u);
  EXPECT_EQ(lines[0].name, "BrivonaJuniper.exe");
  EXPECT_EQ(lines[0].source, "/build/BrivonaJuniper.exe");
  EXPECT_FALSE(lines[0].windowsText);
  EXPECT_EQ(lines[1].name, "folder/");
  EXPECT_TRUE(lines[1].source.empty());
  EXPECT_EQ(lines[2].source, "settings/a.ini");
  EXPECT_TRUE(lines[2].windowsText);
  EXPECT_EQ(lines[3].name, "last.dat");
}

TEST(PayloadManifest, RejectsMalformedLinesWithTheirNumber) {
  const std::vector<std::string> bad = {
      "a.exe",                  // a file without a source
      "a.exe\t",                // an empty source
      "a.ini\ta.ini\tutf16",    // an unknown option
      "a.ini\ta.ini\ttext\tx",  // too many fields
      "folder/\tsource",        // a folder with a source
      "/abs.exe\tabs.exe",      // an absolute name
      "dir\\a.exe\ta.exe",      // a backslash separator
  };
  for (const std::string& line : bad) {
    std::vector<ManifestLine> lines;
    std::string error;
    EXPECT_FALSE(ParseManifest("ok.exe\tok.exe\n" + line + "\n", &lines, &error)) << line;
    EXPECT_EQ(error.rfind("line 2:", 0), 0u) << error;
  }
}

}  // namespace
