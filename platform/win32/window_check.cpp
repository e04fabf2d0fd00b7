#include "platform/window_check.h"

#include <windows.h>

bool WindowExists(void* window) { return IsWindow(static_cast<HWND>(window)) != 0; }
