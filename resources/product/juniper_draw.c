/* JuniperDraw.dll: drawing helpers of the stand-in product; like
 * JuniperCore.dll it is carried but not needed to run. */
#include <windows.h>

#define JUNIPER_EXPORT __declspec(dllexport)

static BYTE Blend(BYTE from, BYTE to, int step, int steps) {
  return (BYTE)(from + (to - from) * step / steps);
}

/* Fills the rectangle top to bottom from one colour to the other. */
JUNIPER_EXPORT void JuniperFillGradient(HDC dc, const RECT* area, COLORREF top, COLORREF bottom) {
  int steps = area->bottom - area->top;
  for (int row = 0; row < steps; ++row) {
    COLORREF colour = RGB(Blend(GetRValue(top), GetRValue(bottom), row, steps),
                          Blend(GetGValue(top), GetGValue(bottom), row, steps),
                          Blend(GetBValue(top), GetBValue(bottom), row, steps));
    HBRUSH brush = CreateSolidBrush(colour);
    RECT line = {area->left, area->top + row, area->right, area->top + row + 1};
    FillRect(dc, &line, brush);
    DeleteObject(brush);
  }
}

/* Width in pixels of a text in the DC's current font. */
JUNIPER_EXPORT int JuniperTextWidth(HDC dc, const char* text) {
  SIZE extent = {0, 0};
  GetTextExtentPoint32A(dc, text, lstrlenA(text), &extent);
  return extent.cx;
}
