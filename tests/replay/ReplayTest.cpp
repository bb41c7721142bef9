// A game recorded and played again: the same ship on every frame, the same result; the file
// round trip, and what the reader refuses.

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <iterator>

#include "ScriptedGame.h"
#include "app/ReplayRerun.h"
#include "app/ReplayRun.h"
#include "platform/Keys.h"
#include "replay/ReplayFile.h"
#include "replay/ReplayFolder.h"

namespace {

bool Unlimited(uint64_t) {
    return true;
}

std::string ReadWhole(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

class ReplayedGame : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        GameHarness game;
        ASSERT_TRUE(game.StartedUp());
        played_ = new TScriptedGame(PlayScriptedGame(game, 1200));
        game.Form().Replays.Wait();
        lastKept_ =
            new std::string(ReadWhole(game.Form().Replays.Path() + "/" + TReplayFolder::LastName));
    }
    static void TearDownTestSuite() {
        delete played_;
        delete lastKept_;
    }
    static TScriptedGame* played_;
    static std::string* lastKept_;
};
TScriptedGame* ReplayedGame::played_ = nullptr;
std::string* ReplayedGame::lastKept_ = nullptr;

// Played back through the frame loop, the game is the same on every frame, not only at the end:
// a lag, a key, a modifier or a pointer move that was not recorded shows up as a drift.
TEST_F(ReplayedGame, PlaysBackTheSameShipOnEveryFrame) {
    const TReplay replay = DecodeReplay(played_->ReplayFile);
    GameHarness viewer(99);  // another seed: the replay's own must take over
    ASSERT_TRUE(viewer.StartedUp());
    TReplayRun run(viewer.Form(), replay);
    size_t frame = 0;
    while (run.Step() && frame < played_->Places.size()) {
        if (!viewer.Form().Race->Running())
            break;
        ASSERT_EQ(PlaceOf(viewer.Form()), played_->Places[frame]) << "frame " << frame;
        ++frame;
    }
    EXPECT_EQ(frame, played_->Places.size());
    EXPECT_GT(played_->Places.back().Score, 0) << "the script scores nothing: a weak test";
}

// The re-run draws nothing and reads no file, and sends the very result the game sent.
TEST_F(ReplayedGame, RerunSendsTheSameResult) {
    const TReplay replay = DecodeReplay(played_->ReplayFile);
    const TRerunOutcome outcome = RerunReplay(replay, Unlimited);
    ASSERT_EQ(outcome.End, TRerunOutcome::TEnd::Sent);
    EXPECT_EQ(outcome.ResultCode, played_->ResultCode);
    EXPECT_EQ(outcome.Reached, replay.Result);
    EXPECT_EQ(outcome.Reached.Name, "Ace");
    EXPECT_EQ(outcome.Reached.Score, played_->Places.back().Score);
}

// The file kept as the last game is the one sent, and the frames that ran while it was sent,
// and reads back field for field.
TEST_F(ReplayedGame, KeepsTheLastGameAndReadsItBack) {
    const TReplay sent = DecodeReplay(played_->ReplayFile);
    const TReplay replay = DecodeReplay(*lastKept_);
    EXPECT_EQ(replay.Start, sent.Start);
    EXPECT_EQ(replay.Result, sent.Result);
    ASSERT_GT(replay.Frames.size(), sent.Frames.size());
    EXPECT_TRUE(std::equal(sent.Frames.begin(), sent.Frames.end(), replay.Frames.begin()));
    EXPECT_EQ(DecodeReplay(EncodeReplay(replay)), replay);
    EXPECT_EQ(replay.Start.Country, "");
    EXPECT_EQ(replay.Start.QualifyScore, -1);
}

// Recorded by another build (the release build records it: tests/replay/record-fixture), the
// fixture re-runs here to the result it claims: the rules give the same bits in every build.
TEST(ReplayFixture, RerunsToTheResultItRecorded) {
    const TReplay replay = DecodeReplay(ReadWhole(ZORVEX_REPLAY_FIXTURE));
    const TRerunOutcome outcome = RerunReplay(replay, Unlimited);
    ASSERT_EQ(outcome.End, TRerunOutcome::TEnd::Sent);
    EXPECT_EQ(outcome.Reached, replay.Result);
    EXPECT_GT(replay.Result.Score, 0);
}

TEST(ReplayFile, RefusesDamagedForeignAndOtherRules) {
    TReplay replay;
    replay.Start.Ship = 3;
    replay.Result = {"Ace", 1234, 2};
    replay.Frames = {{16, 1, 60, 60, 1}, {17, 0, 60, 60, 0}};
    replay.Events = {{.Kind = platform::EventKind::Character, .Character = 'a'}};
    const std::string file = EncodeReplay(replay);
    ASSERT_EQ(DecodeReplay(file), replay);

    const auto kindOf = [](const std::string& bytes) {
        try {
            DecodeReplay(bytes);
        } catch (const EReplayError& error) {
            return static_cast<int>(error.Kind);
        }
        return -1;
    };
    const int damaged = static_cast<int>(EReplayError::TKind::Damaged);
    for (size_t length = 0; length < file.size(); ++length)
        EXPECT_EQ(kindOf(file.substr(0, length)), damaged) << "cut at " << length;
    EXPECT_EQ(kindOf(file + "x"), damaged);
    EXPECT_EQ(kindOf("PK\x03\x04 something else entirely"), damaged);

    TReplay otherRules = replay;
    otherRules.RulesVersion = ReplayRulesVersion + 1;
    EXPECT_EQ(kindOf(EncodeReplay(otherRules)),
              static_cast<int>(EReplayError::TKind::RulesVersion));

    TReplay tooMany = replay;
    tooMany.Frames.assign(MaxReplayFrames + 1, {16, 0, 60, 60, 0});
    tooMany.Events.clear();
    EXPECT_EQ(kindOf(EncodeReplay(tooMany)), damaged);

    TReplay noSuchShip = replay;
    noSuchShip.Start.Ship = 6;
    EXPECT_EQ(kindOf(EncodeReplay(noSuchShip)), damaged);

    TReplay timeBackwards = replay;
    timeBackwards.Frames[1].LagCount = 0;
    EXPECT_EQ(kindOf(EncodeReplay(timeBackwards)), damaged);
}

}  // namespace

namespace {

// A replays folder that cannot be made (a file stands in its place, as a read-only or full disk
// would refuse it): every game's replay is lost, the player is told once, and the options and
// high scores are saved as ever.
TEST(ReplayFolder, AFolderThatTakesNoReplaysCostsOnlyTheReplays) {
    GameHarness game;
    ASSERT_TRUE(game.StartedUp());
    std::ofstream(game.SaveFolder() + "/replays") << "not a folder";
    game.Form().Options.Country = "Kept";
    testing::internal::CaptureStderr();
    for (int played = 0; played < 2; ++played) {
        game.EnterRace();
        game.Frames(140);  // the level caption
        game.KeyDown(platform::vk::Escape);
        game.Frame();
        game.KeyUp(platform::vk::Escape);
        game.KeyDown(platform::vk::Letter('Y'));
        game.Frames(3);
        game.KeyUp(platform::vk::Letter('Y'));
        game.Frames(3);
        ASSERT_FALSE(game.Form().Recorder.Recording()) << "game " << played << " did not end";
        game.Form().Replays.Wait();
    }
    const std::string told = testing::internal::GetCapturedStderr();
    EXPECT_EQ(told.find("the replay is not kept"), told.rfind("the replay is not kept")) << told;
    EXPECT_NE(told.find("the replay is not kept"), std::string::npos);
    game.Form().Shutdown();
    EXPECT_EQ(game.Form().ExitCode(), 0);
    EXPECT_NE(ReadWhole(game.SaveFolder() + "/options").find("Kept"), std::string::npos);
    EXPECT_FALSE(ReadWhole(game.SaveFolder() + "/hs").empty());
}

}  // namespace

namespace {

// The best game stays until a higher score comes; the last is always the last.
TEST(ReplayFolder, KeepsTheLastGameAndTheBestByScore) {
    GameHarness game(1, false);
    TReplayFolder folder(game.SaveFolder());
    const auto keep = [&](int32_t score) {
        TReplay replay;
        replay.Result = {"Ace", score, 1};
        folder.Keep(replay);
        folder.Wait();
    };
    const auto scoreOf = [&](const char* name) {
        return DecodeReplay(ReadWhole(folder.Path() + "/" + name)).Result.Score;
    };
    keep(50);
    keep(30);
    EXPECT_EQ(scoreOf(TReplayFolder::LastName), 30);
    EXPECT_EQ(scoreOf(TReplayFolder::BestName), 50);
    keep(50);
    keep(70);
    EXPECT_EQ(scoreOf(TReplayFolder::BestName), 70);
    EXPECT_EQ(scoreOf(TReplayFolder::LastName), 70);
}

}  // namespace
