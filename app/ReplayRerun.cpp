#include "app/ReplayRerun.h"

#include <string_view>

#include "app/ReplayRun.h"
#include "app/Zorvex_unit.h"
#include "platform/headless/HeadlessBackend.h"

namespace {

// The inf= parameter of a sent result's address.
std::string CodeOf(std::string_view url) {
    const size_t at = url.find("inf=");
    return at == std::string_view::npos ? "" : std::string(url.substr(at + 4));
}

}  // namespace

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
    const auto& sent = backend.Http().Requests();
    while (sent.empty() && !run.Finished()) {
        if (!withinBudget(run.FramesRun())) {
            outcome.End = TRerunOutcome::TEnd::OverBudget;
            break;
        }
        run.Step();
    }
    if (!sent.empty()) {
        outcome.End = TRerunOutcome::TEnd::Sent;
        outcome.ResultCode = CodeOf(sent.front());
    }
    outcome.Reached = form.GameResult();
    outcome.FramesRun = run.FramesRun();
    return outcome;
}
