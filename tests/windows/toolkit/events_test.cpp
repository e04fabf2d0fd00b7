// Event dispatch: RaiseControlEvent's rules on a form of the test's own, the
// installer's bindings, the labels' mouse events under real input, the hand
// pointer, closing by the system, and the shutdown steps.
#include <atomic>
#include <iterator>

#include "app/window/form_definition.h"
#include "extract/event_notice.h"
#include "tests/windows/toolkit/installer_window_fixture.h"

namespace {

constexpr uint32_t kTestFormId = 0x52017777;
constexpr uint32_t kTestWindowId = 0x06017777;
constexpr uint32_t kTestZipId = 0x16017701;
constexpr uint32_t kTestLabelId = 0x16017702;
constexpr int32_t kUnboundEvent = 9;

struct InvokerCalls {
  int count = 0;
  int32_t argCount = -1;
  int32_t args[5] = {};
  DWORD threadId = 0;
};
InvokerCalls returning;
InvokerCalls silent;
int32_t valueToReturn = 0;

void Note(InvokerCalls& calls, const int32_t* args, int32_t argCount) {
  ++calls.count;
  calls.argCount = argCount;
  for (int32_t i = 0; i < argCount; ++i) calls.args[i] = args[i];
  calls.threadId = GetCurrentThreadId();
}

bool ReturnsAValue(const int32_t* args, int32_t argCount, int32_t* returnValue) {
  Note(returning, args, argCount);
  *returnValue = valueToReturn;
  return true;
}

bool ReturnsNothing(const int32_t* args, int32_t argCount, int32_t*) {
  Note(silent, args, argCount);
  return false;
}

const ControlDefinition kTestControls[] = {
    {.id = kTestZipId,
     .name = "ZIP",
     .kind = ControlKind::ZipControl,
     .parentId = kTestWindowId,
     .width = 27,
     .height = 27,
     .visible = false},
    {.id = kTestLabelId,
     .name = "label",
     .kind = ControlKind::Label,
     .parentId = kTestWindowId,
     .width = 50,
     .height = 20},
};
const EventBinding kTestEvents[] = {
    {kTestZipId, kEventExtractProgress, ReturnsAValue},
    {kTestLabelId, kEventClicked, ReturnsNothing},
};
const FormDefinition kTestForm{
    .formId = kTestFormId,
    .window = {.id = kTestWindowId,
               .name = "TestForm",
               .text = "test form",
               .x = 0,
               .y = 0,
               .centredOnScreen = false,
               .width = 100,
               .height = 60},
    .controls = kTestControls,
    .controlCount = std::size(kTestControls),
    .events = kTestEvents,
    .eventCount = std::size(kTestEvents),
};

EventNotice Notice(uint32_t formId, uint32_t controlId, int32_t eventIndex,
                   std::initializer_list<int32_t> args = {}) {
  EventNotice notice;
  notice.formId = formId;
  notice.controlId = controlId;
  notice.eventIndex = eventIndex;
  for (int32_t value : args) notice.argValues[notice.argCount++] = value;
  return notice;
}

class RaiseControlEventTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetRecorded();
    returning = silent = InvokerCalls();
    valueToReturn = 0;
    ASSERT_TRUE(InitControlKinds());
    ASSERT_TRUE(LoadForm(kTestForm));
  }
  void TearDown() override {
    DestroyWindow(GetFormWindow(kTestFormId));
    PumpWaiting();
    TakeQuitMessage(nullptr);
  }
};

TEST_F(RaiseControlEventTest, HandlerGetsTheArgumentsAndItsValueIsReturned) {
  valueToReturn = 0;
  EventNotice notice = Notice(kTestFormId, kTestZipId, kEventExtractProgress, {40, 7, -3});
  notice.argCount = 2;  // only the first argCount values travel
  EXPECT_NE(RaiseControlEvent(notice), 0);
  EXPECT_EQ(returning.count, 1);
  EXPECT_EQ(returning.argCount, 2);
  EXPECT_EQ(returning.args[0], 40);
  EXPECT_EQ(returning.args[1], 7);
  EXPECT_EQ(notice.hasReturnValue, 1);
  EXPECT_EQ(notice.returnValue, 0);

  valueToReturn = 1;
  notice = Notice(kTestFormId, kTestZipId, kEventExtractProgress, {50});
  EXPECT_NE(RaiseControlEvent(notice), 0);
  EXPECT_EQ(notice.hasReturnValue, 1);
  EXPECT_EQ(notice.returnValue, 1);
}

TEST_F(RaiseControlEventTest, HandlerWithoutValueLeavesTheNoticeAlone) {
  EventNotice notice = Notice(kTestFormId, kTestLabelId, kEventClicked);
  EXPECT_NE(RaiseControlEvent(notice), 0);
  EXPECT_EQ(silent.count, 1);
  EXPECT_EQ(silent.argCount, 0);
  EXPECT_EQ(notice.hasReturnValue, 0);
  EXPECT_EQ(notice.returnValue, 0);
}

TEST_F(RaiseControlEventTest, NothingBoundMeansZeroAndNoCall) {
  EventNotice cases[] = {
      Notice(kTestFormId, kTestZipId, kUnboundEvent),
      Notice(kTestFormId, kTestLabelId, kEventExtractProgress),
      Notice(kTestFormId, 0x16019999, kEventExtractProgress),
      Notice(0x52019999, kTestZipId, kEventExtractProgress),
  };
  for (EventNotice& notice : cases) {
    EXPECT_EQ(RaiseControlEvent(notice), 0) << std::hex << notice.controlId;
    EXPECT_EQ(notice.hasReturnValue, 0);
  }
  EXPECT_EQ(returning.count + silent.count, 0);
}

TEST_F(RaiseControlEventTest, NothingIsCalledOnceTheEndHasBegun) {
  endBegun = true;
  EventNotice notice = Notice(kTestFormId, kTestZipId, kEventExtractProgress, {100});
  EXPECT_EQ(RaiseControlEvent(notice), 0);
  EXPECT_EQ(returning.count, 0);
}

TEST_F(RaiseControlEventTest, HandlerRunsOnTheRaisingThread) {
  std::atomic<int32_t> result{0};
  DWORD workerId = 0;
  TestThread worker([&] {
    workerId = GetCurrentThreadId();
    EventNotice notice = Notice(kTestFormId, kTestZipId, kEventExtractProgress, {10});
    result = RaiseControlEvent(notice);
  });
  // The window thread does not pump: the handler must not need it.
  for (int i = 0; i < 300 && !worker.Ended(); ++i) Sleep(10);
  EXPECT_TRUE(worker.Ended());
  EXPECT_NE(result, 0);
  EXPECT_EQ(returning.threadId, workerId);
}

TEST_F(RaiseControlEventTest, ClosedFormRaisesNothing) {
  DestroyWindow(GetFormWindow(kTestFormId));
  EventNotice notice = Notice(kTestFormId, kTestZipId, kEventExtractProgress, {10});
  EXPECT_EQ(RaiseControlEvent(notice), 0);
  EXPECT_EQ(returning.count, 0);
}

TEST_F(InstallerWindowTest, ExtractProgressReachesItsHandlerOnTheWorker) {
  ZipControl zip = GetZipControl(kInstallerFormId, kZipControlId);
  std::atomic<int32_t> result{0};
  std::atomic<int32_t> hasReturnValue{-1};
  DWORD workerId = 0;
  TestThread worker([&] {
    workerId = GetCurrentThreadId();
    EventNotice notice = Notice(zip.formId, zip.controlId, kEventExtractProgress, {37});
    result = RaiseControlEvent(notice);
    hasReturnValue = notice.hasReturnValue;
  });
  ASSERT_TRUE(worker.Wait());
  EXPECT_NE(result, 0);
  EXPECT_EQ(hasReturnValue, 0);  // the installer's handler returns no value
  EXPECT_EQ(recorded.extractProgress.count, 1);
  EXPECT_EQ(recorded.extractProgress.args[0], 37);
  EXPECT_EQ(recorded.extractProgress.threadId, workerId);
}

TEST_F(InstallerWindowTest, HiddenCloseButtonIsBound) {
  EventNotice notice = Notice(kInstallerFormId, kHiddenCloseButtonId, kEventClicked);
  EXPECT_NE(RaiseControlEvent(notice), 0);
  EXPECT_EQ(recorded.hiddenCloseClicked.count, 1);
}

class LabelMouseTest : public InstallerWindowTest {
 protected:
  void SetUp() override {
    InstallerWindowTest::SetUp();
    MouseMoveTo(OnPage());
  }
  void TearDown() override {
    MouseLeftUp();
    InstallerWindowTest::TearDown();
  }
  POINT OnPage() const { return ScreenPointOf(form, 125, 20); }
  POINT OnCloseMark() const { return ScreenPointOf(Control(kCloseMarkId), 6, 6); }
  POINT OnFolder() const { return ScreenPointOf(Control(kFolderLabelId), 20, 12); }

  void ClickAt(POINT down, POINT up) {
    MouseMoveTo(down);
    MouseLeftDown();
    MouseMoveTo(up);
    MouseLeftUp();
  }
};

TEST_F(LabelMouseTest, PressOnTheFolderTextRaisesItsEventWithThePosition) {
  ClickAt(OnFolder(), OnFolder());
  EXPECT_EQ(recorded.folderPressed.count, 1);
  EXPECT_EQ(recorded.folderPressed.args[0], 20);
  EXPECT_EQ(recorded.folderPressed.args[1], 12);
  EXPECT_EQ(recorded.folderPressed.threadId, GetCurrentThreadId());
  EXPECT_EQ(recorded.closeMarkReleased.count, 0);
}

TEST_F(LabelMouseTest, CloseMarkReactsToAReleaseOverItOnly) {
  ClickAt(OnCloseMark(), OnPage());  // pressed on the mark, released elsewhere
  EXPECT_EQ(recorded.closeMarkReleased.count, 0);
  EXPECT_EQ(GetCapture(), nullptr);  // the mark does not hold the mouse

  ClickAt(OnPage(), OnCloseMark());  // the release is what counts
  EXPECT_EQ(recorded.closeMarkReleased.count, 1);
  EXPECT_EQ(recorded.closeMarkReleased.args[0], 6);
  EXPECT_EQ(recorded.closeMarkReleased.args[1], 6);

  ClickAt(OnCloseMark(), OnCloseMark());
  EXPECT_EQ(recorded.closeMarkReleased.count, 2);
}

TEST_F(LabelMouseTest, HandPointerOverTheCloseMarkAndTheFolderTextOnly) {
  HCURSOR hand = LoadCursorA(nullptr, IDC_HAND);
  HCURSOR arrow = LoadCursorA(nullptr, IDC_ARROW);
  struct Case {
    POINT where;
    HCURSOR expected;
  } cases[] = {
      {OnFolder(), hand},
      {OnPage(), arrow},
      {OnCloseMark(), hand},
      {ScreenPointOf(Control(0x1601002D), 10, 10), arrow},  // 标签1
      {ScreenPointOf(Control(kInstallButtonId), 10, 10), arrow},
  };
  for (const Case& c : cases) {
    MouseMoveTo(c.where);
    EXPECT_EQ(GetCursor(), c.expected) << c.where.x << "," << c.where.y;
  }
}

TEST_F(LabelMouseTest, DraggingTheBodyAndEscapeChangeNothing) {
  RECT before{};
  GetWindowRect(form, &before);
  POINT start = ScreenPointOf(form, 125, 251);
  ClickAt(start, {start.x + 60, start.y + 40});
  INPUT keys[2] = {};
  keys[0].type = keys[1].type = INPUT_KEYBOARD;
  keys[0].ki.wVk = keys[1].ki.wVk = VK_ESCAPE;
  keys[1].ki.dwFlags = KEYEVENTF_KEYUP;
  SetForegroundWindow(form);
  SendInput(2, keys, sizeof keys[0]);
  PumpFor(150);
  RECT after{};
  GetWindowRect(form, &after);
  EXPECT_TRUE(IsWindow(form));
  EXPECT_TRUE(IsWindowVisible(form));
  EXPECT_TRUE(EqualRect(&before, &after));
}

TEST_F(InstallerWindowTest, CloseRequestDestroysTheWindowAtOnceAndQuitsOnlyAfterTheLoopStarted) {
  PostMessageA(form, WM_CLOSE, 0, 0);
  PumpFor(50);
  EXPECT_FALSE(IsWindow(form));
  EXPECT_FALSE(AnyFormLoaded());
  EXPECT_FALSE(TakeQuitMessage(nullptr));  // the loop had not started

  SetLoopStarted();
  ASSERT_TRUE(LoadForm(InstallerWindowDefinition()));
  form = GetFormWindow(kInstallerFormId);
  EXPECT_TRUE(AnyFormLoaded());
  PostMessageA(form, WM_CLOSE, 0, 0);
  PumpFor(50);
  EXPECT_FALSE(IsWindow(form));
  WPARAM quitValue = 99;
  EXPECT_TRUE(TakeQuitMessage(&quitValue));
  EXPECT_EQ(quitValue, 0u);
}

TEST_F(InstallerWindowTest, ShutdownStepsStopEveryEvent) {
  endBegun = true;
  StopIdleWorkAndReleaseForms();
  EXPECT_FALSE(AnyFormLoaded());
  NotifyControlKindsOfEnd();
  ReleaseToolkitObjects();
  EXPECT_TRUE(IsWindow(form));  // the process ends; windows are not closed one by one

  endBegun = false;  // even without the flag, nothing is dispatched any more
  EventNotice notice = Notice(kInstallerFormId, kHiddenCloseButtonId, kEventClicked);
  EXPECT_EQ(RaiseControlEvent(notice), 0);
  MSG release{};
  release.hwnd = Control(kCloseMarkId);
  release.message = WM_LBUTTONUP;
  release.lParam = MAKELPARAM(3, 3);
  PreTranslateMessage(release);
  EXPECT_EQ(recorded.closeMarkReleased.count, 0);
  EXPECT_EQ(recorded.hiddenCloseClicked.count, 0);
}

}  // namespace

namespace {

const ControlDefinition kOrphanControls[] = {
    {.id = 0x16018801,
     .name = "orphan",
     .kind = ControlKind::Label,
     .parentId = 0x16018899,
     .width = 10,
     .height = 10},
};
const FormDefinition kBrokenForm{
    .formId = 0x52018888,
    .window = {.id = 0x06018888,
               .name = "BrokenForm",
               .text = "broken form",
               .x = 0,
               .y = 0,
               .centredOnScreen = false,
               .width = 50,
               .height = 50},
    .controls = kOrphanControls,
    .controlCount = std::size(kOrphanControls),
    .events = kTestEvents,
    .eventCount = std::size(kTestEvents),
};

TEST(LoadForm, DefinitionThatCannotBeBuiltLoadsNothing) {
  ASSERT_TRUE(InitControlKinds());
  EXPECT_FALSE(LoadForm(kBrokenForm));
  PumpWaiting();
  EXPECT_EQ(FindWindowA(nullptr, "broken form"), nullptr);
  EXPECT_EQ(GetFormWindow(kBrokenForm.formId), nullptr);
  EventNotice notice = Notice(kBrokenForm.formId, kTestZipId, kEventExtractProgress, {1});
  EXPECT_EQ(RaiseControlEvent(notice), 0);
}

}  // namespace
