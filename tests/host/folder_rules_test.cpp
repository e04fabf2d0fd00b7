#include "app/folder_rules.h"

#include <gtest/gtest.h>

#include "app/progress_position.h"

namespace {

TEST(ProgressPosition, DividesBeforeMultiplying) {
  for (int p = 0; p <= 100; ++p) EXPECT_EQ(ProgressPosition(100, p), p);
  EXPECT_EQ(ProgressPosition(1000, 37), 370);
  EXPECT_EQ(ProgressPosition(250, 1), 2);
  EXPECT_EQ(ProgressPosition(0, 50), 0);
  EXPECT_EQ(ProgressPosition(29, 100), 28);
  EXPECT_EQ(ProgressPosition(57, 100), 56);
}

TEST(ChosenFolder, OutcomeRules) {
  const Text spaces(260, ' ');
  struct Case {
    const char* what;
    FolderDialogOutcome outcome;
    Text expected;
  } cases[] = {
      {"cancelled", {false, "", false, ""}, ""},
      {"cancelled, untouched buffer", {false, spaces, false, ""}, ""},
      {"folder", {true, "Apps", true, "E:\\My Apps"}, "E:\\My Apps"},
      {"drive root loses its backslash", {true, "D:", true, "D:\\"}, "D:"},
      {"path ending in a backslash kept", {true, "x", true, "E:\\dir\\"}, "E:\\dir\\"},
      {"no file-system path", {true, "Network", false, ""}, ""},
      {"question mark in the name", {true, "a?b", true, "E:\\dir"}, ""},
      {"null list with a name", {false, "  server  ", false, ""}, "\\\\server"},
      {"null list, only spaces", {false, " 　 ", false, ""}, ""},
  };
  for (const Case& c : cases) EXPECT_EQ(ChosenFolder(c.outcome), c.expected) << c.what;
}

TEST(FolderCaption, ChosenFolderBackslashAndName) {
  EXPECT_EQ(FolderCaption("D:", "BrivonaJuniper"), "D:\\BrivonaJuniper");
  EXPECT_EQ(FolderCaption("E:\\My Apps", "BrivonaJuniper"), "E:\\My Apps\\BrivonaJuniper");
  EXPECT_EQ(FolderCaption("E:\\dir\\", "BrivonaJuniper"), "E:\\dir\\\\BrivonaJuniper");
}

TEST(ShortcutFileName, LnkAppendedWhenTheLastComponentHasNoDot) {
  struct Case {
    Text path, expected;
  } cases[] = {
      {"C:\\Users\\me\\Desktop\\BrivonaJuniper", "C:\\Users\\me\\Desktop\\BrivonaJuniper.lnk"},
      {"C:\\Users\\jo.ann\\Desktop\\BrivonaJuniper",
       "C:\\Users\\jo.ann\\Desktop\\BrivonaJuniper.lnk"},
      {"BrivonaJuniper", "BrivonaJuniper.lnk"},
      {"C:\\Desktop\\App.v2", "C:\\Desktop\\App.v2"},
  };
  for (const Case& c : cases) EXPECT_EQ(ShortcutFileName(c.path), c.expected);
}

TEST(QuotedCommandLine, PathInQuotes) {
  EXPECT_EQ(QuotedCommandLine("D:\\My Apps\\BrivonaJuniper\\BrivonaJuniper.exe"),
            "\"D:\\My Apps\\BrivonaJuniper\\BrivonaJuniper.exe\"");
}

}  // namespace
