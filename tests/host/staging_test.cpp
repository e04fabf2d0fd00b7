#include "app/staging.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// Records each attempted path and answers from a script of results.
struct FakeWrites {
  std::vector<bool> results;
  std::vector<Text> attempts;
  WritePayload Writer() {
    return [this](const Text& path) {
      attempts.push_back(path);
      bool ok = attempts.size() <= results.size() && results[attempts.size() - 1];
      return ok && !path.empty();
    };
  }
};

TEST(StagePayload, TemporaryFolderFirstThenDriveRoot) {
  struct Case {
    std::vector<bool> results;
    Text expected;
    size_t attempts;
  } cases[] = {
      {{true}, "C:\\temp\\\\tool.zip", 1},
      {{false, true}, "D:\\tool.zip", 2},
      {{false, false}, "", 2},
  };
  for (const Case& c : cases) {
    FakeWrites writes{c.results, {}};
    EXPECT_EQ(StagePayload("C:\\temp\\", "D:\\Brivona软件\\BrivonaJuniper", writes.Writer()),
              c.expected);
    EXPECT_EQ(writes.attempts.size(), c.attempts);
    EXPECT_EQ(writes.attempts[0], "C:\\temp\\\\tool.zip");
    if (c.attempts > 1) {
      EXPECT_EQ(writes.attempts[1], "D:\\tool.zip");
    }
  }
}

TEST(StagingPaths, Forms) {
  EXPECT_EQ(TempStagingPath(""), "\\tool.zip");  // no temporary folder: the current drive's root
  EXPECT_EQ(DriveStagingPath("C:\\Brivona软件\\BrivonaJuniper"), "C:\\tool.zip");
  EXPECT_EQ(DriveStagingPath("E:\\My Apps\\BrivonaJuniper"), "E:\\tool.zip");
  EXPECT_EQ(DriveStagingPath(""), ":\\tool.zip");
  // Only the first byte of a two-byte character is taken.
  EXPECT_EQ(DriveStagingPath("软件"), "\xC8:\\tool.zip");
}

}  // namespace
