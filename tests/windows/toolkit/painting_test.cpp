// What page 1 shows, read back from the window's pixels: the page colour and
// frame, the labels' fills and texts, the transparent labels over the page,
// the stretched logo and the folder text's underline and "&" prefixes.
#include <algorithm>
#include <cstdlib>
#include <string>

#include "platform/resources.h"
#include "tests/windows/toolkit/installer_window_fixture.h"

namespace {

const COLORREF kPageColour = RGB(22, 131, 196);

bool IsYellow(COLORREF colour) {
  return GetRValue(colour) > 220 && GetGValue(colour) > 220 && GetBValue(colour) < 60;
}
bool IsWhite(COLORREF colour) { return ColourDistance(colour, RGB(255, 255, 255)) < 30; }

// Counts the pixels of a control that satisfy test.
template <typename Test>
int CountPixels(HWND control, Test test) {
  WindowCapture shown = CaptureWindow(control);
  int count = 0;
  for (int y = 0; y < shown.height(); ++y) {
    for (int x = 0; x < shown.width(); ++x) count += test(shown.At(x, y)) ? 1 : 0;
  }
  return count;
}

// The longest horizontal run of text-coloured pixels in any row: an underline.
int LongestWhiteRun(HWND control) {
  WindowCapture shown = CaptureWindow(control);
  int longest = 0;
  for (int y = 0; y < shown.height(); ++y) {
    int run = 0;
    for (int x = 0; x < shown.width(); ++x) {
      run = IsWhite(shown.At(x, y)) ? run + 1 : 0;
      longest = std::max(longest, run);
    }
  }
  return longest;
}

// The columns from the first to the last one holding text-coloured pixels.
int InkWidth(HWND control) {
  WindowCapture shown = CaptureWindow(control);
  int first = shown.width();
  int last = -1;
  for (int y = 0; y < shown.height(); ++y) {
    for (int x = 0; x < shown.width(); ++x) {
      if (!IsWhite(shown.At(x, y))) continue;
      first = std::min(first, x);
      last = std::max(last, x);
    }
  }
  return last < first ? 0 : last - first + 1;
}

class PageTest : public InstallerWindowTest {
 protected:
  void SetUp() override {
    InstallerWindowTest::SetUp();
    MouseMoveTo(ScreenPointOf(form, 125, 20));  // nothing hovered
    RedrawWindow(form, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
  }
  COLORREF At(int x, int y) const { return CaptureWindow(form).At(x, y); }
};

TEST_F(PageTest, PageColourWhereNothingElseIsAndABlackFrameLine) {
  WindowCapture window = CaptureWindow(form);
  const POINT bare[] = {{100, 20}, {5, 200}, {244, 200}, {125, 251}, {240, 60}, {3, 396}};
  for (POINT p : bare) EXPECT_EQ(window.At(p.x, p.y), kPageColour) << p.x << "," << p.y;
  const POINT frame[] = {{0, 0}, {249, 0}, {0, 399}, {249, 399}, {125, 0}, {0, 200}};
  for (POINT p : frame) {
    EXPECT_EQ(window.At(p.x, p.y), GetSysColor(COLOR_WINDOWFRAME)) << p.x << "," << p.y;
  }
}

TEST_F(PageTest, EmptyLogLabelAndHiddenProgressBarCannotBeSeen) {
  EXPECT_EQ(CountPixels(Control(kLogLabelId), [](COLORREF c) { return c != kPageColour; }), 0);
  // Where the bar would lie, the install button's own picture shows.
  DecodedPicture install(RES_INSTALL_PICTURE);
  ASSERT_TRUE(install.valid());
  WindowCapture button = CaptureWindow(Control(kInstallButtonId));
  for (int x = 8; x < 212; x += 20) {
    EXPECT_LE(ColourDistance(button.At(x, 76), install.At(x, 76)), 8) << x;
  }
}

TEST_F(PageTest, ProgressBarWhenShownCoversTheButtonsLowestRows) {
  SetControlVisible(kInstallerFormId, kProgressBarId, true);
  SetProgressPosition(kInstallerFormId, kProgressBarId, 150);  // shows a full bar
  DecodedPicture install(RES_INSTALL_PICTURE);
  WindowCapture button = CaptureWindow(Control(kInstallButtonId));
  int covered = 0;
  for (int x = 8; x < 212; x += 20)
    covered += ColourDistance(button.At(x, 76), install.At(x, 76)) > 8;
  EXPECT_GE(covered, 9);
  EXPECT_LE(ColourDistance(button.At(110, 60), install.At(110, 60)), 8);  // above the bar
}

TEST_F(PageTest, TransparentLabelsDrawOnlyTheirTextOverThePage) {
  HWND title = Control(0x16010028);  // 透明标签1, "安装程序" in yellow
  EXPECT_GT(CountPixels(title, IsYellow), 20);
  WindowCapture titlePixels = CaptureWindow(title);
  EXPECT_EQ(titlePixels.At(0, 0), kPageColour);
  EXPECT_EQ(titlePixels.At(66, 12), kPageColour);  // right of the text
  HWND closeMark = Control(kCloseMarkId);          // "×" in white
  EXPECT_GT(CountPixels(closeMark, IsWhite), 3);
  EXPECT_EQ(CaptureWindow(closeMark).At(0, 0), kPageColour);
  int neither = CountPixels(closeMark, [](COLORREF c) {
    return c != kPageColour && ColourDistance(c, kPageColour) > 2 && !IsWhite(c) &&
           ColourDistance(c, RGB(0, 0, 0)) < 60;
  });
  EXPECT_EQ(neither, 0);  // no dark fill: the page shows through
  // A new caption repaints the page beneath: the old text leaves no trace.
  SetControlCaption(kInstallerFormId, kCloseMarkId, "");
  EXPECT_EQ(CountPixels(closeMark, [](COLORREF c) { return c != kPageColour; }), 0);
}

TEST_F(PageTest, LabelsShowWhiteTextOnThePageColour) {
  HWND label = Control(0x1601002D);  // 标签1, "安装目录："
  EXPECT_GT(CountPixels(label, IsWhite), 20);
  EXPECT_EQ(CaptureWindow(label).At(1, 1), kPageColour);
  EXPECT_EQ(CaptureWindow(Control(kFolderLabelId)).At(230, 3), kPageColour);
}

TEST_F(PageTest, LogoIsStretchedToFillItsBox) {
  DecodedPicture logo(RES_LOGO_PICTURE);
  ASSERT_TRUE(logo.valid());
  ASSERT_EQ(logo.width(), 424);
  ASSERT_EQ(logo.height(), 534);
  WindowCapture shown = CaptureWindow(Control(kLogoBoxId));
  ASSERT_EQ(shown.width(), 211);
  long stretchedError = 0;
  long naturalError = 0;
  int samples = 0;
  for (int y = 5; y < 211; y += 10) {
    for (int x = 5; x < 211; x += 10) {
      COLORREF pixel = shown.At(x, y);
      stretchedError += ColourDistance(pixel, logo.At(x * 424 / 211, y * 534 / 211));
      naturalError += ColourDistance(pixel, logo.At(x, y));
      ++samples;
    }
  }
  EXPECT_LT(stretchedError / samples, 12);
  EXPECT_GT(naturalError / samples, 2 * (stretchedError / samples));
}

TEST_F(PageTest, FolderTextIsUnderlinedAndCutAtTheRightEdge) {
  SetControlCaption(kInstallerFormId, kFolderLabelId, "D:\\Brivona软件\\BrivonaJuniper");
  EXPECT_GT(LongestWhiteRun(Control(kFolderLabelId)), 100);
  EXPECT_LT(LongestWhiteRun(Control(0x1601002D)), 20);  // 标签1 is not underlined
  SetControlCaption(kInstallerFormId, kFolderLabelId, std::string(100, 'W'));
  EXPECT_EQ(InkWidth(Control(kFolderLabelId)), 232);  // not wrapped, cut at the edge
}

TEST_F(PageTest, AmpersandsArePrefixesOnScreenButStayInTheCaption) {
  HWND label = Control(kFolderLabelId);
  SetControlCaption(kInstallerFormId, kFolderLabelId, "&&&&&&");
  int shownForSix = InkWidth(label);
  SetControlCaption(kInstallerFormId, kFolderLabelId, "&&&");
  int threeAsText = InkWidth(label);
  // "&&" shows one "&", so six show three; "&&&" shows one "&" and hides the
  // last, which prefixes nothing.
  HDC dc = GetDC(label);
  auto font = reinterpret_cast<HFONT>(SendMessageA(label, WM_GETFONT, 0, 0));
  HGDIOBJ old = SelectObject(dc, font);
  SIZE three{};
  GetTextExtentPoint32A(dc, "&&&", 3, &three);
  SelectObject(dc, old);
  ReleaseDC(label, dc);
  EXPECT_LE(std::abs(shownForSix - three.cx), 3) << shownForSix << " vs " << three.cx;
  EXPECT_LT(threeAsText, shownForSix);
  EXPECT_EQ(GetControlCaption(kInstallerFormId, kFolderLabelId), "&&&");
}

}  // namespace
