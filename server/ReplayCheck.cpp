#include "server/ReplayCheck.h"

#include <time.h>

#include "app/ReplayRerun.h"
#include "replay/ReplayFile.h"
#include "resultcode/ResultCode.h"

namespace world {

namespace {

// CPU time of the calling thread: a busy machine slows the re-run down without costing it budget.
double ThreadCpuSeconds() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return double(now.tv_sec) + double(now.tv_nsec) * 1e-9;
}

TVerdict Rejected(std::string reason) {
    return {TVerification::Rejected, std::move(reason)};
}

}  // namespace

TVerdict CheckReplay(const TReplayJob& job, const TReplayLimits& limits,
                     const std::atomic<bool>& stop) {
    TReplay replay;
    try {
        replay = DecodeReplay(job.File);
    } catch (const EReplayError& error) {
        return Rejected(error.what());
    }
    const double started = ThreadCpuSeconds();
    // The clock is read once every 256 frames: a few microseconds of a re-run that takes seconds.
    const auto withinBudget = [&](uint64_t framesRun) {
        if (framesRun >= limits.MaxFrames || stop.load(std::memory_order_relaxed))
            return false;
        return framesRun % 256 != 0 || ThreadCpuSeconds() - started < limits.MaxCpuSeconds;
    };
    const TRerunOutcome outcome = RerunReplay(replay, withinBudget);
    using TEnd = TRerunOutcome::TEnd;
    switch (outcome.End) {
        case TEnd::NoGameData:
            return Rejected("the server cannot load the game's data files");
        case TEnd::OverBudget:
            if (stop)
                return {TVerification::Pending, "the server stopped"};
            return Rejected("the re-run went over its limits after " +
                            std::to_string(outcome.FramesRun) + " frames");
        case TEnd::NoResult:
            return Rejected("the game sent no result in " + std::to_string(outcome.FramesRun) +
                            " frames");
        case TEnd::Sent:
            break;
    }
    if (outcome.ResultCode != resultcode::Encode(resultcode::BuildMessage(job.Claimed)))
        return Rejected("the re-run sent \"" + outcome.Reached.Name + "\" with " +
                        std::to_string(outcome.Reached.Score) + ", not the result sent");
    if (outcome.Reached.Levels != replay.Result.Levels)
        return Rejected("the re-run ended on level " + std::to_string(outcome.Reached.Levels) +
                        ", not the level the replay claims");
    return {TVerification::Verified, ""};
}

}  // namespace world
