// The server's reading of a request: exactly the two requests the game and a browser make, and
// nothing else, whatever the bytes.

#include <gtest/gtest.h>

#include "resultcode/ResultCode.h"
#include "server/WorldRequest.h"

namespace {

using world::ParseWorldRequest;

std::string Code(std::string_view message) {
    return resultcode::Encode(message);
}

// message with the "0" padding the game would give it.
std::string Padded(std::string message) {
    message.append((5 - message.size() % 5) % 5, '0');
    return message;
}

TEST(WorldRequest, ReadsTheRequestsTheGameAndABrowserMake) {
    const resultcode::TWorldResult result = {"DROP TABLE x", -2147483647 - 1, "OR 1 1"};
    const std::string code = Code(resultcode::BuildMessage(result));
    for (const std::string& query :
         {"hs&prg=Zorvex&inf=" + code, "inf=" + code + "&hs&prg=Zorvex"}) {
        const auto parsed = ParseWorldRequest("/cgi/version.pl", query);
        ASSERT_TRUE(parsed) << query;
        ASSERT_TRUE(std::holds_alternative<world::TSubmitRequest>(*parsed));
        EXPECT_EQ(std::get<world::TSubmitRequest>(*parsed).Result, result);
    }
    for (const char* query : {"prg=Zorvex&show&type=0", "show&type=0&prg=Zorvex"}) {
        const auto parsed = ParseWorldRequest("/cgi/version.pl", query);
        ASSERT_TRUE(parsed) << query;
        EXPECT_TRUE(std::holds_alternative<world::TShowPageRequest>(*parsed));
    }
}

TEST(WorldRequest, RefusesEverythingElse) {
    const std::string good = Code(resultcode::BuildMessage({"Ace", 7, "Norway"}));
    // "type=0|name=Ace|score=7|key=K|p=|add=|z=" is 40 bytes: one more block of padding is wrong.
    const std::string overPadded = Code("type=0|name=Ace|score=7|key=K|p=|add=|z=00000");
    const std::string badKey = Code("type=0|name=Ace|score=7|key=Q|p=|add=|z=");
    const std::string markup = Code(Padded("type=0|name=<b>|score=7|key=K|p=|add=|z="));
    const std::string thirteen = Code(Padded("type=0|name=ABCDEFGHIJKLM|score=7|key=K|p=|add=|z="));
    const std::string longCountry =
        Code(Padded("type=0|name=A|score=7|key=K|p=|add=ABCDEFGHIJKLMNOPQ|z="));
    const std::string bigScore = Code(Padded("type=0|name=A|score=2147483648|key=K|p=|add=|z="));
    const std::string queries[] = {
        "",
        "hs&prg=Zorvex",
        "hs&prg=Zorvex&inf=",
        "hs=1&prg=Zorvex&inf=" + good,
        "hs&prg=zorvex&inf=" + good,
        "hs&prg=Zorvex&inf=" + good + "&x",
        "hs&hs&inf=" + good,
        "hs&prg=Zorvex&prg=Zorvex&inf=" + good,
        "hs&prg=Zorvex&inf=" + good + "Q7XK2MVD",  // one more block of code
        "hs&prg=Zorvex&inf=" + good.substr(0, good.size() - 1),
        "hs&prg=Zorvex&inf=" + std::string(good).replace(3, 1, "%41"),
        "hs&prg=Zorvex&inf=" + std::string(good).replace(3, 1, "\x01"),
        "hs&prg=Zorvex&inf=" + std::string(good).replace(3, 1, "\xff"),
        "hs&prg=Zorvex&inf=' OR '1'='1",
        "hs&prg=Zorvex&inf=" + overPadded,
        "hs&prg=Zorvex&inf=" + badKey,
        "hs&prg=Zorvex&inf=" + markup,
        "hs&prg=Zorvex&inf=" + thirteen,
        "hs&prg=Zorvex&inf=" + longCountry,
        "hs&prg=Zorvex&inf=" + bigScore,
        "prg=Zorvex&show&type=1",
        "prg=Zorvex&show=1&type=0",
        "prg=Zorvex&show&&type=0",
        "prg=Zorvex&show&type=0&",
        std::string("prg=Zorvex&show&type=0\0", 23),
    };
    for (const std::string& query : queries)
        EXPECT_FALSE(ParseWorldRequest("/cgi/version.pl", query)) << query;
    for (const char* path : {"/cgi/version.pl/", "/cgi/version%2Epl", "/", "/cgi/versionXpl"})
        EXPECT_FALSE(ParseWorldRequest(path, "prg=Zorvex&show&type=0")) << path;
}

}  // namespace
