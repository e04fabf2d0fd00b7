#include "app/window/picture.h"

#include <ocidl.h>
#include <olectl.h>

#include <cstring>

#include "platform/resources.h"

namespace {

// An OLE_HANDLE carries a 32-bit handle value; widen it as Windows does.
HANDLE FromOleHandle(OLE_HANDLE handle) {
  return reinterpret_cast<HANDLE>(static_cast<LONG_PTR>(static_cast<LONG>(handle)));
}

ComPtr<IPicture> LoadOlePicture(const void* bytes, size_t size) {
  ComPtr<IPicture> picture;
  HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, size);
  if (!memory) return picture;
  if (void* target = GlobalLock(memory)) {
    std::memcpy(target, bytes, size);
    GlobalUnlock(memory);
  }
  ComPtr<IStream> stream;
  // The stream owns the memory from here on (fDeleteOnRelease).
  if (FAILED(CreateStreamOnHGlobal(memory, TRUE, stream.Receive()))) {
    GlobalFree(memory);
    return picture;
  }
  OleLoadPicture(stream.get(), static_cast<LONG>(size), FALSE, IID_IPicture,
                 reinterpret_cast<void**>(picture.Receive()));
  return picture;
}

}  // namespace

Picture Picture::Decode(const void* bytes, size_t size) {
  Picture result;
  if (!bytes || size == 0) return result;
  ComPtr<IPicture> picture = LoadOlePicture(bytes, size);
  SHORT type = PICTYPE_NONE;
  OLE_HANDLE handle = 0;
  if (!picture || FAILED(picture->get_Type(&type)) || FAILED(picture->get_Handle(&handle))) {
    return result;
  }
  // Copies of our own, so the picture object can go at once and the copy can
  // be drawn on any thread.
  if (type == PICTYPE_BITMAP) {
    result.bitmap_ = OwnedBitmap(static_cast<HBITMAP>(
        CopyImage(FromOleHandle(handle), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
    BITMAP info{};
    if (result.bitmap_ && GetObjectA(result.bitmap_.get(), sizeof info, &info)) {
      result.width_ = info.bmWidth;
      result.height_ = info.bmHeight;
    }
  } else if (type == PICTYPE_ICON) {
    result.icon_ = OwnedIcon(CopyIcon(static_cast<HICON>(FromOleHandle(handle))));
    ICONINFO info{};
    if (result.icon_ && GetIconInfo(result.icon_.get(), &info)) {
      BITMAP mask{};
      GetObjectA(info.hbmMask, sizeof mask, &mask);
      result.width_ = mask.bmWidth;
      // A monochrome icon's mask holds the AND and the XOR halves.
      result.height_ = info.hbmColor ? mask.bmHeight : mask.bmHeight / 2;
      if (info.hbmColor) DeleteObject(info.hbmColor);
      DeleteObject(info.hbmMask);
    }
  }
  if (result.width_ <= 0 || result.height_ <= 0) return Picture();
  return result;
}

Picture Picture::FromResource(const char* name) {
  if (!name) return Picture();
  ResourceBytes bytes = LoadResourceBytes(name);
  return Decode(bytes.data, bytes.size);
}

void Picture::Draw(HDC dc, const PictureRect& rect) const {
  if (icon_) {
    DrawIconEx(dc, rect.x, rect.y, icon_.get(), rect.width, rect.height, 0, nullptr, DI_NORMAL);
    return;
  }
  if (!bitmap_) return;
  OwnedMemoryDc source(CreateCompatibleDC(dc));
  SelectedObject selected(source.get(), bitmap_.get());
  if (rect.width == width_ && rect.height == height_) {
    BitBlt(dc, rect.x, rect.y, width_, height_, source.get(), 0, 0, SRCCOPY);
    return;
  }
  int oldMode = SetStretchBltMode(dc, HALFTONE);
  POINT oldOrigin{};
  SetBrushOrgEx(dc, 0, 0, &oldOrigin);
  StretchBlt(dc, rect.x, rect.y, rect.width, rect.height, source.get(), 0, 0, width_, height_,
             SRCCOPY);
  SetBrushOrgEx(dc, oldOrigin.x, oldOrigin.y, nullptr);
  SetStretchBltMode(dc, oldMode);
}
