#include "save/OptionsFile.h"

#include <algorithm>
#include <optional>
#include <vector>

#include "engine/TextEntry.h"
#include "save/HighScores.h"
#include "save/SavedLines.h"

namespace {

constexpr size_t OptionsLineCount = 7;

// The boss modifier as the file codes it: one modifier only, Alt before Ctrl before Shift.
int32_t ModifierCode(uint8_t modifier) {
    if (modifier & platform::shift::Alt)
        return 1;
    if (modifier & platform::shift::Ctrl)
        return 2;
    if (modifier & platform::shift::Shift)
        return 3;
    return 0;
}

std::optional<uint8_t> ModifierFromCode(int32_t code) {
    switch (code) {
        case 0:
            return 0;
        case 1:
            return platform::shift::Alt;
        case 2:
            return platform::shift::Ctrl;
        case 3:
            return platform::shift::Shift;
        default:
            return std::nullopt;
    }
}

// F1..F12 as 1..12; any other key as 0.
int32_t KeyCode(uint16_t key) {
    if (key < platform::vk::F1 || key > platform::vk::F12)
        return 0;
    return key - platform::vk::F1 + 1;
}

std::optional<uint16_t> KeyFromCode(int32_t code) {
    if (code == 0)
        return 0;
    if (code >= 1 && code <= 12)
        return platform::vk::FunctionKey(code);
    return std::nullopt;
}

// Line `index` (from 0), or nullopt when the file is shorter.
std::optional<std::string_view> SavedLineAt(const std::vector<std::string_view>& lines,
                                            size_t index) {
    if (index >= lines.size())
        return std::nullopt;
    return lines[index];
}

std::optional<int32_t> IntegerLine(const std::vector<std::string_view>& lines, size_t index) {
    const auto line = SavedLineAt(lines, index);
    return line ? ParseSavedInteger(*line) : std::nullopt;
}

std::optional<std::string> TextLine(const std::vector<std::string_view>& lines, size_t index,
                                    size_t maxLength) {
    const auto line = SavedLineAt(lines, index);
    if (!line || !IsSavedText(*line, maxLength))
        return std::nullopt;
    return std::string(*line);
}

bool FlagLine(const std::vector<std::string_view>& lines, size_t index, bool defaultValue) {
    const auto value = IntegerLine(lines, index);
    return value ? *value != 0 : defaultValue;
}

}  // namespace

void ParseOptionsText(std::string_view bytes, TGameOptions& options, TBossKeyOptions& bossKeys,
                      std::string& checkText) {
    const std::vector<std::string_view> lines = SplitSavedLines(bytes);
    const TGameOptions defaults;
    options.FullScreen = FlagLine(lines, 0, defaults.FullScreen);
    options.MusicOn = FlagLine(lines, 1, defaults.MusicOn);
    options.SoundOn = FlagLine(lines, 2, defaults.SoundOn);
    // The world server takes only the characters the options screen lets the player type; a
    // country edited by hand keeps just those, or every result sent with it would be refused.
    options.Country =
        OnlyNameChars(TextLine(lines, 3, MaxCountryLength).value_or(defaults.Country));

    if (const auto code = IntegerLine(lines, 4)) {
        if (const auto modifier = ModifierFromCode(*code))
            bossKeys.BossModifier = *modifier;
    }
    if (const auto code = IntegerLine(lines, 5)) {
        if (const auto key = KeyFromCode(*code))
            bossKeys.BossKey = *key;
    }
    // The check text is never longer than the longest name it was computed from.
    checkText = TextLine(lines, 6, MaxNameLength).value_or("");
}

std::string FormatOptionsText(const TGameOptions& options, const TBossKeyOptions& bossKeys,
                              std::string_view checkText) {
    std::string text;
    AppendSavedLine(text, options.FullScreen ? "1" : "0");
    AppendSavedLine(text, options.MusicOn ? "1" : "0");
    AppendSavedLine(text, options.SoundOn ? "1" : "0");
    AppendSavedLine(text, options.Country);
    AppendSavedLine(text, std::to_string(ModifierCode(bossKeys.BossModifier)));
    AppendSavedLine(text, std::to_string(KeyCode(bossKeys.BossKey)));
    AppendSavedLine(text, checkText);
    return text;
}

bool IsCompleteOptionsText(std::string_view bytes) {
    return bytes.ends_with("\r\n") &&
           static_cast<size_t>(std::count(bytes.begin(), bytes.end(), '\n')) == OptionsLineCount;
}
