#include "replay/ReplayFolder.h"

#include <cstdio>
#include <utility>

#include "replay/ReplayFile.h"

TReplayFolder::TReplayFolder(const std::string& saveFolder)
    : path_(saveFolder + "/replays"), folder_(path_) {}

TReplayFolder::~TReplayFolder() {
    Wait();
}

void TReplayFolder::Wait() {
    if (writing_)
        writing_->Wait();
}

void TReplayFolder::Keep(TReplay replay) {
    writing_.reset();  // waits for the write before
    writing_.emplace([this, kept = std::move(replay)] { Write(kept); });
}

void TReplayFolder::Write(const TReplay& replay) {
    const std::string bytes = EncodeReplay(replay);
    if (!Replace(LastName, bytes))
        return;
    bool better = true;
    if (const auto best = folder_.Read(BestName, MaxReplayFileBytes)) {
        try {
            better = replay.Result.Score > DecodeReplay(*best).Result.Score;
        } catch (const EReplayError&) {
            // A damaged best, or one of older rules: the new game takes its place.
        }
    }
    if (better)
        Replace(BestName, bytes);
}

bool TReplayFolder::Replace(const char* name, const std::string& bytes) {
    if (folder_.Stage(name, bytes) && folder_.CanReplace(name) && folder_.Commit(name))
        return true;
    folder_.Discard(name);
    if (!toldFailure_.exchange(true))
        std::fprintf(stderr, "Zorvex: the replay is not kept: %s\n", folder_.Failure().c_str());
    return false;
}
