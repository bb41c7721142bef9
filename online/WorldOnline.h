#pragma once
// The game's online services: sending a result to the world high-score page, opening the home
// page and the world page in the browser, and opening "play.url" at exit.

#include <string>

#include <cstdint>

#include "platform/Backend.h"

class TWorldOnline {
public:
    explicit TWorldOnline(platform::Backend& backend) : backend_(backend) {}

    // One GET to the world server; the answer is read and ignored, and every failure is silent.
    void SendWorldResult(const std::string& name, int32_t score, const std::string& country);
    // Sent right after the result: one POST of the game's replay file, paired with the result by
    // the result's code so that the server can re-run it and mark the result verified. Silent
    // on every failure, like the result.
    void SendWorldReplay(const std::string& name, int32_t score, const std::string& country,
                         const std::string& replayFile);
    void OpenHomePage();
    void OpenWorldHighScores();
    // Opens the address of the internet shortcut at path (a "[InternetShortcut]" section with a
    // "URL=" line) when the file is there and the address is http or https.
    void OpenPlayShortcut(const std::string& path = "play.url");

private:
    platform::Backend& backend_;
};

// The http or https address of an internet shortcut's text, or "" when it has none.
std::string ShortcutUrl(const std::string& text);
