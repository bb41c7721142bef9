#pragma once
// The options file, seven CR LF lines: full screen, music, sound ("1" or "0"), the country, the
// boss modifier code, the boss key code and the check text of the high-score table.

#include <string>
#include <string_view>

#include "save/GameOptions.h"

// Reads the seven lines. A settings line that is missing, holds no valid integer, is over-long
// or holds a control byte gives that setting its default; the country keeps only its letters,
// digits and spaces. A boss-key line that holds no known code
// leaves its field as it was. The check text is empty unless line 7 is a valid one.
void ParseOptionsText(std::string_view bytes, TGameOptions& options, TBossKeyOptions& bossKeys,
                      std::string& checkText);

std::string FormatOptionsText(const TGameOptions& options, const TBossKeyOptions& bossKeys,
                              std::string_view checkText);

// True for a file that ends with the seventh CR LF, as every file the game writes does: a file
// cut short while it was written is not complete.
bool IsCompleteOptionsText(std::string_view bytes);
