// Reading and writing the options file: the boss-key codes both ways, lines that hold no valid
// value or are missing, the country's characters, and check-text bytes kept as they are.

#include "save/OptionsFile.h"

#include <gtest/gtest.h>

namespace {

struct TParsedOptions {
    TGameOptions Options;
    TBossKeyOptions BossKeys;
    std::string CheckText = "unchanged";
};

// Parses over settings that differ from every default, so a field left alone shows.
TParsedOptions ParseOver(const std::string& bytes, TBossKeyOptions bossKeys = {4, 115}) {
    TParsedOptions parsed{{true, false, false, "OLD"}, bossKeys};
    ParseOptionsText(bytes, parsed.Options, parsed.BossKeys, parsed.CheckText);
    return parsed;
}

}  // namespace

TEST(OptionsFile, ReadsEveryLine) {
    const TParsedOptions parsed =
        ParseOver("1\r\n0\r\n1\r\n New Zealand \r\n3\r\n5\r\nAb\xE9\xFF\r\n");
    EXPECT_EQ(parsed.Options, (TGameOptions{true, false, true, " New Zealand "}));
    EXPECT_EQ(parsed.BossKeys, (TBossKeyOptions{1, 116}));  // Shift+F5
    EXPECT_EQ(parsed.CheckText, "Ab\xE9\xFF");
}

TEST(OptionsFile, BossModifierCodes) {
    const auto modifierFor = [](const std::string& code) {
        return ParseOver("0\r\n1\r\n1\r\n\r\n" + code + "\r\n12\r\n\r\n").BossKeys.BossModifier;
    };
    EXPECT_EQ(modifierFor("0"), 0);
    EXPECT_EQ(modifierFor("1"), 2);  // Alt
    EXPECT_EQ(modifierFor("2"), 4);  // Ctrl
    EXPECT_EQ(modifierFor("3"), 1);  // Shift
    // Any other number, or none, keeps the modifier it had (Ctrl here).
    for (const char* other : {"7", "4", "-1", "", "x", "1 ", "99999999999"})
        EXPECT_EQ(modifierFor(other), 4) << other;
    // On a fresh start that is no modifier.
    EXPECT_EQ(ParseOver("0\r\n1\r\n1\r\n\r\n7\r\n12\r\n\r\n", {}).BossKeys.BossModifier, 0);
}

TEST(OptionsFile, BossKeyCodes) {
    const auto keyFor = [](const std::string& code) {
        return ParseOver("0\r\n1\r\n1\r\n\r\n0\r\n" + code + "\r\n\r\n").BossKeys.BossKey;
    };
    EXPECT_EQ(keyFor("0"), 0);
    EXPECT_EQ(keyFor("1"), 112);
    EXPECT_EQ(keyFor("12"), 123);
    for (const char* other : {"13", "-3", "F5", ""})
        EXPECT_EQ(keyFor(other), 115) << other;
}

TEST(OptionsFile, DamagedSettingsLinesFallBackToTheirDefaults) {
    const TGameOptions defaults;
    // No valid integer, binary bytes, an over-long country.
    const TParsedOptions garbage =
        ParseOver("yes\r\n\x01\r\n1.0\r\nSeventeen letters\r\n\r\n\r\nAB\x02\r\n");
    EXPECT_EQ(garbage.Options, defaults);
    EXPECT_EQ(garbage.CheckText, "");
    EXPECT_EQ(garbage.BossKeys, (TBossKeyOptions{4, 115}));

    // A country with a control byte in it; one of exactly sixteen letters is kept.
    EXPECT_EQ(ParseOver("0\r\n0\r\n0\r\nA\tB\r\n").Options.Country, "");
    EXPECT_EQ(ParseOver("0\r\n0\r\n0\r\nSixteen  letters\r\n").Options.Country, "Sixteen  letters");
}

// The world server refuses a result whose country holds anything else, so an edited country
// keeps only the letters, digits and spaces the options screen would have let the player type.
TEST(OptionsFile, TheCountryKeepsOnlyLettersDigitsAndSpaces) {
    const auto countryOf = [](const std::string& line) {
        return ParseOver("0\r\n0\r\n0\r\n" + line + "\r\n").Options.Country;
    };
    EXPECT_EQ(countryOf("U.K."), "UK");
    EXPECT_EQ(countryOf("Guinea-Bissau"), "GuineaBissau");
    EXPECT_EQ(countryOf("C\xC3\xB4te d'Ivoire"), "Cte dIvoire");
    EXPECT_EQ(countryOf("/09:@AZ[`az{ |"), "09AZaz ") << "the ends of each range and beyond";
    EXPECT_EQ(countryOf("!!!"), "");
}

TEST(OptionsFile, MissingLinesAndAnEmptyFile) {
    const TParsedOptions cut = ParseOver("0\r\n0");
    EXPECT_EQ(cut.Options, (TGameOptions{false, false, true, ""}));
    EXPECT_EQ(cut.BossKeys, (TBossKeyOptions{4, 115}));
    EXPECT_EQ(cut.CheckText, "");

    EXPECT_EQ(ParseOver("").Options, TGameOptions());
    // Non-zero counts as on, whatever its sign.
    EXPECT_TRUE(ParseOver("-7\r\n").Options.FullScreen);
}

TEST(OptionsFile, WritesCrLfLinesWithOneModifierAndKnownKeysOnly) {
    const TGameOptions options{true, false, true, "Chile"};
    EXPECT_EQ(FormatOptionsText(options, {2, 112}, "q\xF0"),
              "1\r\n0\r\n1\r\nChile\r\n1\r\n1\r\nq\xF0\r\n");
    // Several modifier bits: Alt before Ctrl before Shift. A key that is no F-key writes 0.
    // The boss-key lines and the empty check-text line after them.
    const auto bossLines = [&](uint8_t modifier, uint16_t key) {
        const std::string text = FormatOptionsText(options, {modifier, key}, "");
        return text.substr(text.find("Chile\r\n") + 7);
    };
    EXPECT_EQ(bossLines(7, 123), "1\r\n12\r\n\r\n");
    EXPECT_EQ(bossLines(5, 111), "2\r\n0\r\n\r\n");
    EXPECT_EQ(bossLines(1, 0), "3\r\n0\r\n\r\n");
    EXPECT_EQ(bossLines(8, 124), "0\r\n0\r\n\r\n");
}
