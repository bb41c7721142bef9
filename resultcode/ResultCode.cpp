#include "resultcode/ResultCode.h"

#include <array>
#include <cstdint>

namespace resultcode {

namespace {

constexpr int BitsPerCharacter = 5;

// Table position of each byte value, or -1.
constexpr std::array<int8_t, 256> TablePositions = [] {
    std::array<int8_t, 256> positions{};
    positions.fill(-1);
    for (size_t i = 0; i < EncodingTable.size(); ++i)
        positions[static_cast<unsigned char>(EncodingTable[i])] = static_cast<int8_t>(i);
    return positions;
}();

}  // namespace

std::string Encode(std::string_view message) {
    const size_t bits = message.size() * 8;
    const size_t padding = (BitsPerCharacter - bits % BitsPerCharacter) % BitsPerCharacter;
    std::string text;
    text.reserve((bits + padding) / BitsPerCharacter);
    // The bit stream with `padding` zero bits in front, read 5 at a time.
    uint32_t pending = 0;
    size_t pendingBits = padding;
    for (unsigned char byte : message) {
        pending = (pending << 8) | byte;
        pendingBits += 8;
        while (pendingBits >= BitsPerCharacter) {
            pendingBits -= BitsPerCharacter;
            text += EncodingTable[(pending >> pendingBits) & 31u];
        }
        pending &= (1u << pendingBits) - 1u;
    }
    return text;
}

std::optional<std::string> Decode(std::string_view text) {
    if (text.size() % 8 != 0)
        return std::nullopt;
    std::string message;
    message.reserve(text.size() / 8 * 5);
    uint32_t pending = 0;
    int pendingBits = 0;
    for (char character : text) {
        const int value = TablePositions[static_cast<unsigned char>(character)];
        if (value < 0)
            return std::nullopt;
        pending = (pending << BitsPerCharacter) | static_cast<uint32_t>(value);
        pendingBits += BitsPerCharacter;
        if (pendingBits >= 8) {
            pendingBits -= 8;
            message += static_cast<char>((pending >> pendingBits) & 0xFFu);
            pending &= (1u << pendingBits) - 1u;
        }
    }
    return message;
}

}  // namespace resultcode
