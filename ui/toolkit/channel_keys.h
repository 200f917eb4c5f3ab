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
    Other,
};

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
        default:
            return keyAscii >= '0' && keyAscii <= '9' ? ChannelKey::Digit : ChannelKey::Other;
    }
}

}  // namespace tarnvale
