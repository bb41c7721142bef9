#include "platform/AudioModuleFile.h"

#include <array>
#include <fstream>
#include <string_view>

namespace platform {

bool IsXmModuleFile(const std::string& path) {
    static constexpr std::string_view Signature = "Extended Module: ";
    std::array<char, Signature.size()> start{};
    std::ifstream in(path, std::ios::binary);
    if (!in.read(start.data(), start.size()))
        return false;
    return std::string_view(start.data(), start.size()) == Signature;
}

}  // namespace platform
