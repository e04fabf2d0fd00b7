// A form's definition as plain records: the window, every control with its
// place and settings, and the event bindings. The toolkit's factory reads
// these tables and makes the windows; nothing else arranges controls.
#pragma once

#include <cstddef>
#include <cstdint>

#include "app/window/button_rules.h"
#include "app/window/window_rules.h"

// Colours in the layout of a Windows COLORREF (0x00BBGGRR).
constexpr uint32_t Rgb(int red, int green, int blue) {
  return static_cast<uint32_t>(red) | static_cast<uint32_t>(green) << 8 |
         static_cast<uint32_t>(blue) << 16;
}
// Not a colour: the system's button-face colour (COLOR_BTNFACE).
constexpr uint32_t kButtonFaceColour = 0xFF000000;

enum class ControlKind : uint8_t {
  PictureBox,
  Label,
  TransparentLabel,
  PictureButton,
  ProgressBar,
  Timer,
  ZipControl,
};

enum class Pointer : uint8_t { Default, Hand };

// A font of the definition; isDefault means the toolkit's default font
// (DEFAULT_GUI_FONT). The others are in the system's default face and
// character set.
struct FontSpec {
  bool isDefault = true;
  int height = 0;  // a font height value: negative means character height
  int weight = 400;
  bool underline = false;
};

// Events by number. The ZIP control's progress report is its event 1, the
// number the extraction raises it by.
constexpr int32_t kEventClicked = 0;
constexpr int32_t kEventExtractProgress = 1;
constexpr int32_t kEventCreated = 2;
constexpr int32_t kEventLeftButtonDown = 3;
constexpr int32_t kEventLeftButtonUp = 4;

// Calls a handler with the event's arguments. Returns true when the handler
// returned a value, which is then stored in *returnValue.
using EventInvoker = bool (*)(const int32_t* args, int32_t argCount, int32_t* returnValue);

struct EventBinding {
  uint32_t controlId = 0;  // the window's own identifier for its events
  int32_t eventIndex = 0;
  EventInvoker invoke = nullptr;
};

struct ControlDefinition {
  uint32_t id = 0;
  const char* name = "";
  ControlKind kind = ControlKind::PictureBox;
  uint32_t parentId = 0;  // the window's identifier for the window's own children
  int x = 0;              // place in the parent's client area
  int y = 0;
  int width = 0;
  int height = 0;
  bool visible = true;
  uint32_t backColour = kButtonFaceColour;
  uint32_t textColour = 0;
  bool frame = false;  // a one-pixel frame line (WS_BORDER)
  const char* caption = "";
  FontSpec font = {};
  Pointer pointer = Pointer::Default;
  // Resource names (RCDATA) of the pictures, by PictureSlot; a picture box
  // uses only the first. Null: no picture.
  const char* pictures[kPictureSlotCount] = {};
  DisplayMode display = DisplayMode::Natural;
  int32_t progressMinimum = 0;
  int32_t progressMaximum = 100;
  int32_t progressPosition = 0;
  bool progressSmooth = false;  // PBS_SMOOTH
  bool thinSunkenEdge = false;  // WS_EX_STATICEDGE
};

struct WindowDefinition {
  uint32_t id = 0;
  const char* name = "";
  const char* text = "";
  int x = 0;  // the stored place, used only when not centred on the screen
  int y = 0;
  bool centredOnScreen = true;
  int width = 0;
  int height = 0;
  uint32_t backColour = kButtonFaceColour;
  const char* iconGroup = nullptr;  // null: the program's icon group DEFAULT_ICON
};

// Controls are listed parents first and, among siblings, from the top of the
// stacking order to the bottom.
struct FormDefinition {
  uint32_t formId = 0;
  WindowDefinition window = {};
  const ControlDefinition* controls = nullptr;
  size_t controlCount = 0;
  const EventBinding* events = nullptr;
  size_t eventCount = 0;
};
