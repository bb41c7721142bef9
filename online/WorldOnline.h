#pragma once
// The game's online services: sending a result to the world high-score page, opening the home
// page and the world page in the browser, and opening "play.url" at exit.

#include <memory>
#include <string>

#include <cstdint>

#include "platform/Backend.h"

class TWorldOnline {
public:
    explicit TWorldOnline(platform::Backend& backend) : backend_(backend) {}

    // Starts sending the result in the background: one GET to the world server, whose answer is
    // ignored; every failure is silent. A send still running is cancelled.
    void SendWorldResult(const std::string& name, int32_t score, const std::string& country);
    // True while the last send runs; asked once a frame. Destroying this object cancels it.
    bool Sending();
    void OpenHomePage();
    void OpenWorldHighScores();
    // Opens the address of the internet shortcut at path (a "[InternetShortcut]" section with a
    // "URL=" line) when the file is there and the address is http or https.
    void OpenPlayShortcut(const std::string& path = "play.url");

private:
    platform::Backend& backend_;
    std::unique_ptr<platform::HttpJob> sending_;  // until it is done
};

// The http or https address of an internet shortcut's text, or "" when it has none.
std::string ShortcutUrl(const std::string& text);
