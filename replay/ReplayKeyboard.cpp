#include "replay/ReplayKeyboard.h"

uint16_t HeldReplayKeys(const platform::Keyboard& keyboard) {
    uint16_t keys = 0;
    for (size_t bit = 0; bit < ReplayKeys.size(); ++bit)
        if (keyboard.IsDown(ReplayKeys[bit]))
            keys = static_cast<uint16_t>(keys | (1u << bit));
    return keys;
}

bool TReplayKeyboard::IsDown(uint16_t virtualKey) const {
    for (size_t bit = 0; bit < ReplayKeys.size(); ++bit)
        if (ReplayKeys[bit] == virtualKey)
            return (keys_ >> bit) & 1u;
    return false;
}
