// Draws texts the way the installer's labels draw their captions, so that an
// end-to-end test can tell which text a label shows by comparing pixels: the
// label's colours, a font of the installer's definition, and the label's text
// format. Each text gets a row of its own.
//
//   e2e_text.exe FONT WIDTH HEIGHT TEXT...
//     FONT  gui: the system's DEFAULT_GUI_FONT (the log label)
//           b:   12 pixels, normal weight, underlined, default face (the
//                installation-folder label)
//
// The window, titled "探针 - 文字", lies at the screen's top-left corner, one
// row of WIDTH x HEIGHT per text from the top; Alt+F4 ends it.
#include <windows.h>

#include <stdlib.h>
#include <string.h>

#define PAGE_COLOUR RGB(22, 131, 196)
#define TEXT_COLOUR RGB(255, 255, 255)

static HFONT font;
static int rowWidth;
static int rowHeight;
static int textCount;
static char** texts;

static void PaintRows(HWND window) {
  PAINTSTRUCT paint;
  HDC dc = BeginPaint(window, &paint);
  HBRUSH page = CreateSolidBrush(PAGE_COLOUR);
  HGDIOBJ oldFont = SelectObject(dc, font);
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, TEXT_COLOUR);
  for (int i = 0; i < textCount; ++i) {
    RECT row = {0, i * rowHeight, rowWidth, (i + 1) * rowHeight};
    FillRect(dc, &row, page);
    DrawTextA(dc, texts[i], (int)strlen(texts[i]), &row,
              DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOCLIP);
  }
  SelectObject(dc, oldFont);
  DeleteObject(page);
  EndPaint(window, &paint);
}

static LRESULT CALLBACK SampleProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_PAINT:
      PaintRows(window);
      return 0;
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
    default:
      return DefWindowProcA(window, message, wParam, lParam);
  }
}

int WINAPI WinMain(HINSTANCE instance, HINSTANCE previous, LPSTR commandLine, int show) {
  (void)previous;
  (void)commandLine;
  (void)show;
  if (__argc < 5) return 2;
  if (strcmp(__argv[1], "b") == 0) {
    font = CreateFontA(-12, 0, 0, 0, FW_NORMAL, FALSE, TRUE, FALSE, DEFAULT_CHARSET,
                       OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                       DEFAULT_PITCH | FF_DONTCARE, NULL);
  } else {
    font = (HFONT)GetStockObject(DEFAULT_GUI_FONT);
  }
  rowWidth = atoi(__argv[2]);
  rowHeight = atoi(__argv[3]);
  texts = __argv + 4;
  textCount = __argc - 4;

  WNDCLASSA windowClass = {0};
  windowClass.lpfnWndProc = SampleProc;
  windowClass.hInstance = instance;
  windowClass.hCursor = LoadCursor(NULL, IDC_ARROW);
  windowClass.lpszClassName = "E2ETextSample";
  if (!RegisterClassA(&windowClass)) return 3;
  HWND window = CreateWindowExA(0, "E2ETextSample", "探针 - 文字", WS_POPUP | WS_VISIBLE, 0, 0,
                                rowWidth, rowHeight * textCount, NULL, NULL, instance, NULL);
  if (window == NULL) return 4;

  MSG message;
  while (GetMessageA(&message, NULL, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
  return (int)message.wParam;
}
