#include "app/ReplayRerun.h"

#include "app/ReplayRun.h"
#include "app/Zorvex_unit.h"
#include "platform/headless/HeadlessBackend.h"
#include "resultcode/ResultCode.h"

TRerunOutcome RerunReplay(const TReplay& replay,
                          const std::function<bool(uint64_t framesRun)>& withinBudget) {
    platform::HeadlessBackend backend;
    backend.Screen().BackSurface().SetDrawing(false);
    // The seed is the replay's, set when its game starts; the menus before it draw nothing.
    TMForm form(backend, 0, "", TSaveUse::None);
    TRerunOutcome outcome;
    if (!form.FormCreate()) {
        outcome.End = TRerunOutcome::TEnd::NoGameData;
        return outcome;
    }
    TReplayRun run(form, replay);
    while (!form.SentResult && !run.Finished()) {
        if (!withinBudget(run.FramesRun())) {
            outcome.End = TRerunOutcome::TEnd::OverBudget;
            break;
        }
        run.Step();
    }
    if (form.SentResult) {
        outcome.End = TRerunOutcome::TEnd::Sent;
        outcome.ResultCode = resultcode::Encode(resultcode::BuildMessage(*form.SentResult));
    }
    outcome.Reached = form.GameResult();
    outcome.FramesRun = run.FramesRun();
    return outcome;
}
