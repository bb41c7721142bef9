// Feeds arbitrary bytes to the options file reader, and checks that the country holds only what
// the world server takes and that what the game would write back from the result reads back the
// same.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "engine/TextEntry.h"
#include "save/OptionsFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    TGameOptions options;
    TBossKeyOptions bossKeys;
    std::string checkText;
    ParseOptionsText(std::string_view(reinterpret_cast<const char*>(data), size), options, bossKeys,
                     checkText);
    if (!std::all_of(options.Country.begin(), options.Country.end(), IsNameChar))
        __builtin_trap();

    const std::string written = FormatOptionsText(options, bossKeys, checkText);
    TGameOptions reread;
    TBossKeyOptions rereadKeys{0, 0};
    std::string rereadCheck;
    ParseOptionsText(written, reread, rereadKeys, rereadCheck);
    if (!IsCompleteOptionsText(written) || reread != options || rereadKeys != bossKeys ||
        rereadCheck != checkText)
        __builtin_trap();
    return 0;
}
