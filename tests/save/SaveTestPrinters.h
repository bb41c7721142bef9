#pragma once
// Readable failure messages for table entries, and the part of a table that is saved.

#include <ostream>
#include <vector>

#include "save/HighScores.h"

inline void PrintTo(const THighScore& entry, std::ostream* out) {
    *out << '"' << entry.Name << "\" " << entry.Score;
}

// Entries 1..10; the new-result slot is never saved, so a reloaded table has it empty.
inline std::vector<THighScore> ShownEntries(const THighScoreTable& table) {
    return {table.begin(), table.begin() + ShownHighScores};
}
