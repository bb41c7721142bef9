#pragma once
// The instruments of both songs, every one synthesised here. Tonal instruments take the song's
// tick length in seconds, because XM counts envelopes and fades in ticks.

#include "xm/XmModule.h"

namespace music {

// Drums (DrumKit.cpp): one-shot samples that play unchanged at C-4.
xm::Instrument Kick();      // punchy, for the race
xm::Instrument SoftKick();  // round and deep, for the menu
xm::Instrument Snare();
xm::Instrument Clap();
xm::Instrument ClosedHat();
xm::Instrument OpenHat();
xm::Instrument Crash();
xm::Instrument Tom();  // tuned: fills play it at different notes
xm::Instrument Shaker();
xm::Instrument Rim();

// Pitched instruments (SynthInstruments.cpp).
xm::Instrument SawBass(double tickSeconds);      // driving, bright bass
xm::Instrument SubBass(double tickSeconds);      // deep, soft bass
xm::Instrument SuperSawPad(double tickSeconds);  // wide, bright chords
xm::Instrument WarmPad(double tickSeconds);  // slow, soft chords that drift across the stereo field
xm::Instrument PulseLead(double tickSeconds);  // the race's singing lead
xm::Instrument GlassLead(double tickSeconds);  // the menu's breathy lead
xm::Instrument Pluck(double tickSeconds);      // plucked string for arpeggios
xm::Instrument Bell(double tickSeconds);       // soft electric bell for arpeggios and echoes

}  // namespace music
