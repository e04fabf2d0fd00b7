// The install button driven by real mouse input: which picture it shows in
// each state (read back from the window's pixels), when it holds the mouse,
// when it raises its clicked event, and new pictures written while it runs.
#include <vector>

#include "platform/resources.h"
#include "tests/windows/toolkit/installer_window_fixture.h"

namespace {

// Compares the button's pixels at a grid of points with decoded pictures.
class ButtonPictures {
 public:
  ButtonPictures()
      : install_(RES_INSTALL_PICTURE),
        hot_(RES_INSTALL_HOT_PICTURE),
        finished_(RES_FINISHED_PICTURE) {}

  bool valid() const { return install_.valid() && hot_.valid() && finished_.valid(); }
  const DecodedPicture& install() const { return install_; }
  const DecodedPicture& hot() const { return hot_; }
  const DecodedPicture& finished() const { return finished_; }

  // Whether every grid point of the button shows that picture's pixel.
  static bool Shows(HWND button, const DecodedPicture& picture) {
    WindowCapture shown = CaptureWindow(button);
    for (int y = 4; y < 80; y += 12) {
      for (int x = 4; x < 220; x += 18) {
        if (ColourDistance(shown.At(x, y), picture.At(x, y)) > 8) return false;
      }
    }
    return true;
  }

  static bool ShowsOnlyBlack(HWND button) {
    WindowCapture shown = CaptureWindow(button);
    for (int y = 0; y < shown.height(); y += 5) {
      for (int x = 0; x < shown.width(); x += 5) {
        if (shown.At(x, y) != RGB(0, 0, 0)) return false;
      }
    }
    return true;
  }

 private:
  DecodedPicture install_;
  DecodedPicture hot_;
  DecodedPicture finished_;
};

class InstallButtonTest : public InstallerWindowTest {
 protected:
  void SetUp() override {
    InstallerWindowTest::SetUp();
    ASSERT_TRUE(pictures.valid());
    button = Control(kInstallButtonId);
    MouseMoveTo(OnPage());
    // The pictures must differ where the test looks, or it would prove nothing.
    ASSERT_FALSE(Shows(pictures.hot()));
  }

  void TearDown() override {
    MouseLeftUp();
    InstallerWindowTest::TearDown();
  }

  POINT OnButton() const { return ScreenPointOf(button, 110, 40); }
  POINT OnPage() const { return ScreenPointOf(form, 125, 251); }  // between logo and button
  POINT OnLogo() const { return ScreenPointOf(Control(kLogoBoxId), 100, 100); }

  bool Shows(const DecodedPicture& picture) const { return ButtonPictures::Shows(button, picture); }

  ButtonPictures pictures;
  HWND button = nullptr;
};

TEST_F(InstallButtonTest, HoverShowsTheHotPictureAndLeavingTheNormalOne) {
  EXPECT_TRUE(Shows(pictures.install()));
  MouseMoveTo(OnButton());
  EXPECT_TRUE(Shows(pictures.hot()));
  EXPECT_EQ(GetCapture(), button);  // it holds the mouse to see the pointer leave
  MouseMoveTo(OnPage());
  EXPECT_TRUE(Shows(pictures.install()));
  EXPECT_EQ(GetCapture(), nullptr);
  EXPECT_EQ(recorded.installClicked.count, 0);
}

TEST_F(InstallButtonTest, PressShowsTheNormalPictureAndReleaseInsideClicksOnce) {
  MouseMoveTo(OnButton());
  MouseLeftDown();
  EXPECT_TRUE(Shows(pictures.install()));  // no pressed picture: the normal one
  EXPECT_EQ(GetCapture(), button);
  EXPECT_EQ(recorded.installClicked.count, 0);
  MouseLeftUp();
  EXPECT_EQ(recorded.installClicked.count, 1);
  EXPECT_EQ(recorded.installClicked.threadId, GetCurrentThreadId());
  MouseMoveTo(OnPage());
  EXPECT_EQ(GetCapture(), nullptr);
  EXPECT_EQ(recorded.installClicked.count, 1);
}

TEST_F(InstallButtonTest, MovingOffWhileHeldShowsNormalAndReleasingThereRaisesNoClick) {
  MouseMoveTo(OnButton());
  MouseLeftDown();
  MouseMoveTo(OnPage());
  EXPECT_TRUE(Shows(pictures.install()));
  EXPECT_EQ(GetCapture(), button);  // the left button is still down
  MouseLeftUp();
  EXPECT_EQ(recorded.installClicked.count, 0);
  EXPECT_EQ(GetCapture(), nullptr);
}

TEST_F(InstallButtonTest, PressOnTheLogoReleasedOverTheButtonClicks) {
  MouseMoveTo(OnLogo());
  MouseLeftDown();
  MouseMoveTo(OnButton());
  MouseLeftUp();
  EXPECT_EQ(recorded.installClicked.count, 1);
}

TEST_F(InstallButtonTest, NewNormalPictureShowsAtOnceAndHotFollowsWhenSet) {
  ResourceBytes finished = LoadResourceBytes(RES_FINISHED_PICTURE);
  SetButtonPicture(kInstallerFormId, kInstallButtonId, PictureSlot::Normal, finished.data,
                   finished.size);
  EXPECT_TRUE(Shows(pictures.finished()));  // read back before any message is pumped
  MouseMoveTo(OnButton());
  EXPECT_TRUE(Shows(pictures.hot()));
  SetButtonPicture(kInstallerFormId, kInstallButtonId, PictureSlot::Hot, finished.data,
                   finished.size);
  EXPECT_TRUE(Shows(pictures.finished()));  // the hot picture changed while hot
  MouseLeftDown();
  EXPECT_TRUE(Shows(pictures.finished()));
  MouseLeftUp();
  EXPECT_EQ(recorded.installClicked.count, 1);
}

TEST_F(InstallButtonTest, PictureFromAWorkerIsDecodedAndShown) {
  ResourceBytes finished = LoadResourceBytes(RES_FINISHED_PICTURE);
  TestThread worker([&] {
    SetButtonPicture(kInstallerFormId, kInstallButtonId, PictureSlot::Normal, finished.data,
                     finished.size);
  });
  ASSERT_TRUE(worker.Wait());
  EXPECT_TRUE(Shows(pictures.finished()));
}

TEST_F(InstallButtonTest, UndecodablePictureCountsAsMissing) {
  const char notAPicture[] = "these bytes are no JPEG";
  SetButtonPicture(kInstallerFormId, kInstallButtonId, PictureSlot::Hot, notAPicture,
                   sizeof notAPicture);
  MouseMoveTo(OnButton());
  EXPECT_TRUE(Shows(pictures.install()));  // the hot state falls back to normal
  SetButtonPicture(kInstallerFormId, kInstallButtonId, PictureSlot::Normal, notAPicture,
                   sizeof notAPicture);
  EXPECT_TRUE(ButtonPictures::ShowsOnlyBlack(button));  // nothing left but the fill
}

}  // namespace
