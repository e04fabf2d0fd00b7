// A picture decoded by Windows from image bytes (JPEG, or an icon file), held
// as a bitmap or an icon of the toolkit's own, with its size in pixels.
#pragma once

#include <windows.h>

#include <cstddef>

#include "app/window/gdi_objects.h"
#include "app/window/window_rules.h"

class Picture {
 public:
  Picture() = default;

  // Empty when the bytes cannot be decoded: such a picture counts as missing.
  static Picture Decode(const void* bytes, size_t size);
  // The RCDATA resource of that name; empty when there is none.
  static Picture FromResource(const char* name);

  bool empty() const { return !bitmap_ && !icon_; }
  int width() const { return width_; }
  int height() const { return height_; }

  // Draws the picture into rect, scaled when rect's size is not the
  // picture's own; the DC's clipping cuts it off.
  void Draw(HDC dc, const PictureRect& rect) const;

 private:
  OwnedBitmap bitmap_;
  OwnedIcon icon_;
  int width_ = 0;
  int height_ = 0;
};
