#include "tests/windows/toolkit/test_support.h"

#include <ocidl.h>
#include <olectl.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>

#include "app/window/toolkit.h"
#include "platform/resources.h"

namespace {

bool quitSeen = false;
WPARAM quitValue = 0;

// 32-bit top-down DIB pixels of a bitmap selected from a DC region.
std::vector<uint32_t> ReadPixels(HDC source, int left, int top, int width, int height) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  HBITMAP bitmap = CreateDIBSection(source, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  HDC memory = CreateCompatibleDC(source);
  HGDIOBJ old = SelectObject(memory, bitmap);
  BitBlt(memory, 0, 0, width, height, source, left, top, SRCCOPY);
  GdiFlush();
  std::vector<uint32_t> pixels(static_cast<size_t>(width) * height);
  std::memcpy(pixels.data(), bits, pixels.size() * sizeof(uint32_t));
  SelectObject(memory, old);
  DeleteDC(memory);
  DeleteObject(bitmap);
  return pixels;
}

COLORREF FromDibPixel(uint32_t pixel) {
  return RGB((pixel >> 16) & 0xFF, (pixel >> 8) & 0xFF, pixel & 0xFF);
}

}  // namespace

void PumpWaiting() {
  MSG message{};
  while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
    if (message.message == WM_QUIT) {
      quitSeen = true;
      quitValue = message.wParam;
      continue;
    }
    if (PreTranslateMessage(message)) continue;
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
}

void PumpFor(DWORD ms) {
  DWORD start = GetTickCount();
  do {
    PumpWaiting();
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
  } while (GetTickCount() - start < ms);
  PumpWaiting();
}

bool PumpUntil(const std::function<bool()>& done, DWORD timeoutMs) {
  DWORD start = GetTickCount();
  for (;;) {
    PumpWaiting();
    if (done()) return true;
    if (GetTickCount() - start > timeoutMs) return false;
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
  }
}

bool TakeQuitMessage(WPARAM* value) {
  bool seen = quitSeen;
  if (value) *value = quitValue;
  quitSeen = false;
  return seen;
}

TestThread::TestThread(std::function<void()> body) : body_(std::move(body)) {
  thread_ = CreateThread(nullptr, 0, Run, this, 0, nullptr);
}

TestThread::~TestThread() {
  Wait();
  if (thread_) CloseHandle(thread_);
}

DWORD WINAPI TestThread::Run(void* self) {
  static_cast<TestThread*>(self)->body_();
  return 0;
}

bool TestThread::Ended() const { return !thread_ || WaitForSingleObject(thread_, 0) == 0; }

bool TestThread::Wait(DWORD timeoutMs) {
  // The window thread keeps pumping: the thread's settings are carried out here.
  return PumpUntil([this] { return Ended(); }, timeoutMs);
}

namespace {

void SendMouse(DWORD flags, LONG dx = 0, LONG dy = 0) {
  INPUT input{};
  input.type = INPUT_MOUSE;
  input.mi.dx = dx;
  input.mi.dy = dy;
  input.mi.dwFlags = flags;
  SendInput(1, &input, sizeof input);
}

}  // namespace

void MouseMoveTo(POINT screen) {
  int width = GetSystemMetrics(SM_CXSCREEN);
  int height = GetSystemMetrics(SM_CYSCREEN);
  // Absolute coordinates run from 0 to 65535 across the screen; aim at the
  // pixel's centre so rounding cannot land on its neighbour.
  LONG dx = static_cast<LONG>((screen.x * 65536LL + 32768) / width);
  LONG dy = static_cast<LONG>((screen.y * 65536LL + 32768) / height);
  SendMouse(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE, dx, dy);
  PumpUntil(
      [&] {
        POINT now{};
        GetCursorPos(&now);
        return now.x == screen.x && now.y == screen.y;
      },
      1000);
  PumpFor(50);
}

void MouseLeftDown() {
  SendMouse(MOUSEEVENTF_LEFTDOWN);
  PumpFor(80);
}

void MouseLeftUp() {
  SendMouse(MOUSEEVENTF_LEFTUP);
  PumpFor(80);
}

namespace {

struct ControlSearch {
  uint32_t id;
  HWND found;
};

// A named callback: on 32-bit Windows an enumeration callback is stdcall,
// which a lambda does not convert to.
BOOL CALLBACK MatchControlId(HWND window, LPARAM context) {
  auto* search = reinterpret_cast<ControlSearch*>(context);
  if (static_cast<uint32_t>(GetWindowLongPtrA(window, GWLP_ID)) != search->id) return TRUE;
  search->found = window;
  return FALSE;
}

}  // namespace

HWND FindControlWindow(HWND root, uint32_t controlId) {
  ControlSearch search{controlId, nullptr};
  EnumChildWindows(root, MatchControlId, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

POINT ScreenPointOf(HWND window, int x, int y) {
  RECT rect{};
  GetWindowRect(window, &rect);
  return {rect.left + x, rect.top + y};
}

WindowCapture::WindowCapture(HWND topLevel, int left, int top, int width, int height)
    : width_(width), height_(height) {
  HDC window = GetDC(topLevel);
  pixels_ = ReadPixels(window, left, top, width, height);
  ReleaseDC(topLevel, window);
}

COLORREF WindowCapture::At(int x, int y) const {
  return FromDibPixel(pixels_[static_cast<size_t>(y) * width_ + x]);
}

WindowCapture CaptureWindow(HWND window) {
  HWND root = GetAncestor(window, GA_ROOT);
  RECT rect{};
  GetWindowRect(window, &rect);
  MapWindowPoints(HWND_DESKTOP, root, reinterpret_cast<POINT*>(&rect), 2);
  return WindowCapture(root, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top);
}

DecodedPicture::DecodedPicture(const char* resourceName) {
  ResourceBytes bytes = LoadResourceBytes(resourceName);
  if (!bytes.data) return;
  HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes.size);
  std::memcpy(GlobalLock(memory), bytes.data, bytes.size);
  GlobalUnlock(memory);
  IStream* stream = nullptr;
  if (FAILED(CreateStreamOnHGlobal(memory, TRUE, &stream))) return;
  IPicture* picture = nullptr;
  OleLoadPicture(stream, static_cast<LONG>(bytes.size), FALSE, IID_IPicture,
                 reinterpret_cast<void**>(&picture));
  stream->Release();
  if (!picture) return;
  OLE_HANDLE handle = 0;
  picture->get_Handle(&handle);
  auto bitmap = reinterpret_cast<HBITMAP>(static_cast<LONG_PTR>(static_cast<LONG>(handle)));
  BITMAP info{};
  if (GetObjectA(bitmap, sizeof info, &info)) {
    HDC screen = GetDC(nullptr);
    HDC source = CreateCompatibleDC(screen);
    HGDIOBJ old = SelectObject(source, bitmap);
    pixels_ = ReadPixels(source, 0, 0, info.bmWidth, info.bmHeight);
    SelectObject(source, old);
    DeleteDC(source);
    ReleaseDC(nullptr, screen);
    width_ = info.bmWidth;
    height_ = info.bmHeight;
  }
  picture->Release();
}

COLORREF DecodedPicture::At(int x, int y) const {
  return FromDibPixel(pixels_[static_cast<size_t>(y) * width_ + x]);
}

int ColourDistance(COLORREF a, COLORREF b) {
  int red = std::abs(GetRValue(a) - GetRValue(b));
  int green = std::abs(GetGValue(a) - GetGValue(b));
  int blue = std::abs(GetBValue(a) - GetBValue(b));
  return std::max({red, green, blue});
}
