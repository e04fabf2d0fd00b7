// What the toolkit's tests share: a message loop like the installer's, waits
// that pump it, real mouse input, screen pixels and decoded pictures.
#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>
#include <vector>

// Runs the loop's turns (PreTranslateMessage, then dispatch) for the messages
// that are waiting; remembers a quit message instead of stopping.
void PumpWaiting();
// Pumps for at least ms milliseconds.
void PumpFor(DWORD ms);
// Pumps until done() is true or timeoutMs has passed; returns done().
bool PumpUntil(const std::function<bool()>& done, DWORD timeoutMs = 3000);
// Whether a quit message went through the loop since the last call, and its value.
bool TakeQuitMessage(WPARAM* value);

// A thread that runs body; Wait pumps the window thread until it ends.
class TestThread {
 public:
  explicit TestThread(std::function<void()> body);
  ~TestThread();
  TestThread(const TestThread&) = delete;
  TestThread& operator=(const TestThread&) = delete;
  bool Wait(DWORD timeoutMs = 5000);  // true when the thread ended in time
  bool Ended() const;

 private:
  static DWORD WINAPI Run(void* self);
  std::function<void()> body_;
  HANDLE thread_ = nullptr;
};

// Mouse input as a person gives it, at screen coordinates.
void MouseMoveTo(POINT screen);
void MouseLeftDown();
void MouseLeftUp();

// A window's or a control's descendants by control identifier.
HWND FindControlWindow(HWND root, uint32_t controlId);
// The top-left corner of a window in screen coordinates, and a point within it.
POINT ScreenPointOf(HWND window, int x = 0, int y = 0);

// Pixels of a top-level window as painted so far, read from its DC, which
// holds its children's painting too; a rectangle in its client coordinates.
class WindowCapture {
 public:
  WindowCapture(HWND topLevel, int left, int top, int width, int height);
  COLORREF At(int x, int y) const;  // relative to the captured rectangle
  int width() const { return width_; }
  int height() const { return height_; }

 private:
  int width_;
  int height_;
  std::vector<uint32_t> pixels_;
};

// A window's rectangle as its top-level window shows it, at once (no pumping).
WindowCapture CaptureWindow(HWND window);

// A picture resource decoded by Windows on a path of its own (IPicture::Render
// into a bitmap), to tell which picture a control shows.
class DecodedPicture {
 public:
  explicit DecodedPicture(const char* resourceName);
  bool valid() const { return width_ > 0; }
  int width() const { return width_; }
  int height() const { return height_; }
  COLORREF At(int x, int y) const;

 private:
  int width_ = 0;
  int height_ = 0;
  std::vector<uint32_t> pixels_;
};

// The largest difference of one colour channel.
int ColourDistance(COLORREF a, COLORREF b);
