// What every control kind's window procedure shares: the state record kept
// in GWLP_USERDATA from WM_NCCREATE to WM_NCDESTROY, and the paint messages
// of a kind that paints its whole client area itself.
#pragma once

#include <windows.h>

#include <memory>

#include "app/window/gdi_objects.h"

template <typename State>
State* StateOfWindow(HWND window) {
  return reinterpret_cast<State*>(GetWindowLongPtrA(window, GWLP_USERDATA));
}

template <typename State>
void AttachState(HWND window, std::unique_ptr<State> state) {
  SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(state.release()));
}

template <typename State>
void FreeState(HWND window) {
  delete StateOfWindow<State>(window);
  SetWindowLongPtrA(window, GWLP_USERDATA, 0);
}

// WM_ERASEBKGND (nothing: paint covers it), WM_PAINT and WM_PRINTCLIENT all
// go to paint; true with *result set when message is one of them.
inline bool HandleSelfPaint(HWND window, UINT message, WPARAM wParam, void (*paint)(HWND, HDC),
                            LRESULT* result) {
  switch (message) {
    case WM_ERASEBKGND:
      *result = 1;
      return true;
    case WM_PAINT: {
      PaintScope scope(window);
      paint(window, scope.dc());
      *result = 0;
      return true;
    }
    case WM_PRINTCLIENT:
      paint(window, reinterpret_cast<HDC>(wParam));
      *result = 0;
      return true;
  }
  return false;
}
