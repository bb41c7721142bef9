// Replays: what recording costs a frame, and what re-running a whole game costs the world server
// (the rules without drawing, as zorvex-world runs them).

#include <benchmark/benchmark.h>

#include <time.h>

#include "SimpleDriver.h"
#include "app/ReplayRerun.h"
#include "harness/GameHarness.h"
#include "race/LevelTables.h"
#include "replay/ReplayFile.h"
#include "replay/ReplayKeyboard.h"
#include "replay/ReplayRecorder.h"

namespace {

// A whole game played by the simple driver, asteroids, opponents and all, at 85 frames a second,
// drawing nothing: until it ends or ten levels' time has gone by. Recorded as any game is.
const TReplay& DrivenGame() {
    static const TReplay replay = [] {
        GameHarness game;
        game.Backend().Screen().BackSurface().SetDrawing(false);
        game.Backend().Screen().SetRefreshRate(85);
        game.EnterRace();
        TSimpleDriver driver(game.Form().Race->State(), game.Backend().Keys());
        int32_t timeLimits = 0;
        for (int32_t level = 1; level <= LevelCount; ++level)
            timeLimits += TimeLimitMs(level);
        const int maxFrames = timeLimits / 12 * 2;
        for (int frame = 0; frame < maxFrames && game.Form().Race->Running(); ++frame) {
            if (game.Form().DialogKind == dkNone)
                driver.Drive();
            game.Frame(12);
        }
        return game.Form().Recorder.Snapshot(game.Form().GameResult());
    }();
    return replay;
}

double ThreadCpuSeconds() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return double(now.tv_sec) + double(now.tv_nsec) * 1e-9;
}

// The server's re-run of the driven game: CPU seconds a run, and per frame.
void RerunWholeGame(benchmark::State& state) {
    const TReplay& replay = DrivenGame();
    uint64_t frames = 0;
    double cpu = 0;
    for (auto _ : state) {
        const double started = ThreadCpuSeconds();
        const TRerunOutcome outcome = RerunReplay(replay, [](uint64_t) { return true; });
        cpu += ThreadCpuSeconds() - started;
        frames += outcome.FramesRun;
    }
    state.counters["frames"] = double(replay.Frames.size());
    state.counters["level"] = replay.Result.Levels;
    state.counters["cpu_s_per_run"] = cpu / double(state.iterations());
    state.counters["us_per_frame"] = cpu / double(frames) * 1e6;
    state.counters["file_bytes"] = double(EncodeReplay(replay).size());
}
BENCHMARK(RerunWholeGame)->Unit(benchmark::kMillisecond)->Iterations(3);

// What the frame loop adds for recording: the polled keys as bits and one frame appended.
void RecordFrame(benchmark::State& state) {
    platform::HeadlessKeyboard keyboard;
    keyboard.SetHeld(platform::vk::Up, true);
    keyboard.Read();
    TReplayRecorder recorder;
    recorder.Begin({});
    uint32_t frame = 0;
    for (auto _ : state) {
        if (++frame == MaxReplayFrames) {
            recorder.Begin({});
            frame = 0;
        }
        recorder.AddFrame(
            {.LagCount = 16, .Keys = HeldReplayKeys(keyboard), .FrameRate = 60, .RefreshRate = 60},
            60, 60);
    }
}
BENCHMARK(RecordFrame)->Unit(benchmark::kNanosecond);

}  // namespace
