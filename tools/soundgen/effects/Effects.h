#pragma once
// Every sound effect of the game, one function each, grouped by family in the .cpp files beside
// this header. Each returns mono samples at synth::kSampleRate, at its final level: the sound list
// plays them at volume 128, so the balance between effects is set here.

#include "synth/Signal.h"

namespace effects {

// Menus and the race's counters (InterfaceEffects.cpp).
synth::Signal IntroWhoosh();    // ~1.0 s rising shimmer under the main menu's fade-in
synth::Signal HighlightTick();  // 30 ms: the highlighted menu item changes
synth::Signal Click();          // 65 ms: a menu item or button is activated
synth::Signal ShipSwish();      // 240 ms: next or previous ship, a results line appearing
synth::Signal CountdownTick();  // 55 ms: a second ticking away, ten a second in the time bonus

// The ship's engine, all from one engine model at rising firing rates (EngineEffects.cpp).
// Every engine sound is a seamless loop with a soft start.
synth::Signal EngineIdle();
synth::Signal EngineAccelerating(int band);  // band 1..4, each a little higher
synth::Signal EngineTopSpeed();
synth::Signal EngineCoasting();

// Other sounds of the ship (VehicleEffects.cpp); the three are seamless loops.
synth::Signal HandbrakeSkid();
synth::Signal Horn();
synth::Signal NitroRoar();

// Bonuses (PickupEffects.cpp).
synth::Signal ScoreChime();       // 200 ms
synth::Signal PowerUpArpeggio();  // 420 ms

// Hits, shots and explosions (CombatEffects.cpp).
synth::Signal Bump();       // 200 ms metallic thud
synth::Signal Explosion();  // 1.35 s
synth::Signal LaserShot();  // 190 ms
synth::Signal SuperShot();  // 560 ms
synth::Signal Impact();     // 220 ms

// The congratulations after the last level (Fanfare.cpp).
synth::Signal Fanfare();  // 3.0 s

}  // namespace effects
