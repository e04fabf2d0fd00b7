// The pictures and icons of the window, as the executable carries them.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "platform/resources.h"

namespace {

std::string Bytes(const ResourceBytes& resource) {
  return std::string(static_cast<const char*>(resource.data), resource.size);
}

unsigned At16(const std::string& bytes, size_t offset, bool bigEndian) {
  unsigned first = static_cast<uint8_t>(bytes[offset]);
  unsigned second = static_cast<uint8_t>(bytes[offset + 1]);
  return bigEndian ? first << 8 | second : second << 8 | first;
}

struct JpegFrame {
  int marker = -1;  // 0xC0 baseline, 0xC2 progressive, ...
  unsigned width = 0, height = 0, components = 0;
};

// Walks the JPEG's segments up to its frame header.
JpegFrame ReadJpegFrame(const std::string& jpeg) {
  JpegFrame frame;
  if (jpeg.size() < 4 || At16(jpeg, 0, true) != 0xFFD8) return frame;
  for (size_t at = 2; at + 9 < jpeg.size(); at += 2 + At16(jpeg, at + 2, true)) {
    const unsigned marker = At16(jpeg, at, true);
    if ((marker & 0xFFF0) == 0xFFC0 && marker != 0xFFC4 && marker != 0xFFC8 && marker != 0xFFCC) {
      frame.marker = marker & 0xFF;
      frame.height = At16(jpeg, at + 5, true);
      frame.width = At16(jpeg, at + 7, true);
      frame.components = static_cast<uint8_t>(jpeg[at + 9]);
      break;
    }
  }
  return frame;
}

TEST(CarriedPictures, BaselineRgbJpegsOfTheWindowsSizes) {
  const struct {
    const char* name;
    unsigned width, height;
  } pictures[] = {
      {RES_INSTALL_PICTURE, 220, 80},  {RES_INSTALL_HOT_PICTURE, 220, 80},
      {RES_FINISHED_PICTURE, 220, 80}, {RES_LOGO_PICTURE, 424, 534},
      {RES_LOGO2_PICTURE, 250, 256},   {RES_CLOSE_PICTURE, 27, 22},
      {RES_CLOSE_HOT_PICTURE, 27, 22}, {RES_CLOSE_PRESSED_PICTURE, 27, 22},
  };
  for (const auto& picture : pictures) {
    SCOPED_TRACE(picture.name);
    const JpegFrame frame = ReadJpegFrame(Bytes(LoadResourceBytes(picture.name)));
    EXPECT_EQ(frame.marker, 0xC0);
    EXPECT_EQ(frame.width, picture.width);
    EXPECT_EQ(frame.height, picture.height);
    EXPECT_EQ(frame.components, 3u);
  }
}

TEST(CarriedPictures, BrandIconIsOne48PixelImageOf32Bits) {
  const std::string icon = Bytes(LoadResourceBytes(RES_BRAND_ICON));
  ASSERT_GE(icon.size(), 22u);
  EXPECT_EQ(At16(icon, 0, false), 0u);  // reserved
  EXPECT_EQ(At16(icon, 2, false), 1u);  // an icon, not a cursor
  EXPECT_EQ(At16(icon, 4, false), 1u);  // one image
  EXPECT_EQ(static_cast<uint8_t>(icon[6]), 48);
  EXPECT_EQ(static_cast<uint8_t>(icon[7]), 48);
  EXPECT_EQ(At16(icon, 12, false), 32u);  // bits per pixel
}

// RT_GROUP_ICON: a 6-byte header, then 14-byte entries ending in the image's id.
TEST(CarriedPictures, DefaultIconGroupHasEight32BitSizes) {
  HRSRC found = FindResourceA(nullptr, "DEFAULT_ICON", MAKEINTRESOURCEA(14));
  ASSERT_NE(found, nullptr);
  const auto* group = static_cast<const uint8_t*>(LockResource(LoadResource(nullptr, found)));
  const std::string bytes(reinterpret_cast<const char*>(group), SizeofResource(nullptr, found));
  ASSERT_EQ(At16(bytes, 4, false), 8u);
  ASSERT_EQ(bytes.size(), 6u + 8 * 14);
  std::string sizes;
  for (int i = 0; i < 8; ++i) {
    const size_t entry = 6 + 14 * i;
    sizes += std::to_string(group[entry] == 0 ? 256 : group[entry]) + " ";
    EXPECT_EQ(At16(bytes, entry + 6, false), 32u) << "entry " << i;
  }
  EXPECT_EQ(sizes, "128 96 72 64 48 32 24 16 ");

  // Windows itself picks an image of each size the window asks for.
  for (int size : {16, 32, 48}) {
    HICON icon = static_cast<HICON>(
        LoadImageA(GetModuleHandleA(nullptr), "DEFAULT_ICON", IMAGE_ICON, size, size, 0));
    EXPECT_NE(icon, nullptr) << size;
    if (icon) DestroyIcon(icon);
  }
}

}  // namespace
