// ExtractArchive's delivery of each report as the control's ExtractProgress
// event: the notice it fills, a handler's false that stops, and reports
// dropped once the control's window is gone.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "extract/event_notice.h"
#include "extract/zip_control.h"
#include "tests/host/zip_fixtures/zip_builder.h"
#include "tests/windows/extract_support/win_temp_folder.h"

namespace {

enum class Handler {
  kNoneBound,       // the dispatch finds no handler
  kReturnsNothing,  // a handler with no return value, like the installer's
  kReturnsTrue,
  kReturnsFalse,      // false on its first call, nothing after
  kDestroysAndFalse,  // closes the control's window, then returns false
};

struct Dispatch {
  Handler handler = Handler::kReturnsNothing;
  HWND window = nullptr;
  std::vector<EventNotice> notices;
};

Dispatch dispatch;

}  // namespace

int32_t RaiseControlEvent(EventNotice& notice) {
  dispatch.notices.push_back(notice);
  switch (dispatch.handler) {
    case Handler::kNoneBound:
      notice.hasReturnValue = 1;  // must be ignored when 0 is returned
      return 0;
    case Handler::kReturnsNothing:
      return 1;
    case Handler::kReturnsTrue:
      notice.hasReturnValue = 1;
      notice.returnValue = 1;
      return 1;
    case Handler::kReturnsFalse:
      if (dispatch.notices.size() == 1) notice.hasReturnValue = 1;
      return 1;
    case Handler::kDestroysAndFalse:
      DestroyWindow(dispatch.window);
      notice.hasReturnValue = 1;
      return 1;
  }
  return 0;
}

namespace {

using namespace zip_fixtures;
using Percents = std::vector<int32_t>;

class ExtractSinkTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dispatch = Dispatch();
    // A message-only window: ctest may run without a display.
    dispatch.window = CreateWindowExA(0, "STATIC", "", 0, 0, 0, 1, 1, HWND_MESSAGE, nullptr,
                                      GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(dispatch.window, nullptr);
    control_.window = dispatch.window;
    WriteBytes(archive_, BuildZip(entries_).bytes);
  }
  void TearDown() override {
    if (IsWindow(dispatch.window)) DestroyWindow(dispatch.window);
  }
  int32_t Extract() { return ExtractArchive(control_, archive_, destination_); }
  Percents Seen() const {
    Percents percents;
    for (const EventNotice& notice : dispatch.notices) percents.push_back(notice.argValues[0]);
    return percents;
  }
  bool Extracted(const std::string& name) const {
    return GetFileAttributesA((destination_ + "\\" + name).c_str()) != INVALID_FILE_ATTRIBUTES;
  }

  TempFolder folder_;
  std::string archive_ = folder_ / "tool.zip";
  std::string destination_ = folder_ / "Brivona软件\\BrivonaJuniper";
  std::vector<EntrySpec> entries_ = TenEntriesWithFolder();
  ZipControl control_{nullptr, 7, 42};
};

const Percents kTenEntries = {0, 10, 20, 30, 40, 50, 60, 70, 80, 90, 100};

TEST_F(ExtractSinkTest, EachReportIsEventOneWithThePercentage) {
  EXPECT_EQ(Extract(), 1);
  EXPECT_EQ(Seen(), kTenEntries);
  for (const EventNotice& notice : dispatch.notices) {
    EXPECT_EQ(notice.formId, 7u);
    EXPECT_EQ(notice.controlId, 42u);
    EXPECT_EQ(notice.eventIndex, 1);
    EXPECT_EQ(notice.argCount, 1);
  }
}

TEST_F(ExtractSinkTest, MissingArchiveGivesOneEventOfZero) {
  EXPECT_EQ(ExtractArchive(control_, folder_ / "absent.zip", destination_), -1);
  EXPECT_EQ(Seen(), Percents{0});
}

TEST_F(ExtractSinkTest, FailedEntryEndsWithTheShareCompleted) {
  entries_[3].corruptCrc = true;
  WriteBytes(archive_, BuildZip(entries_).bytes);
  EXPECT_EQ(Extract(), 0);
  EXPECT_EQ(Seen(), (Percents{0, 10, 20, 30}));
}

TEST_F(ExtractSinkTest, FalseFromTheHandlerStopsAfterThatEntry) {
  dispatch.handler = Handler::kReturnsFalse;
  EXPECT_EQ(Extract(), 1);
  EXPECT_EQ(Seen(), Percents{0});
  EXPECT_TRUE(Extracted("file0.bin"));
  EXPECT_FALSE(Extracted("file1.bin"));
}

TEST_F(ExtractSinkTest, TrueOrNoHandlerChangesNothing) {
  for (Handler handler : {Handler::kReturnsTrue, Handler::kNoneBound}) {
    dispatch.notices.clear();
    dispatch.handler = handler;
    EXPECT_EQ(Extract(), 1);
    EXPECT_EQ(Seen(), kTenEntries);
  }
}

TEST_F(ExtractSinkTest, ReportsAreDroppedOnceTheWindowIsGone) {
  DestroyWindow(dispatch.window);
  EXPECT_EQ(Extract(), 1);
  EXPECT_TRUE(dispatch.notices.empty());
  EXPECT_TRUE(Extracted("file9.bin"));
}

TEST_F(ExtractSinkTest, FalseFromAHandlerThatClosedTheWindowDoesNotStop) {
  dispatch.handler = Handler::kDestroysAndFalse;
  EXPECT_EQ(Extract(), 1);
  EXPECT_EQ(Seen(), Percents{0});
  EXPECT_TRUE(Extracted("file9.bin"));
}

}  // namespace
