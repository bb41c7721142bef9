#pragma once
// A recorded game: how it started and what each of its frames read. A game is a pure function of
// these (docs/architecture.md), so playing them back through the frame loop gives the same game.

#include <cstdint>
#include <string>
#include <vector>

#include "platform/InputEvent.h"

// Bumped whenever a change to the rules (race/, the parts of engine/ and app/ a game runs through)
// can change what a recorded game does; a replay of another version is refused, never re-run.
// After a bump, tests/replay/record-fixture records the test fixture again.
constexpr uint32_t ReplayRulesVersion = 1;

// Far longer than any real game (ten levels take about 20 minutes; this is over 3 hours at 85
// frames a second). The recorder stops here and the reader refuses more, so a hostile file can
// ask for no more than this much memory and re-running.
constexpr uint32_t MaxReplayFrames = 1'000'000;
// Window events delivered between two frames; a person cannot type or click faster.
constexpr uint32_t MaxReplayEventsPerFrame = 64;

// How the game started: everything its first frame depends on besides the frames themselves.
struct TReplayStart {
    uint32_t Seed = 0;  // the random generator is seeded with it when the ship is chosen
    int32_t Ship = 1;   // 1..5
    // The frame timing in force at the start: FrameTime and FrameFactor follow from these.
    uint16_t FrameRate = 0;
    uint16_t RefreshRate = 60;
    // The lowest score on the local table: a higher final score opens the name entry.
    int32_t QualifyScore = 0;
    // The input state the first frame finds: the keys of the last poll (ReplayKeys bits), the
    // modifiers held and the pointer's place.
    uint16_t HeldKeys = 0;
    bool ShiftHeld = false;
    bool CtrlHeld = false;
    int32_t MouseX = 0;
    int32_t MouseY = 0;
    std::string PlayerName;  // what the name entry starts with
    std::string Country;     // from the options; part of the sent result

    bool operator==(const TReplayStart&) const = default;
};

// What the game ended with, as the recording game saw it. A re-run checks it, never trusts it.
struct TReplayResult {
    std::string Name;
    int32_t Score = 0;
    int32_t Levels = 0;  // the level the game ended on, 1..10

    bool operator==(const TReplayResult&) const = default;
};

// One frame as the frame loop read it.
struct TReplayFrame {
    int32_t LagCount = 0;    // ms since the previous frame
    uint16_t Keys = 0;       // bit i: ReplayKeys[i] held at the poll
    uint16_t FrameRate = 0;  // the frame rate and refresh rate that the frame's timing follows
    uint16_t RefreshRate = 0;
    uint16_t EventCount = 0;  // window events delivered before the frame, in order

    bool operator==(const TReplayFrame&) const = default;
};

struct TReplay {
    uint32_t RulesVersion = ReplayRulesVersion;
    TReplayStart Start;
    TReplayResult Result;
    std::vector<TReplayFrame> Frames;
    std::vector<platform::InputEvent> Events;  // all frames' events, frame after frame

    bool operator==(const TReplay&) const;
};

// Whether the game reacts to a window event of this kind; only those are recorded.
bool IsRecordedEvent(platform::EventKind kind);
