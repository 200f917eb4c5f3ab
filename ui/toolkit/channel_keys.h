#pragma once

#include "ui/toolkit/text_box.h"

namespace tarnvale {

// What a character typed in a channel box asks for. The main window and the Carrier window walk
// their channels with the same keys.
enum class ChannelKey {
    Digit,
    Enter,     // show the typed channel
    Next,      // + or =
    Previous,  // -
    First,     // B or b: the bottom of the list
    Last,      // T or t: the top
    Backspace,
    Escape,
    Edit,   // Ctrl+A, Ctrl+C, Ctrl+X, Ctrl+Z, Ctrl+Y: the box's own editing
    Paste,  // Ctrl+V: a number, checked as typed
    Other,
};

// Control characters of the editing keys.
inline constexpr int kCtrlA = 1;
inline constexpr int kCtrlC = 3;
inline constexpr int kCtrlV = 22;
inline constexpr int kCtrlX = 24;
inline constexpr int kCtrlY = 25;
inline constexpr int kCtrlZ = 26;

constexpr ChannelKey channelKeyOf(int keyAscii) {
    switch (keyAscii) {
        case keycode::kEnter:
            return ChannelKey::Enter;
        case '+':
        case '=':
            return ChannelKey::Next;
        case '-':
            return ChannelKey::Previous;
        case 'B':
        case 'b':
            return ChannelKey::First;
        case 'T':
        case 't':
            return ChannelKey::Last;
        case keycode::kBackspace:
            return ChannelKey::Backspace;
        case keycode::kEscape:
            return ChannelKey::Escape;
        case kCtrlA:
        case kCtrlC:
        case kCtrlX:
        case kCtrlY:
        case kCtrlZ:
            return ChannelKey::Edit;
        case kCtrlV:
            return ChannelKey::Paste;
        default:
            return keyAscii >= '0' && keyAscii <= '9' ? ChannelKey::Digit : ChannelKey::Other;
    }
}

// Pastes the clipboard into the box where it holds a whole number that keeps the box within
// `maxLength` characters; false, with nothing changed, where it does not.
bool pasteChannel(QLineEdit& box, int maxLength);

}  // namespace tarnvale
