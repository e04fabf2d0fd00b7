// The picture button's state machine and its choice of picture, as plain
// functions of the button's state and the mouse; the window procedure only
// carries out what they decide (capture, repaint, the clicked event).
#pragma once

#include <cstdint>

enum class PictureSlot { Normal, Hot, Pressed, Disabled };
constexpr int kPictureSlotCount = 4;

enum class ButtonState : uint8_t { Normal = 0, Hot = 1, Pressed = 2 };

enum class CaptureAction : uint8_t { Keep, Take, Release };

struct ButtonStep {
  ButtonState state = ButtonState::Normal;
  CaptureAction capture = CaptureAction::Keep;
  bool clicked = false;
};

// Left button pressed inside the button.
constexpr ButtonStep ButtonPressed(ButtonState state, bool enabled) {
  if (!enabled) return {state, CaptureAction::Keep, false};
  return {ButtonState::Pressed, CaptureAction::Take, false};
}

// The pointer moved; overButton is true when the window under the pointer is
// the button itself. Over it, the button holds the mouse so that it learns
// when the pointer leaves; away from it, it lets go unless the left button is
// still down (a press that may come back).
constexpr ButtonStep ButtonMoved(ButtonState state, bool enabled, bool overButton,
                                 bool leftButtonDown) {
  if (!enabled) return {state, CaptureAction::Keep, false};
  if (overButton) {
    return {leftButtonDown ? ButtonState::Pressed : ButtonState::Hot, CaptureAction::Take, false};
  }
  return {ButtonState::Normal, leftButtonDown ? CaptureAction::Keep : CaptureAction::Release,
          false};
}

// Left button released; the click depends only on where the release happens.
constexpr ButtonStep ButtonReleased(ButtonState state, bool enabled, bool insideButton) {
  if (insideButton && enabled) return {ButtonState::Normal, CaptureAction::Release, true};
  return {state, CaptureAction::Release, false};
}

// The picture a state asks for, before falling back.
constexpr PictureSlot SlotForState(ButtonState state, bool enabled) {
  if (!enabled) return PictureSlot::Disabled;
  if (state == ButtonState::Hot) return PictureSlot::Hot;
  if (state == ButtonState::Pressed) return PictureSlot::Pressed;
  return PictureSlot::Normal;
}

// The picture shown: the state's own, else the normal one; -1 when neither
// exists and the button shows only its black fill. present[slot] tells
// whether that picture exists (a picture that could not be decoded does not).
constexpr int ShownPictureSlot(ButtonState state, bool enabled,
                               const bool (&present)[kPictureSlotCount]) {
  int wanted = static_cast<int>(SlotForState(state, enabled));
  if (present[wanted]) return wanted;
  int normal = static_cast<int>(PictureSlot::Normal);
  return present[normal] ? normal : -1;
}

// Whether a new picture in slot changes what may be on show: the normal
// picture stands in for every missing one, the others only for their state.
constexpr bool NewPictureNeedsRepaint(PictureSlot slot, ButtonState state, bool enabled) {
  return slot == PictureSlot::Normal || slot == SlotForState(state, enabled);
}
