// Build-time resources carried by the executable (RCDATA), read in place.
#pragma once

#include <cstddef>

struct ResourceBytes {
  const void* data = nullptr;
  size_t size = 0;
};

// The RCDATA resource of that name in the executable, mapped, not copied;
// empty when there is none.
ResourceBytes LoadResourceBytes(const char* name);

// Resource names shared by the resource script and the code.
#define RES_PAYLOAD "PAYLOAD"
#define RES_INSTALL_PICTURE "INSTALL_PICTURE"
#define RES_INSTALL_HOT_PICTURE "INSTALL_HOT_PICTURE"
#define RES_FINISHED_PICTURE "FINISHED_PICTURE"
#define RES_LOGO_PICTURE "LOGO_PICTURE"
#define RES_LOGO2_PICTURE "LOGO2_PICTURE"
#define RES_CLOSE_PICTURE "CLOSE_PICTURE"
#define RES_CLOSE_HOT_PICTURE "CLOSE_HOT_PICTURE"
#define RES_CLOSE_PRESSED_PICTURE "CLOSE_PRESSED_PICTURE"
#define RES_BRAND_ICON "BRAND_ICON"
