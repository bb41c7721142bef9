// Feeds arbitrary text to the world server's decoder. Whatever it accepts must be exactly what the
// game's sender writes for that result, so nothing odd is ever stored.

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "resultcode/ResultCode.h"
#include "resultcode/ResultMessage.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const auto message = resultcode::Decode(text);
    if (!message)
        return 0;
    if (resultcode::Encode(*message) != text)
        __builtin_trap();
    const auto result = resultcode::ParseMessage(*message);
    if (result && resultcode::BuildMessage(*result) != *message)
        __builtin_trap();
    return 0;
}
