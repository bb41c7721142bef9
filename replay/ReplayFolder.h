#pragma once
// Data/Save/replays: the last game and the best game by score, each a replay file. Written in the
// background (platform/BackgroundWork) so that no frame waits for the disk; a full disk or a
// read-only folder costs the replay only (never the options or high-score files) and is told once
// on stderr.

#include <atomic>
#include <optional>
#include <string>

#include "platform/BackgroundWork.h"
#include "replay/Replay.h"
#include "save/SaveFolder.h"

// Far above a real game's file (tens of kilobytes); a bigger file is not read in full.
constexpr size_t MaxReplayFileBytes = 8u << 20;

class TReplayFolder {
public:
    // saveFolder holds the options and high-score files; the replays go in its "replays" folder.
    explicit TReplayFolder(const std::string& saveFolder);
    // Waits for a write still running.
    ~TReplayFolder();
    TReplayFolder(const TReplayFolder&) = delete;
    TReplayFolder& operator=(const TReplayFolder&) = delete;

    static constexpr const char* LastName = "last.zvr";
    static constexpr const char* BestName = "best.zvr";

    // Keeps the game as the last one, and as the best one when its score is higher than the kept
    // best's (or no readable best is kept).
    void Keep(TReplay replay);
    // Waits until the files of every Keep so far are written (or have failed).
    void Wait();
    const std::string& Path() const { return path_; }

private:
    void Write(const TReplay& replay);
    bool Replace(const char* name, const std::string& bytes);

    std::string path_;
    TSaveFolder folder_;
    std::optional<platform::BackgroundWork> writing_;
    std::atomic<bool> toldFailure_ = false;
};
