#pragma once
// The error of a data file the game cannot load: "Cannot open file "<path>". <reason>".
// Start-up shows it to the player and ends the program.

#include <stdexcept>
#include <string>

class EFileOpenError : public std::runtime_error {
public:
    EFileOpenError(const std::string& path, const std::string& reason)
        : std::runtime_error("Cannot open file \"" + path + "\". " + reason) {}
};

// Reads a whole file; throws EFileOpenError when it is missing or unreadable.
std::string ReadWholeFile(const std::string& path);
