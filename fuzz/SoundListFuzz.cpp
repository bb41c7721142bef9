// Feeds arbitrary bytes to the sound list parser: a DataFormatError is the only acceptable way
// for it to refuse them. Anything else (a crash, a sanitizer report, another exception) is a bug.

#include <cstddef>
#include <cstdint>
#include <span>

#include "engine/SoundListFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    try {
        ParseSoundList(std::span<const uint8_t>(data, size));
    } catch (const DataFormatError&) {
    }
    return 0;
}
