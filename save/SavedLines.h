#pragma once
// The lines of the saved files: CR LF written, LF or CR LF read, and the checks a line passes
// before it becomes a field.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Appends one line and its CR LF ending.
void AppendSavedLine(std::string& text, std::string_view line);

// The lines of a file, each without its LF or CR LF ending; nothing else is stripped, so a name
// keeps its leading and trailing spaces. Bytes after the last ending form one more line (a CR
// LF cut short after its CR still counts as the ending).
std::vector<std::string_view> SplitSavedLines(std::string_view bytes);

// A decimal 32-bit signed integer, an optional minus sign and digits only; nullopt for anything
// else (empty, spaces, a trailing byte, out of range).
std::optional<int32_t> ParseSavedInteger(std::string_view line);

// A text the game could have written: at most maxLength bytes and no control byte (below 32).
// Bytes from 128 up are taken as they are.
bool IsSavedText(std::string_view line, size_t maxLength);
