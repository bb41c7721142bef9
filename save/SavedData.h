#pragma once
// What the game keeps between runs: the options with the boss key, the local high-score table
// and the check text that ties the table to the options file. Loaded once at start-up, changed in
// memory while the game runs, saved once at exit.

#include <cstdint>
#include <string>

#include "save/GameOptions.h"
#include "save/HighScores.h"
#include "save/SaveFolder.h"
#include "save/SaveFolderLock.h"

class TSavedData {
public:
    static constexpr const char* DefaultFolder = "Data/Save";
    static constexpr const char* OptionsFileName = "options";
    static constexpr const char* HighScoresFileName = "hs";

    explicit TSavedData(std::string folder = DefaultFolder);

    // Start-up, before anything is read: holds the save folder for this copy of the game.
    TSaveFolderLock::TResult LockFolder() { return lock_.Acquire(folderPath_); }
    // Start-up: LoadHighScores, LoadOptions, then the default table unless HighScoresValid.
    void LoadAll();
    // Exit: both files as one pair. The table is staged first, then the options; only when both
    // are on disk in full are they renamed into place, the table first and the options file,
    // whose check text vouches for the table, last. A kill between the two renames is finished by
    // the next LoadOptions. False when a file could not be written; the old pair is then kept and
    // SaveFailure() names the file and the reason.
    bool SaveAll();
    const std::string& SaveFailure() const { return folder_.Failure(); }

    // Reads "hs", or sets the default table when it is missing or damaged.
    void LoadHighScores();
    // Finishes a pair save that was cut short, then reads "options", or sets the default options
    // (and empties PlayerName) with no stored check text when it is missing.
    void LoadOptions();
    // The check text of the current table equals the one read from the options file.
    bool HighScoresValid() const;
    void ResetHighScores();
    // Each writes its one file alone; SaveAll is the way to write both.
    bool SaveOptions();
    bool SaveHighScores();

    TGameOptions Options;
    TBossKeyOptions BossKeys;
    // The name typed last during this run; emptied with the default options, never saved.
    std::string PlayerName;
    THighScoreTable HighScores = DefaultHighScores();
    // As read from the options file; empty when there was none.
    std::string StoredCheckText;

private:
    void SetDefaultOptions();
    void FinishInterruptedSave();
    bool StageOptions();
    bool StageHighScores();

    std::string folderPath_;
    TSaveFolder folder_;
    TSaveFolderLock lock_;
};
