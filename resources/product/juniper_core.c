/* JuniperCore.dll: a few small routines of the stand-in product. Nothing
 * loads it at run time; it gives the payload a library of realistic shape. */
#include <stddef.h>
#include <stdint.h>

#define JUNIPER_EXPORT __declspec(dllexport)

JUNIPER_EXPORT const char* JuniperProductName(void) { return "BrivonaJuniper"; }

/* Version as 0xMMmmpppp: major, minor, patch. */
JUNIPER_EXPORT uint32_t JuniperVersion(void) { return 0x06000000u; }

/* Adler-32 of a block, for settings files that carry a check value. */
JUNIPER_EXPORT uint32_t JuniperChecksum(const void* data, size_t size) {
  const unsigned char* bytes = (const unsigned char*)data;
  uint32_t a = 1, b = 0;
  for (size_t i = 0; i < size; ++i) {
    a = (a + bytes[i]) % 65521u;
    b = (b + a) % 65521u;
  }
  return b << 16 | a;
}
