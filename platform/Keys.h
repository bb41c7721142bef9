#pragma once
// Key codes as the game uses them: the Windows virtual key codes, and the shift byte of key and
// mouse events (Shift 1, Alt 2, Ctrl 4). Both backends report keys in these terms.

#include <cstdint>

namespace platform {

namespace vk {
constexpr uint16_t Back = 8;
constexpr uint16_t Tab = 9;
constexpr uint16_t Return = 13;
constexpr uint16_t Shift = 16;
constexpr uint16_t Control = 17;
constexpr uint16_t Menu = 18;  // Alt
constexpr uint16_t Pause = 19;
constexpr uint16_t Escape = 27;
constexpr uint16_t Space = 32;
constexpr uint16_t PageUp = 33;
constexpr uint16_t PageDown = 34;
constexpr uint16_t End = 35;
constexpr uint16_t Home = 36;
constexpr uint16_t Left = 37;
constexpr uint16_t Up = 38;
constexpr uint16_t Right = 39;
constexpr uint16_t Down = 40;
constexpr uint16_t Insert = 45;
constexpr uint16_t Delete = 46;
constexpr uint16_t Digit0 = 48;   // '0'..'9' are 48..57
constexpr uint16_t LetterA = 65;  // 'A'..'Z' are 65..90
constexpr uint16_t F1 = 112;      // F1..F12 are 112..123
constexpr uint16_t F12 = 123;

constexpr uint16_t Letter(char upper) {
    return static_cast<uint16_t>(upper);
}
constexpr uint16_t FunctionKey(int n) {
    return static_cast<uint16_t>(F1 + n - 1);
}
}  // namespace vk

namespace shift {
constexpr uint8_t Shift = 1;
constexpr uint8_t Alt = 2;
constexpr uint8_t Ctrl = 4;
constexpr uint8_t LeftButton = 8;
constexpr uint8_t RightButton = 16;
constexpr uint8_t MiddleButton = 32;
}  // namespace shift

}  // namespace platform
