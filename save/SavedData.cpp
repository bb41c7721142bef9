#include "save/SavedData.h"

#include <iostream>

#include "save/CheckText.h"
#include "save/HighScoreFile.h"
#include "save/OptionsFile.h"

TSavedData::TSavedData(std::string folder) : folderPath_(folder), folder_(std::move(folder)) {}

void TSavedData::LoadAll() {
    LoadHighScores();
    LoadOptions();
    if (!HighScoresValid())
        ResetHighScores();
}

bool TSavedData::SaveAll() {
    if (!StageHighScores())
        return false;
    if (!StageOptions()) {
        folder_.Discard(HighScoresFileName);
        return false;
    }
    // Anything in the way of either rename is found before the first one, so the pair goes in
    // whole or not at all.
    if (!folder_.CanReplace(HighScoresFileName) || !folder_.CanReplace(OptionsFileName) ||
        !folder_.Commit(HighScoresFileName)) {
        folder_.Discard(HighScoresFileName);
        folder_.Discard(OptionsFileName);
        return false;
    }
    // Should this rename still fail, the staged options stay behind on purpose: the next start
    // finishes the pair with them.
    return folder_.Commit(OptionsFileName);
}

void TSavedData::LoadHighScores() {
    const auto bytes = folder_.Read(HighScoresFileName);
    const auto table = bytes ? ParseHighScoresText(*bytes) : std::nullopt;
    HighScores = table ? *table : DefaultHighScores();
}

void TSavedData::LoadOptions() {
    FinishInterruptedSave();
    if (const auto bytes = folder_.Read(OptionsFileName)) {
        ParseOptionsText(*bytes, Options, BossKeys, StoredCheckText);
    } else {
        SetDefaultOptions();
        StoredCheckText.clear();
    }
}

bool TSavedData::HighScoresValid() const {
    return ComputeCheckText(HighScores) == StoredCheckText;
}

void TSavedData::ResetHighScores() {
    HighScores = DefaultHighScores();
}

bool TSavedData::SaveOptions() {
    return StageOptions() && folder_.Commit(OptionsFileName);
}

bool TSavedData::SaveHighScores() {
    return StageHighScores() && folder_.Commit(HighScoresFileName);
}

void TSavedData::SetDefaultOptions() {
    Options = TGameOptions();
    BossKeys = TBossKeyOptions();
    PlayerName.clear();
}

// A staged options file with no staged table beside it is the last step of a pair save, killed
// after the table was renamed into place: finish it, so the table meets its own check text. Any
// other staged file belongs to a save that never got to its renames; the old files stand.
void TSavedData::FinishInterruptedSave() {
    const auto stagedOptions = folder_.Read(TSaveFolder::StagedName(OptionsFileName));
    const bool tableStaged = folder_.Read(TSaveFolder::StagedName(HighScoresFileName)).has_value();
    if (stagedOptions && !tableStaged && IsCompleteOptionsText(*stagedOptions)) {
        if (!folder_.Commit(OptionsFileName))
            std::cerr << "Zorvex: " << folder_.Failure() << '\n';
        return;
    }
    folder_.Discard(HighScoresFileName);
    folder_.Discard(OptionsFileName);
}

bool TSavedData::StageOptions() {
    return folder_.Stage(OptionsFileName,
                         FormatOptionsText(Options, BossKeys, ComputeCheckText(HighScores)));
}

bool TSavedData::StageHighScores() {
    return folder_.Stage(HighScoresFileName, FormatHighScoresText(HighScores));
}
