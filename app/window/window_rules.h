// The toolkit's arithmetic: where a form is placed, how far its geometry may
// go, how a progress bar's settings become the control's range and position,
// and where a picture box draws its picture. Plain values only, so the host
// tests cover them.
#pragma once

#include <algorithm>
#include <cstdint>

struct ScreenPlace {
  int left = 0;
  int top = 0;
};

// Centred on a screen; the halves truncate (toward zero, also when the form
// is larger than the screen).
constexpr ScreenPlace CentredPlace(int screenWidth, int screenHeight, int width, int height) {
  return {(screenWidth - width) / 2, (screenHeight - height) / 2};
}

struct FormGeometry {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
};

// The limits a form's place and size are held to (32627, not 32767).
constexpr int kFormCoordinateLimit = 32627;

constexpr FormGeometry LimitFormGeometry(FormGeometry requested) {
  return {std::clamp(requested.left, -kFormCoordinateLimit, kFormCoordinateLimit),
          std::clamp(requested.top, -kFormCoordinateLimit, kFormCoordinateLimit),
          std::clamp(requested.width, 0, kFormCoordinateLimit),
          std::clamp(requested.height, 0, kFormCoordinateLimit)};
}

// A progress bar stores any position written to it limited to 0 ... 32767.
constexpr int32_t StoredProgressPosition(int32_t position) {
  return std::clamp<int32_t>(position, 0, 32767);
}

// The control's range: the smaller and the larger of the stored minimum and
// maximum, each as the 16-bit value the control's range message carries.
struct ProgressRange {
  int16_t low = 0;
  int16_t high = 0;
};

constexpr ProgressRange ProgressRangeOf(int32_t minimum, int32_t maximum) {
  auto low = static_cast<int16_t>(std::min(minimum, maximum));
  auto high = static_cast<int16_t>(std::max(minimum, maximum));
  return {low, high};
}

// The position the control is given: the stored one, limited to the range.
constexpr int32_t ShownProgressPosition(int32_t stored, ProgressRange range) {
  return std::clamp<int32_t>(stored, range.low, std::max(range.low, range.high));
}

// How a picture box shows its picture.
enum class DisplayMode : uint8_t { Natural, Stretched, Centred };

struct PictureRect {
  int x = 0;
  int y = 0;
  int width = 0;
  int height = 0;
};

// Where a picture of pictureWidth x pictureHeight is drawn in a box whose
// client area is boxWidth x boxHeight. Natural: at its size from the corner
// (the box cuts it off). Stretched: the whole client area, proportions lost.
// Centred: at its size when it fits, else shrunk by the smaller ratio (sizes
// truncated); offsets halved with truncation.
constexpr PictureRect PlacePicture(DisplayMode mode, int boxWidth, int boxHeight, int pictureWidth,
                                   int pictureHeight) {
  if (mode == DisplayMode::Natural) return {0, 0, pictureWidth, pictureHeight};
  if (mode == DisplayMode::Stretched) return {0, 0, boxWidth, boxHeight};
  int width = pictureWidth;
  int height = pictureHeight;
  if (width > boxWidth || height > boxHeight) {
    // Compare boxWidth/pictureWidth with boxHeight/pictureHeight without
    // rounding: cross-multiply in 64 bits.
    bool widthRatioSmaller = int64_t{boxWidth} * pictureHeight <= int64_t{boxHeight} * pictureWidth;
    if (widthRatioSmaller) {
      width = boxWidth;
      height = static_cast<int>(int64_t{pictureHeight} * boxWidth / pictureWidth);
    } else {
      height = boxHeight;
      width = static_cast<int>(int64_t{pictureWidth} * boxHeight / pictureHeight);
    }
  }
  return {(boxWidth - width) / 2, (boxHeight - height) / 2, width, height};
}
