// The settings the installer's steps use, from the window thread and from a
// worker thread: a worker's setting is carried out by the window thread while
// the worker waits, also inside a message box; unknown controls are fatal.
#include <atomic>
#include <string>

#include "tests/windows/toolkit/installer_window_fixture.h"

#include <commctrl.h>  // after windows.h, whose types it needs

namespace {

LRESULT ProgressPosition(HWND bar) { return SendMessageA(bar, PBM_GETPOS, 0, 0); }

TEST_F(InstallerWindowTest, WorkerSettingsWaitForTheWindowThread) {
  std::atomic<bool> done{false};
  std::string folder;
  int32_t maximum = 0;
  TestThread worker([&] {
    SetControlCaption(kInstallerFormId, kLogLabelId, "2.开始解压..");
    folder = GetControlCaption(kInstallerFormId, kFolderLabelId);
    SetControlVisible(kInstallerFormId, kProgressBarId, true);
    SetProgressPosition(kInstallerFormId, kProgressBarId, 40);
    maximum = GetProgressMaximum(kInstallerFormId, kProgressBarId);
    done = true;
  });
  // While the window thread takes no messages, the worker's first setting
  // cannot be carried out.
  Sleep(300);
  EXPECT_FALSE(done);
  EXPECT_EQ(GetControlCaption(kInstallerFormId, kLogLabelId), "");

  ASSERT_TRUE(worker.Wait());
  EXPECT_TRUE(done);
  EXPECT_EQ(folder, "D:\\BrivonaLarch");
  EXPECT_EQ(maximum, 100);
  EXPECT_EQ(GetControlCaption(kInstallerFormId, kLogLabelId), "2.开始解压..");
  EXPECT_TRUE(IsWindowVisible(Control(kProgressBarId)));
  EXPECT_EQ(ProgressPosition(Control(kProgressBarId)), 40);
}

TEST_F(InstallerWindowTest, CaptionReadByAWorkerIsAlwaysAWholeText) {
  const std::string oldText(300, 'a');
  const std::string newText = "C:\\Brivona软件\\" + std::string(200, 'b');
  SetControlCaption(kInstallerFormId, kFolderLabelId, oldText);
  std::atomic<int> reads{0};
  std::atomic<int> torn{0};
  TestThread worker([&] {
    for (int i = 0; i < 300; ++i) {
      std::string seen = GetControlCaption(kInstallerFormId, kFolderLabelId);
      if (seen != oldText && seen != newText) ++torn;
      ++reads;
    }
  });
  // The window thread keeps replacing the caption between its turns.
  for (int turn = 0; !worker.Ended(); ++turn) {
    SetControlCaption(kInstallerFormId, kFolderLabelId, turn % 2 ? newText : oldText);
    PumpWaiting();
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 1, QS_ALLINPUT);
  }
  EXPECT_EQ(reads, 300);
  EXPECT_EQ(torn, 0);
}

TEST_F(InstallerWindowTest, WorkerSettingsAreServedWhileAMessageBoxIsOpen) {
  constexpr char kTitle[] = "toolkit-settings-test";
  std::string seen;
  TestThread worker([&] {
    HWND box = nullptr;
    for (int i = 0; i < 500 && !box; ++i, Sleep(10)) box = FindWindowA("#32770", kTitle);
    SetControlCaption(kInstallerFormId, kLogLabelId, "1.释放压缩包..");
    seen = GetControlCaption(kInstallerFormId, kLogLabelId);
    // Dismiss the box whether or not it was found in time.
    for (int i = 0; i < 500 && !box; ++i, Sleep(10)) box = FindWindowA("#32770", kTitle);
    PostMessageA(box, WM_COMMAND, IDOK, 0);
  });
  MessageBoxA(nullptr, "waiting", kTitle, MB_OK | MB_TASKMODAL);
  EXPECT_TRUE(worker.Wait());
  EXPECT_EQ(seen, "1.释放压缩包..");
}

TEST_F(InstallerWindowTest, ProgressPositionIsStoredLimitedAndShownWithinTheRange) {
  HWND bar = Control(kProgressBarId);
  SetControlVisible(kInstallerFormId, kProgressBarId, true);
  struct Case {
    int32_t written;
    LRESULT shown;
  } cases[] = {{37, 37}, {150, 100}, {100, 100}, {-5, 0}, {40000, 100}, {0, 0}};
  for (const Case& c : cases) {
    SetProgressPosition(kInstallerFormId, kProgressBarId, c.written);
    EXPECT_EQ(ProgressPosition(bar), c.shown) << c.written;
  }
  EXPECT_EQ(GetProgressMaximum(kInstallerFormId, kProgressBarId), 100);
}

TEST_F(InstallerWindowTest, VisibilityChangesAtOnce) {
  SetControlVisible(kInstallerFormId, kProgressBarId, true);
  EXPECT_TRUE(IsWindowVisible(Control(kProgressBarId)));
  SetControlVisible(kInstallerFormId, kProgressBarId, false);
  EXPECT_FALSE(IsWindowVisible(Control(kProgressBarId)));
}

TEST_F(InstallerWindowTest, GeometryKeepsTheLeftEdgeAndIsLimited) {
  RECT before{};
  GetWindowRect(form, &before);
  SetFormGeometry(kInstallerFormId, 250, 400, 300);
  RECT after{};
  GetWindowRect(form, &after);
  EXPECT_EQ(after.left, before.left);
  EXPECT_EQ(after.top, 300);
  EXPECT_EQ(after.right - after.left, 250);
  EXPECT_EQ(after.bottom - after.top, 400);

  SetFormGeometry(kInstallerFormId, -20, 400, -40000);
  GetWindowRect(form, &after);
  EXPECT_EQ(after.top, -32627);
  EXPECT_EQ(after.right - after.left, 0);
}

TEST_F(InstallerWindowTest, CaptionKeepsEveryAmpersand) {
  SetControlCaption(kInstallerFormId, kFolderLabelId, "D:\\A&B&&C");
  EXPECT_EQ(GetControlCaption(kInstallerFormId, kFolderLabelId), "D:\\A&B&&C");
}

TEST_F(InstallerWindowTest, ZipControlIsTheHiddenChildOfTheLogo) {
  ZipControl zip = GetZipControl(kInstallerFormId, kZipControlId);
  auto window = static_cast<HWND>(zip.window);
  EXPECT_EQ(window, Control(kZipControlId));
  EXPECT_EQ(GetParent(window), Control(kLogoBoxId));
  EXPECT_FALSE(IsWindowVisible(window));
  EXPECT_EQ(zip.formId, kInstallerFormId);
  EXPECT_EQ(zip.controlId, kZipControlId);
}

TEST_F(InstallerWindowTest, UnknownControlOrFormIsAFatalError) {
  EXPECT_THROW(SetControlCaption(kInstallerFormId, 0x16019999, "x"), FatalErrorReported);
  EXPECT_THROW(GetControlCaption(0x52019999, kLogLabelId), FatalErrorReported);
  EXPECT_THROW(SetFormGeometry(0x52019999, 250, 400, 300), FatalErrorReported);
  // A setting of one kind on a control of another is no such control either.
  EXPECT_THROW(SetProgressPosition(kInstallerFormId, kLogLabelId, 5), FatalErrorReported);

  std::atomic<bool> reportedOnWorker{false};
  TestThread worker([&] {
    try {
      SetControlVisible(kInstallerFormId, 0x16019999, true);
    } catch (const FatalErrorReported&) {
      reportedOnWorker = true;
    }
  });
  EXPECT_TRUE(worker.Wait());
  EXPECT_TRUE(reportedOnWorker);

  // A control whose window is gone counts as missing.
  DestroyWindow(Control(kLogLabelId));
  EXPECT_THROW(GetControlCaption(kInstallerFormId, kLogLabelId), FatalErrorReported);
}

TEST_F(InstallerWindowTest, MissingControlIsNoFaultOnceTheEndHasBegun) {
  endBegun = true;
  EXPECT_NO_THROW(SetControlCaption(kInstallerFormId, 0x16019999, "x"));
  EXPECT_EQ(GetControlCaption(0x52019999, kLogLabelId), "");
}

}  // namespace
