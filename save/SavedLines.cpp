#include "save/SavedLines.h"

#include <algorithm>
#include <charconv>

void AppendSavedLine(std::string& text, std::string_view line) {
    text += line;
    text += "\r\n";
}

std::vector<std::string_view> SplitSavedLines(std::string_view bytes) {
    std::vector<std::string_view> lines;
    while (!bytes.empty()) {
        const size_t end = bytes.find('\n');
        std::string_view line = bytes.substr(0, end);
        if (line.ends_with('\r'))
            line.remove_suffix(1);
        lines.push_back(line);
        bytes = end == std::string_view::npos ? std::string_view() : bytes.substr(end + 1);
    }
    return lines;
}

std::optional<int32_t> ParseSavedInteger(std::string_view line) {
    int32_t value = 0;
    const char* end = line.data() + line.size();
    const auto [stop, error] = std::from_chars(line.data(), end, value);
    if (error != std::errc() || stop != end)
        return std::nullopt;
    return value;
}

bool IsSavedText(std::string_view line, size_t maxLength) {
    return line.size() <= maxLength && std::none_of(line.begin(), line.end(), [](char c) {
               return static_cast<unsigned char>(c) < 32;
           });
}
