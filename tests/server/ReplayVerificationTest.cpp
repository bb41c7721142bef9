// Verified results: a replay re-run with the game's rules verifies the result it was sent with and
// nothing else, hostile replays end within their limits, and the real server shows the verdicts.

#include <gtest/gtest.h>

#include <chrono>
#include <fstream>
#include <iterator>
#include <thread>

#include "replay/ReplayFile.h"
#include "resultcode/ResultCode.h"
#include "server/ReplayCheck.h"
#include "server/ReplayRoutes.h"
#include "server/ReplayVerifier.h"
#include "server/TemporaryFolder.h"
#include "server/WorldLoad.h"
#include "server/WorldServerProcess.h"

namespace {

using world::TVerification;

// Recorded by the release build from the scripted game of tests/replay: "Ace" sending 80 points
// (the result it claims is in its header).
std::string Fixture() {
    std::ifstream in(ZORVEX_REPLAY_FIXTURE, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

resultcode::TWorldResult SentBy(const TReplay& replay) {
    return {replay.Result.Name, replay.Result.Score, replay.Start.Country};
}

world::TVerdict Check(const std::string& file, const resultcode::TWorldResult& claimed,
                      const world::TReplayLimits& limits = {}) {
    const std::atomic<bool> neverStopped = false;
    return world::CheckReplay({1, claimed, file}, limits, neverStopped);
}

TEST(ReplayCheck, VerifiesTheResultPlayedAndNoOther) {
    const std::string file = Fixture();
    const TReplay replay = DecodeReplay(file);
    const auto sent = SentBy(replay);
    EXPECT_EQ(Check(file, sent).State, TVerification::Verified) << Check(file, sent).Reason;

    // Another score sent by hand with the genuine replay, and the replay's own claim edited to
    // match: the re-run still scores what was played.
    auto inflated = sent;
    inflated.Score = 2147483647;
    TReplay edited = replay;
    edited.Result.Score = inflated.Score;
    const world::TVerdict verdict = Check(EncodeReplay(edited), inflated);
    EXPECT_EQ(verdict.State, TVerification::Rejected);
    EXPECT_NE(verdict.Reason.find("not the result sent"), std::string::npos) << verdict.Reason;

    auto renamed = sent;
    renamed.Name = "Bob";
    EXPECT_EQ(Check(file, renamed).State, TVerification::Rejected);
}

// Each ends rejected within its cap: unreadable ones before any re-run, the endless game at the
// frame cap, the costly one at the CPU cap.
TEST(ReplayCheck, HostileReplaysEndWithinTheirLimits) {
    const TReplay genuine = DecodeReplay(Fixture());
    const auto sent = SentBy(genuine);

    std::string noise(4000, '\0');
    for (size_t i = 0; i < noise.size(); ++i)
        noise[i] = static_cast<char>(i * 2654435761u >> 13);
    EXPECT_EQ(Check(noise, sent).State, TVerification::Rejected);

    // A valid header that asks for ten million frames: the frame count is the first of the
    // three numbers before the packed frames, the last of which is their length.
    std::string huge = EncodeReplay(genuine);
    const auto u32At = [&](size_t at) {
        return uint32_t(uint8_t(huge[at])) | uint32_t(uint8_t(huge[at + 1])) << 8 |
               uint32_t(uint8_t(huge[at + 2])) << 16 | uint32_t(uint8_t(huge[at + 3])) << 24;
    };
    size_t countAt = 0;
    while (countAt + 12 < huge.size() && u32At(countAt + 8) != huge.size() - countAt - 12)
        ++countAt;
    ASSERT_EQ(u32At(countAt), genuine.Frames.size());
    for (int byte = 0; byte < 4; ++byte)
        huge[countAt + byte] = char(10'000'000u >> (8 * byte));
    const world::TVerdict tooLong = Check(huge, sent);
    EXPECT_EQ(tooLong.State, TVerification::Rejected);
    EXPECT_NE(tooLong.Reason.find("frame count"), std::string::npos) << tooLong.Reason;

    TReplay otherRules = genuine;
    otherRules.RulesVersion = ReplayRulesVersion + 1;
    EXPECT_NE(Check(EncodeReplay(otherRules), sent).Reason.find("rules version"),
              std::string::npos);

    // Paused at once and never going on: the game never ends.
    TReplay endless = genuine;
    endless.Frames.assign(MaxReplayFrames, {16, 0, 60, 60, 0});
    endless.Frames[200].Keys = 1u << 4;  // P
    endless.Events.clear();
    const world::TVerdict atFrameCap = Check(EncodeReplay(endless), sent, {60, 20000});
    EXPECT_EQ(atFrameCap.State, TVerification::Rejected);
    EXPECT_NE(atFrameCap.Reason.find("over its limits after 20000 frames"), std::string::npos)
        << atFrameCap.Reason;
    const auto started = std::chrono::steady_clock::now();
    const world::TVerdict atCpuCap = Check(EncodeReplay(endless), sent, {0.3, MaxReplayFrames});
    EXPECT_EQ(atCpuCap.State, TVerification::Rejected);
    EXPECT_NE(atCpuCap.Reason.find("over its limits"), std::string::npos) << atCpuCap.Reason;
    EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::seconds(30));
}

// The real server on loopback: a result with its replay ends verified, one sent by hand without a
// replay stays unverified, the page marks and filters them and hands the replay back.
TEST(ReplayVerification, TheServerVerifiesTheResultItSawPlayed) {
    const worldtest::TTemporaryFolder folder;
    worldtest::TWorldServerProcess server(folder.SqliteUrl());
    const std::string file = Fixture();
    const auto sent = SentBy(DecodeReplay(file));
    const std::string code = resultcode::Encode(resultcode::BuildMessage(sent));

    EXPECT_EQ(server.Post("/replay?inf=" + code, file).Status, 404);  // no result to pair with
    ASSERT_EQ(server.Get(worldtest::SubmitTarget(sent)).Status, 200);
    ASSERT_EQ(server.Get(worldtest::SubmitTarget({"Cheat", 2147483647, ""})).Status, 200);
    EXPECT_EQ(server.Post("/replay?inf=" + code, std::string(70 * 1024, 'x')).Status, 413);
    ASSERT_EQ(server.Post("/replay?inf=" + code, file).Status, 202);

    std::string page;
    for (int i = 0; i < 300; ++i) {
        page = server.Get(worldtest::WorldPageTarget).Body;
        if (page.find("verified <a") != std::string::npos)
            break;
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
    const size_t cheat = page.find("<td>Cheat</td>");
    const size_t ace = page.find("<td>Ace</td>");
    ASSERT_NE(cheat, std::string::npos);
    ASSERT_NE(ace, std::string::npos);
    EXPECT_EQ(page.substr(cheat, page.find("</tr>", cheat) - cheat).find("replay"),
              std::string::npos);
    const std::string aceRow = page.substr(ace, page.find("</tr>", ace) - ace);
    EXPECT_NE(aceRow.find("&#10004; verified <a href=\"/replay?id=1\">"), std::string::npos)
        << aceRow;

    const std::string verifiedPage =
        server.Get(std::string(worldtest::WorldPageTarget) + "&verified=1").Body;
    EXPECT_NE(verifiedPage.find("<td>Ace</td>"), std::string::npos);
    EXPECT_EQ(verifiedPage.find("<td>Cheat</td>"), std::string::npos);

    const worldtest::TAnswer download = server.Get("/replay?id=1");
    EXPECT_EQ(download.Status, 200);
    EXPECT_EQ(download.Body, file);
    EXPECT_EQ(server.Get("/replay?id=2").Status, 404);
    EXPECT_EQ(server.Stop(), 0);
}

}  // namespace
