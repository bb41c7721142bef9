#pragma once
// The race's keys as polled at the start of the frame. The main form fills this in once per frame
// from the keyboard; the race frame copies it into the player's control flags after the move pass,
// and the player's banking reads the arrows straight from here.

struct TRaceControls {
    bool Left = false;        // Left arrow
    bool Right = false;       // Right arrow
    bool Accelerate = false;  // Up arrow
    bool Brake = false;       // Down arrow
    bool Handbrake = false;   // Space
    bool Fire = false;        // Z, or Ctrl held
    bool Nitro = false;       // X, or Shift held
    bool Horn = false;        // H
};
