// The game's online services: the real HTTP client against a server on loopback, the result as it
// leaves the game and the frames that run while it is sent, the web pages it opens and the
// shortcut at exit.

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <optional>
#include <thread>

#include "LoopbackServer.h"
#include "harness/GameHarness.h"
#include "online/WorldOnline.h"
#include "online/WorldServer.h"
#include "platform/ThreadedHttpJob.h"
#include "resultcode/ResultCode.h"
#include "resultcode/ResultMessage.h"

namespace {

using TAnswer = TLoopbackServer::TAnswer;
using namespace std::chrono_literals;

const platform::HttpLimits ShortLimits{.Connect = 500ms, .Total = 1000ms, .MaxBodyBytes = 1024};

// Sets ZORVEX_WORLD_SERVER for one test.
class TWorldServerVariable {
public:
    explicit TWorldServerVariable(const std::string& value) {
        setenv("ZORVEX_WORLD_SERVER", value.c_str(), 1);
    }
    ~TWorldServerVariable() { unsetenv("ZORVEX_WORLD_SERVER"); }
};

}  // namespace

TEST(HttpClient, GetsTheBodyWithTheGamesHeadersAndNoProxy) {
    TLoopbackServer server(TAnswer::Ok);
    setenv("http_proxy", "http://127.0.0.1:1", 1);  // would refuse the request if it were used
    const auto body = platform::CreateCurlHttpClient(ShortLimits)
                          ->Get("http://" + server.Address() + "/cgi/version.pl?hs&inf=AB", {});
    unsetenv("http_proxy");
    EXPECT_EQ(body, "ok");
    const std::string request = server.LastRequest();
    EXPECT_TRUE(request.starts_with("GET /cgi/version.pl?hs&inf=AB HTTP/1.1\r\n")) << request;
    EXPECT_NE(request.find("\r\nAccept: text/html, */*"), std::string::npos) << request;
    EXPECT_NE(request.find("\r\nContent-Type: text/html"), std::string::npos) << request;
}

TEST(HttpClient, EveryFailureIsNothingAndNoneTakesLongerThanTheTimeOut) {
    const auto client = platform::CreateCurlHttpClient(ShortLimits);
    for (const TAnswer answer : {TAnswer::ServerError, TAnswer::Silent, TAnswer::EndlessBody}) {
        TLoopbackServer server(answer);
        const auto start = std::chrono::steady_clock::now();
        EXPECT_EQ(client->Get("http://" + server.Address() + "/", {}), std::nullopt);
        // A generous bound: the point is that it ends, not how fast.
        EXPECT_LT(std::chrono::steady_clock::now() - start, 10s);
    }
    uint16_t closedPort;
    {
        TLoopbackServer gone(TAnswer::Ok);
        closedPort = gone.Port();
    }
    EXPECT_EQ(client->Get("http://127.0.0.1:" + std::to_string(closedPort) + "/", {}),
              std::nullopt);
    EXPECT_EQ(client->Get("file:///etc/passwd", {}), std::nullopt) << "http and https only";
}

// A job is a list: each request is made after the one before has ended, and answered in its place.
TEST(HttpJob, MakesItsRequestsInOrderOnItsThreadAndAnswersEach) {
    TLoopbackServer failing(TAnswer::ServerError);
    TLoopbackServer late(TAnswer::Late);
    const auto client = platform::CreateCurlHttpClient();
    platform::ThreadedHttpJob job(*client, {{"http://" + failing.Address() + "/first"},
                                            {"http://" + late.Address() + "/second"}});
    EXPECT_FALSE(job.Done()) << "the late server holds the second answer";
    const auto giveUp = std::chrono::steady_clock::now() + 30s;
    while (!job.Done() && std::chrono::steady_clock::now() < giveUp)
        std::this_thread::sleep_for(10ms);
    ASSERT_TRUE(job.Done());
    EXPECT_EQ(job.Answers(), (std::vector<platform::HttpAnswer>{std::nullopt, "ok"}));
    EXPECT_TRUE(failing.LastRequest().starts_with("GET /first "));
    EXPECT_TRUE(late.LastRequest().starts_with("GET /second "));
}

TEST(WorldOnline, TheSentResultDecodesToTheNameScoreAndCountryOnTheChosenServer) {
    const TWorldServerVariable server("127.0.0.1:9");
    GameHarness game;
    ASSERT_TRUE(game.StartedUp());
    game.Form().Online.SendWorldResult("Ace 7", 7500, "New Zealand");
    const auto& requests = game.Backend().Http().Requests();
    ASSERT_EQ(requests.size(), 1u);
    const std::string prefix = "http://127.0.0.1:9/cgi/version.pl?hs&prg=Zorvex&inf=";
    ASSERT_TRUE(requests[0].starts_with(prefix)) << requests[0];
    const auto message = resultcode::Decode(requests[0].substr(prefix.size()));
    ASSERT_TRUE(message);
    EXPECT_EQ(resultcode::ParseMessage(*message),
              (resultcode::TWorldResult{"Ace 7", 7500, "New Zealand"}));
}

TEST(WorldOnline, TheServerVariableMustBeAHostOrHostAndPort) {
    for (const char* bad : {"evil.example/path?x=", "host:port", "a b", "user@host", ":80"}) {
        const TWorldServerVariable server(bad);
        testing::internal::CaptureStderr();
        EXPECT_EQ(WorldServer(), WorldServerDefault) << bad;
        EXPECT_NE(testing::internal::GetCapturedStderr().find("ZORVEX_WORLD_SERVER"),
                  std::string::npos);
    }
    const TWorldServerVariable server("scores.example.org:8080");
    EXPECT_EQ(WorldServer(), "scores.example.org:8080");
}

TEST(WorldOnline, TheMenusOpenTheHomePageAndTheWorldPage) {
    const TWorldServerVariable server("127.0.0.1:9");
    GameHarness game;
    ASSERT_TRUE(game.StartedUp());
    TMForm& form = game.Form();
    while (form.MainMenu.IntroRunning())
        game.Frame();
    form.ChooseMenuItem(5);
    form.ChooseMenuItem(4);
    ASSERT_EQ(form.ScreenKind, skHighScores);
    form.ChooseMenuItem(8);
    EXPECT_EQ(game.Backend().OpenedUrls(),
              (std::vector<std::string>{
                  HomePageUrl, "http://127.0.0.1:9/cgi/version.pl?prg=Zorvex&show&type=0"}));
}

TEST(WorldOnline, AShortcutOpensOnlyItsWebAddress) {
    EXPECT_EQ(ShortcutUrl("[InternetShortcut]\r\nURL=https://example.org/play\r\n"),
              "https://example.org/play");
    EXPECT_EQ(ShortcutUrl("[Other]\nURL=http://a.example/\n[InternetShortcut]\nIconIndex=0\n"
                          "URL=http://b.example/x\n"),
              "http://b.example/x");
    EXPECT_EQ(ShortcutUrl("[Other]\nURL=http://a.example/\n"), "") << "outside the section";
    for (const char* unsafe : {"file:///etc/passwd", "javascript:alert(1)", "http://", "/bin/sh",
                               "http://a.example/ --new-window", "http://a\"b"})
        EXPECT_EQ(ShortcutUrl(std::string("[InternetShortcut]\nURL=") + unsafe + "\n"), "")
            << unsafe;
}

namespace {

// A game on the last frame of a race, with "Sending..." just opened and its request passed on to
// the real client.
void OpenSendingOverARace(GameHarness& game, const platform::HttpLimits& limits) {
    game.Backend().Http().PassOnTo(platform::CreateCurlHttpClient(limits));
    game.EnterRace();
    game.Form().CloseDialog();  // the level caption
    game.Form().OpenDialog(dkSending);
}

}  // namespace

TEST(WorldOnline, FramesRunOnWhileTheServerHoldsTheAnswerAndTheTableOpensAfterIt) {
    TLoopbackServer server(TAnswer::Late);
    const TWorldServerVariable variable(server.Address());
    GameHarness game;
    ASSERT_TRUE(game.StartedUp());
    OpenSendingOverARace(game, {});
    TMForm& form = game.Form();
    const auto& screen = game.Backend().Screen();
    std::optional<int> frameWhenReceived;
    const auto giveUp = std::chrono::steady_clock::now() + 30s;
    while (form.DialogKind == dkSending && std::chrono::steady_clock::now() < giveUp) {
        if (!frameWhenReceived && !server.LastRequest().empty()) {
            frameWhenReceived = screen.FrameCount();
            std::filesystem::create_directories("screenshots");
            EXPECT_TRUE(game.SaveScreenshot("screenshots/sending-while-the-server-holds.png"));
        }
        game.Frame();
        std::this_thread::sleep_for(10ms);
    }
    ASSERT_TRUE(frameWhenReceived) << "the request reached the server while the dialog was open";
    // The server holds the answer for 2 s; a frame that waited for it would be the only one.
    EXPECT_GT(screen.FrameCount() - *frameWhenReceived, 10);
    EXPECT_EQ(form.DialogKind, dkNone);
    EXPECT_EQ(form.ScreenKind, skHighScores);
    EXPECT_TRUE(server.LastRequest().starts_with("GET /cgi/version.pl?hs&prg=Zorvex&inf="));
}

TEST(WorldOnline, AGameClosedWhileSendingCancelsTheRequestInsteadOfWaitingForIt) {
    TLoopbackServer server(TAnswer::Silent);
    const TWorldServerVariable variable(server.Address());
    auto game = std::make_unique<GameHarness>();
    ASSERT_TRUE(game->StartedUp());
    // Time-outs far longer than the bound below: only the cancel can end the request in time.
    OpenSendingOverARace(*game, {.Connect = 60s, .Total = 60s, .MaxBodyBytes = 1024});
    const auto giveUp = std::chrono::steady_clock::now() + 30s;
    while (server.LastRequest().empty() && std::chrono::steady_clock::now() < giveUp)
        game->Frame();
    ASSERT_EQ(game->Form().DialogKind, dkSending);
    game->Form().Shutdown();
    const auto start = std::chrono::steady_clock::now();
    game.reset();
    // A generous bound: the point is that it does not wait for the time-out.
    EXPECT_LT(std::chrono::steady_clock::now() - start, 10s);
}
