// The result message and its 5-bit code, as the game writes them and the world server reads them.

#include <gtest/gtest.h>

#include "resultcode/ResultCode.h"
#include "resultcode/ResultMessage.h"

using namespace resultcode;

TEST(ResultCode, EachFiveBitGroupMostSignificantFirstPicksATableCharacter) {
    // 00001 repeated eight times: table character 1, eight times.
    EXPECT_EQ(Encode("\x08\x42\x10\x84\x21"), std::string(8, EncodingTable[1]));
    // 11111 00000 ...: the last character, then the first.
    EXPECT_EQ(Encode("\xF8\x3E\x0F\x83\xE0"), "UQUQUQUQ");
    EXPECT_EQ(Decode("UQUQUQUQ"), "\xF8\x3E\x0F\x83\xE0");
    // Not a multiple of five bytes: zero bits go in front of the bit text.
    EXPECT_EQ(Encode("\x01"), (std::string{EncodingTable[0], EncodingTable[1]}));
    EXPECT_EQ(Decode("Q7XK2MV"), std::nullopt) << "not a multiple of eight characters";
    EXPECT_EQ(Decode("Q7XK2MV="), std::nullopt) << "a character outside the table";
}

TEST(ResultMessage, PaddingMakesAMultipleOfFiveAndNoneWhenItAlreadyIs) {
    EXPECT_EQ(BuildMessage({"Ace", 1234, "Mars"}),
              "type=0|name=Ace|score=1234|key=K|p=|add=Mars|z=000");
    // 50 characters without padding: a multiple of five already.
    EXPECT_EQ(BuildMessage({"Aceman", 1234, "Mars"}),
              "type=0|name=Aceman|score=1234|key=K|p=|add=Mars|z=");
    // An empty country: "|add=" directly followed by "|z=".
    EXPECT_EQ(BuildMessage({"Ace", 77, ""}), "type=0|name=Ace|score=77|key=K|p=|add=|z=0000");
}

TEST(ResultMessage, EveryAllowedCharacterSurvivesTheRoundTripThroughTheCode) {
    std::string allowed;
    for (int c = 0; c < 256; ++c)
        if (IsNameCharacter(static_cast<char>(c)))
            allowed += static_cast<char>(c);
    ASSERT_EQ(allowed.size(), 63u);
    for (size_t start = 0; start < allowed.size(); start += 12) {
        const TWorldResult result = {allowed.substr(start, 12), 2147483647,
                                     allowed.substr(allowed.size() - 1 - start / 4, 16)};
        const std::string text = Encode(BuildMessage(result));
        const auto message = Decode(text);
        ASSERT_TRUE(message);
        EXPECT_EQ(ParseMessage(*message), result) << *message;
    }
    EXPECT_EQ(ParseMessage(BuildMessage({"", -2147483647 - 1, ""})),
              (TWorldResult{"", -2147483647 - 1, ""}));
}

TEST(ResultMessage, TheServerTakesOnlyWhatTheGameWrites) {
    const std::string good = BuildMessage({"Ace", 1234, "Mars"});
    ASSERT_TRUE(ParseMessage(good));
    // Each is a multiple of five long, so each is refused for what it holds.
    const char* bad[] = {
        "type=0|name=Ace|score=1234|key=K|p=|add=Mars|z=00000000",       // padding too long
        "type=0|name=Ace|score=1234|key=K|p=|add=Mars|z=001",            // padding not zeros
        "type=0|name=Ace|score=01234|key=K|p=|add=Mars|z=00",            // leading zero
        "type=0|name=Ace|score=-0|key=K|p=|add=Mars|z=",                 // minus zero
        "type=0|name=Ace|score=2147483648|key=K|p=|add=Mars|z=00",       // past 32 bits
        "type=0|name=Ace|score=12a4|key=K|p=|add=Mars|z=000",            // not a number
        "type=0|name=Ace|score=1234|key=Q|p=|add=Mars|z=000",            // another key letter
        "type=0|name=Ace|score=1234|key=K|p=x|add=Mars|z=00",            // p not empty
        "type=0|name=Ace;--|score=1234|key=K|p=|add=Mars|z=",            // SQL
        "type=0|name=<b>Ace</b>|score=1|key=K|p=|add=|z=000",            // markup
        "type=0|name=ThirteenChars|score=1|key=K|p=|add=|z=",            // name too long
        "type=0|name=Ace|score=1|key=K|p=|add=Seventeen Letters|z=000",  // country too long
        "type=1|name=Ace|score=1234|key=K|p=|add=Mars|z=000",            // another type
        "type=0|name=Ace|score=1234|key=K|p=|add=Mars|z=000|x=00",       // one more field
        "",
    };
    for (const char* message : bad)
        EXPECT_EQ(ParseMessage(message), std::nullopt) << message;
    EXPECT_EQ(ParseMessage(std::string_view("type=0|name=A\0e|score=1|key=K|p=|add=|z=", 40)),
              std::nullopt)
        << "a NUL byte";
}
