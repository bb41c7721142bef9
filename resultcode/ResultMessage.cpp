#include "resultcode/ResultMessage.h"

#include <algorithm>
#include <charconv>

namespace resultcode {

namespace {

constexpr size_t MessageBlock = 5;  // the code turns every 5 bytes into 8 characters

bool IsFieldText(std::string_view text, size_t maxLength) {
    return text.size() <= maxLength && std::all_of(text.begin(), text.end(), IsNameCharacter);
}

// Removes prefix from the front of text; false when text does not start with it.
bool Take(std::string_view& text, std::string_view prefix) {
    if (!text.starts_with(prefix))
        return false;
    text.remove_prefix(prefix.size());
    return true;
}

// The text up to the next "|" (taken, with the bar), or nullopt when there is no bar.
std::optional<std::string_view> TakeField(std::string_view& text) {
    const size_t bar = text.find('|');
    if (bar == std::string_view::npos)
        return std::nullopt;
    const std::string_view field = text.substr(0, bar);
    text.remove_prefix(bar + 1);
    return field;
}

std::optional<int32_t> ParseScore(std::string_view text) {
    const std::string_view digits = text.starts_with('-') ? text.substr(1) : text;
    if (digits.empty() || (digits.size() > 1 && digits[0] == '0') || text == "-0")
        return std::nullopt;
    int32_t score = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), score);
    if (error != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return score;
}

}  // namespace

bool IsNameCharacter(char character) {
    return (character >= '0' && character <= '9') || (character >= 'A' && character <= 'Z') ||
           (character >= 'a' && character <= 'z') || character == ' ';
}

std::string BuildMessage(const TWorldResult& result) {
    std::string message = "type=0|name=" + result.Name + "|score=" + std::to_string(result.Score) +
                          "|key=" + KeyLetter + "|p=|add=" + result.Country + "|z=";
    message.append((MessageBlock - message.size() % MessageBlock) % MessageBlock, '0');
    return message;
}

std::optional<TWorldResult> ParseMessage(std::string_view message) {
    if (message.size() % MessageBlock != 0)
        return std::nullopt;
    std::string_view rest = message;
    if (!Take(rest, "type=0|name="))
        return std::nullopt;
    const auto name = TakeField(rest);
    if (!name || !IsFieldText(*name, MaxNameLength) || !Take(rest, "score="))
        return std::nullopt;
    const auto scoreText = TakeField(rest);
    const auto score = scoreText ? ParseScore(*scoreText) : std::nullopt;
    if (!score || !Take(rest, std::string("key=") + KeyLetter + "|p=|add="))
        return std::nullopt;
    const auto country = TakeField(rest);
    if (!country || !IsFieldText(*country, MaxCountryLength) || !Take(rest, "z="))
        return std::nullopt;
    const TWorldResult result = {std::string(*name), *score, std::string(*country)};
    // The padding is all zeros and exactly as long as BuildMessage makes it.
    if (BuildMessage(result) != message)
        return std::nullopt;
    return result;
}

}  // namespace resultcode
