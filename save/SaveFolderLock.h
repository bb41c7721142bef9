#pragma once
// One copy of the game at a time on a save folder: the copy that runs holds an advisory lock on
// the folder for its whole life, and the system lets go of it when the process ends, however it
// ends. A second copy would otherwise run beside the first, and the one that exits last would
// silently overwrite the other's options and scores.

#include <string>
#include <utility>

class TSaveFolderLock {
public:
    enum class TResult {
        Held,           // this copy holds the folder
        HeldElsewhere,  // another copy holds it
        Unavailable,    // the folder cannot be made or opened: nothing to hold, saving will say why
    };

    TSaveFolderLock() = default;
    ~TSaveFolderLock();
    TSaveFolderLock(TSaveFolderLock&& other) noexcept
        : descriptor_(std::exchange(other.descriptor_, -1)) {}
    TSaveFolderLock& operator=(TSaveFolderLock&&) = delete;
    TSaveFolderLock(const TSaveFolderLock&) = delete;
    TSaveFolderLock& operator=(const TSaveFolderLock&) = delete;

    // Makes the folder if needed and takes the lock without waiting.
    TResult Acquire(const std::string& folder);

private:
    int descriptor_ = -1;
};
