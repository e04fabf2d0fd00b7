// The window toolkit's arithmetic and the picture button's state machine.
#include "app/window/window_rules.h"

#include <gtest/gtest.h>

#include "app/window/button_rules.h"

namespace {

TEST(CentredPlace, HalvesTruncateAlsoForOddAndNegativeRemainders) {
  struct Case {
    int screenWidth, screenHeight, left, top;
  } cases[] = {
      {1024, 768, 387, 184}, {1025, 769, 387, 184},  // 775 / 2 and 369 / 2 truncate
      {251, 401, 0, 0},      {249, 399, 0, 0},       // -1 / 2 truncates toward zero
      {100, 100, -75, -150},
  };
  for (const Case& c : cases) {
    ScreenPlace place = CentredPlace(c.screenWidth, c.screenHeight, 250, 400);
    EXPECT_EQ(place.left, c.left) << c.screenWidth;
    EXPECT_EQ(place.top, c.top) << c.screenHeight;
  }
}

TEST(LimitFormGeometry, PlaceAndSizeStopAt32627) {
  struct Case {
    FormGeometry requested, expected;
  } cases[] = {
      {{387, 300, 250, 400}, {387, 300, 250, 400}},
      {{32627, -32627, 32627, 0}, {32627, -32627, 32627, 0}},
      {{32628, -32628, 32628, -1}, {32627, -32627, 32627, 0}},
      {{-40000, 40000, -5, 32767}, {-32627, 32627, 0, 32627}},
  };
  for (const Case& c : cases) {
    FormGeometry limited = LimitFormGeometry(c.requested);
    EXPECT_EQ(limited.left, c.expected.left);
    EXPECT_EQ(limited.top, c.expected.top);
    EXPECT_EQ(limited.width, c.expected.width);
    EXPECT_EQ(limited.height, c.expected.height);
  }
}

TEST(ProgressRules, StoredPositionIsLimitedTo0Through32767) {
  EXPECT_EQ(StoredProgressPosition(-1), 0);
  EXPECT_EQ(StoredProgressPosition(0), 0);
  EXPECT_EQ(StoredProgressPosition(150), 150);
  EXPECT_EQ(StoredProgressPosition(32767), 32767);
  EXPECT_EQ(StoredProgressPosition(32768), 32767);
  EXPECT_EQ(StoredProgressPosition(INT32_MIN), 0);
}

TEST(ProgressRules, ShownPositionIsLimitedToTheRange) {
  ProgressRange range = ProgressRangeOf(0, 100);
  EXPECT_EQ(ShownProgressPosition(150, range), 100);
  EXPECT_EQ(ShownProgressPosition(0, range), 0);
  EXPECT_EQ(ShownProgressPosition(37, range), 37);
  // Minimum and maximum are taken in order whichever is larger.
  ProgressRange reversed = ProgressRangeOf(100, 20);
  EXPECT_EQ(reversed.low, 20);
  EXPECT_EQ(reversed.high, 100);
  EXPECT_EQ(ShownProgressPosition(5, reversed), 20);
}

TEST(PlacePicture, NaturalAndStretched) {
  PictureRect natural = PlacePicture(DisplayMode::Natural, 250, 255, 250, 256);
  EXPECT_EQ(natural.x, 0);
  EXPECT_EQ(natural.y, 0);
  EXPECT_EQ(natural.width, 250);
  EXPECT_EQ(natural.height, 256);  // the box cuts off the last row
  PictureRect stretched = PlacePicture(DisplayMode::Stretched, 211, 211, 424, 534);
  EXPECT_EQ(stretched.x, 0);
  EXPECT_EQ(stretched.y, 0);
  EXPECT_EQ(stretched.width, 211);
  EXPECT_EQ(stretched.height, 211);
}

TEST(PlacePicture, CentredFitsAtItsSizeOrShrinksByTheSmallerRatio) {
  struct Case {
    int boxWidth, boxHeight, pictureWidth, pictureHeight;
    PictureRect expected;
  } cases[] = {
      {600, 300, 220, 80, {190, 110, 220, 80}},
      {601, 301, 220, 80, {190, 110, 220, 80}},  // odd margins halve down
      {600, 300, 600, 300, {0, 0, 600, 300}},
      {248, 398, 424, 534, {0, 43, 248, 312}},   // width ratio smaller: 534 * 248 / 424 = 312.3
      {600, 300, 400, 900, {233, 0, 133, 300}},  // height ratio smaller: 400 / 3 = 133.3
      {100, 100, 300, 300, {0, 0, 100, 100}},    // equal ratios
  };
  for (const Case& c : cases) {
    PictureRect rect = PlacePicture(DisplayMode::Centred, c.boxWidth, c.boxHeight, c.pictureWidth,
                                    c.pictureHeight);
    SCOPED_TRACE(testing::Message() << c.boxWidth << "x" << c.boxHeight << " " << c.pictureWidth
                                    << "x" << c.pictureHeight);
    EXPECT_EQ(rect.x, c.expected.x);
    EXPECT_EQ(rect.y, c.expected.y);
    EXPECT_EQ(rect.width, c.expected.width);
    EXPECT_EQ(rect.height, c.expected.height);
  }
}

// Replays a run of mouse events through the state machine.
struct ButtonRun {
  ButtonState state = ButtonState::Normal;
  bool holdsMouse = false;
  int clicks = 0;
  bool enabled = true;

  void Apply(const ButtonStep& step) {
    state = step.state;
    if (step.capture == CaptureAction::Take) holdsMouse = true;
    if (step.capture == CaptureAction::Release) holdsMouse = false;
    if (step.clicked) ++clicks;
  }
  void Press() { Apply(ButtonPressed(state, enabled)); }
  void Move(bool over, bool leftDown) { Apply(ButtonMoved(state, enabled, over, leftDown)); }
  void Release(bool inside) { Apply(ButtonReleased(state, enabled, inside)); }
};

TEST(PictureButtonStates, HoverPressAndReleaseInsideClicksOnce) {
  ButtonRun button;
  button.Move(true, false);
  EXPECT_EQ(button.state, ButtonState::Hot);
  EXPECT_TRUE(button.holdsMouse);  // to learn when the pointer leaves
  button.Press();
  EXPECT_EQ(button.state, ButtonState::Pressed);
  button.Release(true);
  EXPECT_EQ(button.state, ButtonState::Normal);
  EXPECT_FALSE(button.holdsMouse);
  EXPECT_EQ(button.clicks, 1);
  button.Move(true, false);
  EXPECT_EQ(button.state, ButtonState::Hot);
}

TEST(PictureButtonStates, LeavingWhilePressedKeepsTheMouseAndReleasingOutsideDoesNotClick) {
  ButtonRun button;
  button.Press();
  button.Move(false, true);
  EXPECT_EQ(button.state, ButtonState::Normal);
  EXPECT_TRUE(button.holdsMouse);  // the left button is still down
  button.Move(true, true);
  EXPECT_EQ(button.state, ButtonState::Pressed);
  button.Move(false, true);
  button.Release(false);
  EXPECT_FALSE(button.holdsMouse);
  EXPECT_EQ(button.clicks, 0);
}

TEST(PictureButtonStates, LeavingWithoutPressingLetsTheMouseGo) {
  ButtonRun button;
  button.Move(true, false);
  button.Move(false, false);
  EXPECT_EQ(button.state, ButtonState::Normal);
  EXPECT_FALSE(button.holdsMouse);
}

TEST(PictureButtonStates, ReleaseInsideClicksWhereverThePressBegan) {
  ButtonRun button;  // the press happened on another control
  button.Release(true);
  EXPECT_EQ(button.clicks, 1);
}

TEST(PictureButtonStates, DisabledButtonNeitherChangesNorClicks) {
  ButtonRun button;
  button.enabled = false;
  button.Move(true, false);
  button.Press();
  button.Release(true);
  EXPECT_EQ(button.state, ButtonState::Normal);
  EXPECT_FALSE(button.holdsMouse);
  EXPECT_EQ(button.clicks, 0);
}

TEST(PictureButtonPictures, MissingPicturesFallBackToTheNormalOneOrToNone) {
  constexpr int kNone = -1;
  constexpr int kNormal = static_cast<int>(PictureSlot::Normal);
  constexpr int kHot = static_cast<int>(PictureSlot::Hot);
  constexpr int kPressed = static_cast<int>(PictureSlot::Pressed);
  constexpr int kDisabled = static_cast<int>(PictureSlot::Disabled);
  const bool installButton[kPictureSlotCount] = {true, true, false, false};
  const bool closeButton[kPictureSlotCount] = {true, true, true, false};
  const bool onlyHot[kPictureSlotCount] = {false, true, false, false};
  const bool none[kPictureSlotCount] = {false, false, false, false};

  EXPECT_EQ(ShownPictureSlot(ButtonState::Normal, true, installButton), kNormal);
  EXPECT_EQ(ShownPictureSlot(ButtonState::Hot, true, installButton), kHot);
  EXPECT_EQ(ShownPictureSlot(ButtonState::Pressed, true, installButton), kNormal);
  EXPECT_EQ(ShownPictureSlot(ButtonState::Pressed, true, closeButton), kPressed);
  EXPECT_EQ(ShownPictureSlot(ButtonState::Hot, false, closeButton), kNormal);
  const bool withDisabled[kPictureSlotCount] = {true, false, false, true};
  EXPECT_EQ(ShownPictureSlot(ButtonState::Normal, false, withDisabled), kDisabled);
  EXPECT_EQ(ShownPictureSlot(ButtonState::Normal, true, onlyHot), kNone);
  EXPECT_EQ(ShownPictureSlot(ButtonState::Hot, true, onlyHot), kHot);
  EXPECT_EQ(ShownPictureSlot(ButtonState::Hot, true, none), kNone);
}

TEST(PictureButtonPictures, NewPictureRepaintsWhenItMayBeOnShow) {
  EXPECT_TRUE(NewPictureNeedsRepaint(PictureSlot::Normal, ButtonState::Normal, true));
  EXPECT_TRUE(NewPictureNeedsRepaint(PictureSlot::Normal, ButtonState::Hot, true));
  EXPECT_TRUE(NewPictureNeedsRepaint(PictureSlot::Hot, ButtonState::Hot, true));
  EXPECT_FALSE(NewPictureNeedsRepaint(PictureSlot::Hot, ButtonState::Normal, true));
  EXPECT_FALSE(NewPictureNeedsRepaint(PictureSlot::Hot, ButtonState::Pressed, true));
}

}  // namespace
