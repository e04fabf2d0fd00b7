// InstallerWindow as created: the window's frame, place and icons, and every
// control's parent, place, size, visibility, stacking order and styles, as
// Windows reports them. The expected values are written out here, not read
// from the definition.
#include "tests/windows/toolkit/installer_window_fixture.h"

#include <commctrl.h>  // after windows.h, whose types it needs

#include <vector>

namespace {

struct ExpectedControl {
  uint32_t id;
  uint32_t parentId;
  int x, y, width, height;
  bool visible;
};

constexpr uint32_t kWindow = 0x06010000;
constexpr uint32_t kPage1 = 0x1601001C;
constexpr uint32_t kPage2 = 0x16010031;
constexpr uint32_t kPage3 = 0x16010037;

const ExpectedControl kExpected[] = {
    {0x1601006E, kWindow, 8, 8, 24, 24, false},      // 图片框1
    {0x1601003F, kWindow, 72, 32, 26, 26, false},    // 时钟4
    {0x16010018, kWindow, 48, 32, 26, 26, false},    // 时钟3
    {0x1601000B, kWindow, 24, 32, 26, 26, false},    // 时钟2
    {0x16010003, kWindow, 0, 32, 26, 26, false},     // 时钟1
    {kPage1, kWindow, 0, 0, 250, 400, true},         // 图片框1_背景
    {kPage2, kWindow, 0, 0, 600, 400, true},         // 图片框2_背景
    {kPage3, kWindow, 0, 0, 600, 400, true},         // 图片框3_背景
    {0x160100A0, kPage1, 79, 344, 160, 24, true},    // 标签_日志
    {0x1601006F, kPage1, 230, 14, 12, 12, true},     // 透明标签4
    {0x16010066, kPage1, 21, 327, 205, 8, false},    // 进度条1
    {0x16010021, kPage1, 14, 255, 220, 80, true},    // 图形按钮1
    {0x1601002D, kPage1, 7, 344, 56, 24, true},      // 标签1
    {0x16010028, kPage1, 7, 8, 68, 24, true},        // 透明标签1
    {0x16010027, kPage1, 12, 36, 211, 211, true},    // 图片框_Logo
    {0x1601001E, kPage1, 7, 367, 232, 25, true},     // 标签_安装目录
    {0x1601005A, 0x16010027, 8, 40, 27, 27, false},  // ZIP压缩1
    {0x16010035, kPage2, 0, 335, 600, 24, true},     // 图片框_进度框
    {0x16010036, 0x16010035, -2, 2, 0, 18, true},    // 图片框_进度
    {0x16010034, kPage2, 563, 0, 27, 22, true},      // 图形按钮10
    {0x16010033, kPage2, 0, 23, 600, 300, true},     // 图片框_AD
    {0x16010032, kPage2, 0, 0, 250, 24, true},       // 透明标签2
    {0x1601003B, kPage3, 192, 288, 220, 80, true},   // 图形按钮3
    {0x16010039, kPage3, 174, 24, 250, 255, true},   // 图片框_Logo2
    {0x16010038, kPage3, 0, 0, 250, 24, true},       // 透明标签3
};

uint32_t IdOf(HWND window) { return static_cast<uint32_t>(GetWindowLongPtrA(window, GWLP_ID)); }

std::vector<uint32_t> ChildrenTopToBottom(HWND parent) {
  std::vector<uint32_t> ids;
  for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    ids.push_back(IdOf(child));
  }
  return ids;
}

LOGFONTA FontOf(HWND window) {
  LOGFONTA font{};
  auto handle = reinterpret_cast<HFONT>(SendMessageA(window, WM_GETFONT, 0, 0));
  GetObjectA(handle, sizeof font, &font);
  return font;
}

TEST_F(InstallerWindowTest, WindowIsABorderlessCentredPopupWithTaskbarButtonAndIcons) {
  LONG_PTR style = GetWindowLongPtrA(form, GWL_STYLE);
  LONG_PTR extended = GetWindowLongPtrA(form, GWL_EXSTYLE);
  EXPECT_TRUE(style & WS_POPUP);
  EXPECT_FALSE(style & (WS_CHILD | WS_CAPTION | WS_BORDER | WS_SYSMENU | WS_THICKFRAME |
                        WS_MINIMIZEBOX | WS_MAXIMIZEBOX));
  EXPECT_FALSE(extended & (WS_EX_TOOLWINDOW | WS_EX_TOPMOST));
  EXPECT_EQ(GetWindow(form, GW_OWNER), nullptr);
  EXPECT_TRUE(IsWindowVisible(form));

  char text[64] = {};
  GetWindowTextA(form, text, sizeof text);
  EXPECT_STREQ(text, "BrivonaLarch - 安装程序");

  RECT rect{};
  GetWindowRect(form, &rect);
  EXPECT_EQ(rect.left, (GetSystemMetrics(SM_CXSCREEN) - 250) / 2);
  EXPECT_EQ(rect.top, (GetSystemMetrics(SM_CYSCREEN) - 400) / 2);
  EXPECT_EQ(rect.right - rect.left, 250);
  EXPECT_EQ(rect.bottom - rect.top, 400);
  RECT client{};
  GetClientRect(form, &client);
  EXPECT_EQ(client.right, 250);
  EXPECT_EQ(client.bottom, 400);

  EXPECT_NE(SendMessageA(form, WM_GETICON, ICON_BIG, 0), 0);
  EXPECT_NE(SendMessageA(form, WM_GETICON, ICON_SMALL, 0), 0);
}

TEST_F(InstallerWindowTest, CreatedHandlerRunsOnceBeforeTheFirstDisplay) {
  EXPECT_EQ(recorded.created.count, 1);
  EXPECT_EQ(recorded.created.threadId, GetCurrentThreadId());
  EXPECT_FALSE(recorded.visibleWhenCreated);
}

TEST_F(InstallerWindowTest, GeometrySetByCreatedHandlerIsInForceWhenShown) {
  DestroyWindow(form);
  PumpWaiting();
  RECT seenWhenShown{};
  recorded.onCreated = [] { SetFormGeometry(kInstallerFormId, 250, 400, 300); };
  ASSERT_TRUE(LoadForm(InstallerWindowDefinition()));
  form = GetFormWindow(kInstallerFormId);
  GetWindowRect(form, &seenWhenShown);
  EXPECT_EQ(seenWhenShown.left, (GetSystemMetrics(SM_CXSCREEN) - 250) / 2);
  EXPECT_EQ(seenWhenShown.top, 300);
  EXPECT_EQ(seenWhenShown.bottom, 700);
}

TEST_F(InstallerWindowTest, EveryControlHasItsParentPlaceSizeAndVisibility) {
  for (const ExpectedControl& expected : kExpected) {
    SCOPED_TRACE(testing::Message() << std::hex << expected.id);
    HWND control = Control(expected.id);
    ASSERT_TRUE(control);
    HWND parent = GetParent(control);
    EXPECT_EQ(parent == form ? kWindow : IdOf(parent), expected.parentId);
    RECT rect{};
    GetWindowRect(control, &rect);
    MapWindowPoints(HWND_DESKTOP, parent, reinterpret_cast<POINT*>(&rect), 2);
    EXPECT_EQ(rect.left, expected.x);
    EXPECT_EQ(rect.top, expected.y);
    EXPECT_EQ(rect.right - rect.left, expected.width);
    EXPECT_EQ(rect.bottom - rect.top, expected.height);
    EXPECT_EQ((GetWindowLongPtrA(control, GWL_STYLE) & WS_VISIBLE) != 0, expected.visible);
    EXPECT_TRUE(GetWindowLongPtrA(control, GWL_STYLE) & WS_CLIPSIBLINGS);
  }
}

TEST_F(InstallerWindowTest, SiblingsAreStackedAsDefinedFromTopToBottom) {
  EXPECT_EQ(ChildrenTopToBottom(form),
            (std::vector<uint32_t>{0x1601006E, 0x1601003F, 0x16010018, 0x1601000B, 0x16010003,
                                   kPage1, kPage2, kPage3}));
  EXPECT_EQ(ChildrenTopToBottom(Control(kPage1)),
            (std::vector<uint32_t>{0x160100A0, 0x1601006F, 0x16010066, 0x16010021, 0x1601002D,
                                   0x16010028, 0x16010027, 0x1601001E}));
  EXPECT_EQ(ChildrenTopToBottom(Control(kPage2)),
            (std::vector<uint32_t>{0x16010035, 0x16010034, 0x16010033, 0x16010032}));
  EXPECT_EQ(ChildrenTopToBottom(Control(kPage3)),
            (std::vector<uint32_t>{0x1601003B, 0x16010039, 0x16010038}));
  // Page 1 is what the window's client area shows.
  POINT middle = ScreenPointOf(form, 125, 150);
  HWND top = WindowFromPoint(middle);
  EXPECT_TRUE(top == Control(kPage1) || IsChild(Control(kPage1), top));
}

TEST_F(InstallerWindowTest, FramesAndTransparencyFollowTheKinds) {
  for (uint32_t page : {kPage1, kPage2, kPage3, 0x16010035u}) {
    EXPECT_TRUE(GetWindowLongPtrA(Control(page), GWL_STYLE) & WS_BORDER) << std::hex << page;
  }
  for (uint32_t unframed : {0x16010027u, 0x16010033u, 0x16010036u, 0x160100A0u, 0x1601001Eu}) {
    EXPECT_FALSE(GetWindowLongPtrA(Control(unframed), GWL_STYLE) & WS_BORDER)
        << std::hex << unframed;
  }
  for (uint32_t transparent : {0x1601006Fu, 0x16010028u, 0x16010032u, 0x16010038u}) {
    EXPECT_TRUE(GetWindowLongPtrA(Control(transparent), GWL_EXSTYLE) & WS_EX_TRANSPARENT);
  }
  EXPECT_FALSE(GetWindowLongPtrA(Control(kLogLabelId), GWL_EXSTYLE) & WS_EX_TRANSPARENT);
}

TEST_F(InstallerWindowTest, ProgressBarIsASmoothCommonControlFrom0To100) {
  HWND bar = Control(kProgressBarId);
  char className[64] = {};
  GetClassNameA(bar, className, sizeof className);
  EXPECT_STREQ(className, "msctls_progress32");
  EXPECT_TRUE(GetWindowLongPtrA(bar, GWL_STYLE) & PBS_SMOOTH);
  EXPECT_FALSE(GetWindowLongPtrA(bar, GWL_STYLE) & PBS_VERTICAL);
  EXPECT_TRUE(GetWindowLongPtrA(bar, GWL_EXSTYLE) & WS_EX_STATICEDGE);
  PBRANGE range{};
  SendMessageA(bar, PBM_GETRANGE, FALSE, reinterpret_cast<LPARAM>(&range));
  EXPECT_EQ(range.iLow, 0);
  EXPECT_EQ(range.iHigh, 100);
  EXPECT_EQ(SendMessageA(bar, PBM_GETPOS, 0, 0), 0);
  EXPECT_EQ(GetProgressMaximum(kInstallerFormId, kProgressBarId), 100);
}

TEST_F(InstallerWindowTest, LabelsUseFontsAAndBAndTheDefaultFont) {
  LOGFONTA fontA = FontOf(Control(0x16010028));  // 透明标签1
  EXPECT_EQ(fontA.lfHeight, -12);
  EXPECT_EQ(fontA.lfWeight, 700);
  EXPECT_FALSE(fontA.lfUnderline);
  EXPECT_EQ(fontA.lfCharSet, DEFAULT_CHARSET);
  EXPECT_STREQ(fontA.lfFaceName, "");

  LOGFONTA fontB = FontOf(Control(kFolderLabelId));
  EXPECT_EQ(fontB.lfHeight, -12);
  EXPECT_EQ(fontB.lfWeight, 400);
  EXPECT_TRUE(fontB.lfUnderline);

  auto defaultFont = reinterpret_cast<LRESULT>(GetStockObject(DEFAULT_GUI_FONT));
  for (uint32_t id : {kLogLabelId, kCloseMarkId, 0x1601002Du}) {
    EXPECT_EQ(SendMessageA(Control(id), WM_GETFONT, 0, 0), defaultFont) << std::hex << id;
  }
}

TEST_F(InstallerWindowTest, CaptionsAreTheDefinedOnes) {
  EXPECT_EQ(GetControlCaption(kInstallerFormId, kLogLabelId), "");
  EXPECT_EQ(GetControlCaption(kInstallerFormId, kCloseMarkId), "×");
  EXPECT_EQ(GetControlCaption(kInstallerFormId, 0x1601002D), "安装目录：");
  EXPECT_EQ(GetControlCaption(kInstallerFormId, 0x16010028), "安装程序");
  EXPECT_EQ(GetControlCaption(kInstallerFormId, kFolderLabelId), "D:\\BrivonaLarch");
  EXPECT_EQ(GetControlCaption(kInstallerFormId, 0x16010032), " Zephlin 5_正在安装...");
  EXPECT_EQ(GetControlCaption(kInstallerFormId, 0x16010038), " Zephlin 5_安装完成！");
}

}  // namespace
