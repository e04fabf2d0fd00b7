// InstallerWindow as data: the window, its three pages and every control,
// listed parents first and, among siblings, from the top of the stacking
// order down; then the event bindings.
#include "app/window/installer_window.h"

#include <iterator>

#include "app/handlers.h"
#include "app/window/form_definition.h"
#include "platform/resources.h"

namespace {

constexpr uint32_t kPage1Id = 0x1601001C;          // 图片框1_背景
constexpr uint32_t kPage2Id = 0x16010031;          // 图片框2_背景
constexpr uint32_t kPage3Id = 0x16010037;          // 图片框3_背景
constexpr uint32_t kProgressFrameId = 0x16010035;  // 图片框_进度框

constexpr uint32_t kPage1Colour = Rgb(22, 131, 196);
constexpr uint32_t kLightBlue = Rgb(117, 184, 238);
constexpr uint32_t kWhite = Rgb(255, 255, 255);
constexpr uint32_t kYellow = Rgb(255, 255, 0);

constexpr FontSpec kFontA{.isDefault = false, .height = -12, .weight = 700, .underline = false};
constexpr FontSpec kFontB{.isDefault = false, .height = -12, .weight = 400, .underline = true};

// One control per entry: identity, parent and place first, then the settings
// that differ from a ControlDefinition's defaults.
// clang-format off
const ControlDefinition kControls[] = {
    // The window's own children.
    {.id = 0x1601006E, .name = "图片框1", .kind = ControlKind::PictureBox,
     .parentId = kInstallerWindowId, .x = 8, .y = 8, .width = 24, .height = 24, .visible = false,
     .pictures = {RES_BRAND_ICON}, .display = DisplayMode::Stretched},
    {.id = 0x1601003F, .name = "时钟4", .kind = ControlKind::Timer,
     .parentId = kInstallerWindowId, .x = 72, .y = 32, .width = 26, .height = 26, .visible = false},
    {.id = 0x16010018, .name = "时钟3", .kind = ControlKind::Timer,
     .parentId = kInstallerWindowId, .x = 48, .y = 32, .width = 26, .height = 26, .visible = false},
    {.id = 0x1601000B, .name = "时钟2", .kind = ControlKind::Timer,
     .parentId = kInstallerWindowId, .x = 24, .y = 32, .width = 26, .height = 26, .visible = false},
    {.id = 0x16010003, .name = "时钟1", .kind = ControlKind::Timer,
     .parentId = kInstallerWindowId, .x = 0, .y = 32, .width = 26, .height = 26, .visible = false},
    {.id = kPage1Id, .name = "图片框1_背景", .kind = ControlKind::PictureBox,
     .parentId = kInstallerWindowId, .x = 0, .y = 0, .width = 250, .height = 400,
     .backColour = kPage1Colour, .frame = true, .display = DisplayMode::Centred},
    {.id = kPage2Id, .name = "图片框2_背景", .kind = ControlKind::PictureBox,
     .parentId = kInstallerWindowId, .x = 0, .y = 0, .width = 600, .height = 400,
     .backColour = kLightBlue, .frame = true, .display = DisplayMode::Centred},
    {.id = kPage3Id, .name = "图片框3_背景", .kind = ControlKind::PictureBox,
     .parentId = kInstallerWindowId, .x = 0, .y = 0, .width = 600, .height = 400,
     .backColour = kLightBlue, .frame = true, .display = DisplayMode::Centred},

    // Page 1, the only one ever seen.
    {.id = kLogLabelId, .name = "标签_日志", .kind = ControlKind::Label,
     .parentId = kPage1Id, .x = 79, .y = 344, .width = 160, .height = 24,
     .backColour = kPage1Colour, .textColour = kWhite, .caption = ""},
    {.id = kCloseMarkId, .name = "透明标签4", .kind = ControlKind::TransparentLabel,
     .parentId = kPage1Id, .x = 230, .y = 14, .width = 12, .height = 12,
     .textColour = kWhite, .caption = "×", .pointer = Pointer::Hand},
    {.id = kProgressBarId, .name = "进度条1", .kind = ControlKind::ProgressBar,
     .parentId = kPage1Id, .x = 21, .y = 327, .width = 205, .height = 8, .visible = false,
     .progressMinimum = 0, .progressMaximum = 100, .progressPosition = 0,
     .progressSmooth = true, .thinSunkenEdge = true},
    {.id = kInstallButtonId, .name = "图形按钮1", .kind = ControlKind::PictureButton,
     .parentId = kPage1Id, .x = 14, .y = 255, .width = 220, .height = 80,
     .pictures = {RES_INSTALL_PICTURE, RES_INSTALL_HOT_PICTURE}},
    {.id = 0x1601002D, .name = "标签1", .kind = ControlKind::Label,
     .parentId = kPage1Id, .x = 7, .y = 344, .width = 56, .height = 24,
     .backColour = kPage1Colour, .textColour = kWhite, .caption = "安装目录："},
    {.id = 0x16010028, .name = "透明标签1", .kind = ControlKind::TransparentLabel,
     .parentId = kPage1Id, .x = 7, .y = 8, .width = 68, .height = 24,
     .textColour = kYellow, .caption = "安装程序", .font = kFontA},
    {.id = kLogoBoxId, .name = "图片框_Logo", .kind = ControlKind::PictureBox,
     .parentId = kPage1Id, .x = 12, .y = 36, .width = 211, .height = 211,
     .backColour = kButtonFaceColour, .pictures = {RES_LOGO_PICTURE},
     .display = DisplayMode::Stretched},
    {.id = kFolderLabelId, .name = "标签_安装目录", .kind = ControlKind::Label,
     .parentId = kPage1Id, .x = 7, .y = 367, .width = 232, .height = 25,
     .backColour = kPage1Colour, .textColour = kWhite, .caption = "D:\\BrivonaLarch",
     .font = kFontB, .pointer = Pointer::Hand},

    // Inside the logo: the ZIP control, a hidden host of the extraction.
    {.id = kZipControlId, .name = "ZIP压缩1", .kind = ControlKind::ZipControl,
     .parentId = kLogoBoxId, .x = 8, .y = 40, .width = 27, .height = 27, .visible = false},

    // Page 2, never seen.
    {.id = kProgressFrameId, .name = "图片框_进度框", .kind = ControlKind::PictureBox,
     .parentId = kPage2Id, .x = 0, .y = 335, .width = 600, .height = 24,
     .backColour = kLightBlue, .frame = true},
    {.id = kHiddenCloseButtonId, .name = "图形按钮10", .kind = ControlKind::PictureButton,
     .parentId = kPage2Id, .x = 563, .y = 0, .width = 27, .height = 22,
     .pictures = {RES_CLOSE_PICTURE, RES_CLOSE_HOT_PICTURE, RES_CLOSE_PRESSED_PICTURE}},
    {.id = 0x16010033, .name = "图片框_AD", .kind = ControlKind::PictureBox,
     .parentId = kPage2Id, .x = 0, .y = 23, .width = 600, .height = 300,
     .backColour = kLightBlue, .display = DisplayMode::Centred},
    {.id = 0x16010032, .name = "透明标签2", .kind = ControlKind::TransparentLabel,
     .parentId = kPage2Id, .x = 0, .y = 0, .width = 250, .height = 24,
     .textColour = kWhite, .caption = " Zephlin 5_正在安装..."},
    {.id = 0x16010036, .name = "图片框_进度", .kind = ControlKind::PictureBox,
     .parentId = kProgressFrameId, .x = -2, .y = 2, .width = 0, .height = 18,
     .backColour = kWhite},

    // Page 3, never seen.
    {.id = 0x1601003B, .name = "图形按钮3", .kind = ControlKind::PictureButton,
     .parentId = kPage3Id, .x = 192, .y = 288, .width = 220, .height = 80,
     .pictures = {RES_FINISHED_PICTURE}},
    {.id = 0x16010039, .name = "图片框_Logo2", .kind = ControlKind::PictureBox,
     .parentId = kPage3Id, .x = 174, .y = 24, .width = 250, .height = 255,
     .pictures = {RES_LOGO2_PICTURE}, .display = DisplayMode::Natural},
    {.id = 0x16010038, .name = "透明标签3", .kind = ControlKind::TransparentLabel,
     .parentId = kPage3Id, .x = 0, .y = 0, .width = 250, .height = 24,
     .textColour = kWhite, .caption = " Zephlin 5_安装完成！"},
};
// clang-format on

int32_t Arg(const int32_t* args, int32_t count, int32_t index) {
  return index < count ? args[index] : 0;
}

// Adapters from the toolkit's argument list to the handlers' signatures. None
// of the installer's handlers returns a value.
bool CallCreated(const int32_t*, int32_t, int32_t*) {
  OnInstallerWindowCreated();
  return false;
}
bool CallFolderPressed(const int32_t* args, int32_t count, int32_t*) {
  OnInstallFolderPressed(Arg(args, count, 0), Arg(args, count, 1), Arg(args, count, 2));
  return false;
}
bool CallInstallClicked(const int32_t*, int32_t, int32_t*) {
  OnInstallButtonClicked();
  return false;
}
bool CallExtractProgress(const int32_t* args, int32_t count, int32_t*) {
  OnExtractProgress(Arg(args, count, 0));
  return false;
}
bool CallCloseMarkReleased(const int32_t* args, int32_t count, int32_t*) {
  OnCloseMarkReleased(Arg(args, count, 0), Arg(args, count, 1), Arg(args, count, 2));
  return false;
}
bool CallHiddenCloseClicked(const int32_t*, int32_t, int32_t*) {
  OnHiddenCloseClicked();
  return false;
}

const EventBinding kEvents[] = {
    {kInstallerWindowId, kEventCreated, CallCreated},
    {kFolderLabelId, kEventLeftButtonDown, CallFolderPressed},
    {kInstallButtonId, kEventClicked, CallInstallClicked},
    {kZipControlId, kEventExtractProgress, CallExtractProgress},
    {kCloseMarkId, kEventLeftButtonUp, CallCloseMarkReleased},
    {kHiddenCloseButtonId, kEventClicked, CallHiddenCloseClicked},
};

const FormDefinition kInstallerWindow{
    .formId = kInstallerFormId,
    .window = {.id = kInstallerWindowId,
               .name = "InstallerWindow",
               .text = "BrivonaLarch - 安装程序",
               .x = 50,
               .y = 50,
               .centredOnScreen = true,
               .width = 250,
               .height = 400,
               .backColour = kLightBlue},
    .controls = kControls,
    .controlCount = std::size(kControls),
    .events = kEvents,
    .eventCount = std::size(kEvents),
};

}  // namespace

const FormDefinition& InstallerWindowDefinition() { return kInstallerWindow; }
