#pragma once
// Opening the game's web pages in the player's browser: the home page (main menu) and the world
// high-score page (high-score screen).

class TWebLinks {
public:
    virtual ~TWebLinks() = default;
    virtual void OpenHomePage() = 0;
    virtual void OpenWorldHighScores() = 0;
};
