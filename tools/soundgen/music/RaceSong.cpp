// The race song: A minor, 140 beats a minute, four-on-the-floor drums under a galloping saw
// bass, plucked sixteenth-note arpeggios, a supersaw pad and a singing pulse lead.
//
// Form, in bars (one pattern holds four):
//    0 intro: pad, arpeggio, hats, a snare rising into
//    4 groove: Am F C G twice, drums, bass and arpeggio  <- the loop restarts here
//   12 theme: the lead's hook over the same chords
//   20 climb: Dm Em F G, Dm Em F E, a longer-breathed tune
//   28 chorus: F G Em Am, F G E E, lead up high, crash, open hats, claps
//   36 interlude: the hook cut into plucked fragments with a tracker echo
//   44 breakdown: Dm Am F E twice, no kick, long notes, a tom fill
//   52 build: Dm Dm E E, snare roll from ghost notes to full, a run up into
//   56 chorus again, with a second voice a third below
//   64 theme again, harmonised, ending on G to lead back into the groove
//   72 turnaround with a drum fill

#include "music/Instruments.h"
#include "music/Phrases.h"
#include "music/Songs.h"

namespace music {

namespace {

constexpr int kBpm = 140;
constexpr int kSpeed = 6;  // ticks per row
constexpr double kTickSeconds = 2.5 / kBpm;
// About -3 dB: the song sits under the effects, near the engine's level (docs/audio.md).
constexpr double kMasterLevel = 0.7;

// Instruments, 1-based as the patterns name them.
enum Instrument {
    kKick = 1,
    kSnare,
    kClap,
    kClosedHat,
    kOpenHat,
    kCrash,
    kTom,
    kBass,
    kPad,
    kLead,
    kPluck
};

// Channels.
enum Channel {
    kKickCh,
    kSnareCh,
    kHatCh,
    kPercCh,
    kBassCh,
    kArpCh,
    kPadCh,
    kPadCh2,
    kPadCh3,
    kLeadCh,
    kHarmonyCh,
    kEchoCh,
    kChannels
};

constexpr int kBassFloor = 28;  // E1: roots from E1 to D#2
constexpr int kArpFloor = 60;   // C4
constexpr int kPadFloor = 60;   // close chords inside C4..B4

const Progression kVerse = {"Am", "F", "C", "G"};
const Progression kClimb = {"Dm", "Em", "F", "G"};
const Progression kClimbToDominant = {"Dm", "Em", "F", "E"};
const Progression kChorus = {"F", "G", "Em", "Am"};
const Progression kChorusToDominant = {"F", "G", "E", "E"};
const Progression kBreakdown = {"Dm", "Am", "F", "E"};
const Progression kBuild = {"Dm", "Dm", "E", "E"};

constexpr const char* kFourOnTheFloor = "x...x...x...x...";
constexpr const char* kFourWithPickup = "x...x...x...x.o.";
constexpr const char* kBackbeat = "....x.......x..g";
constexpr const char* kHatsEighths = "o.x.o.x.o.x.o.x.";
constexpr const char* kHatsSixteenths = "gogxgogxgogxgogx";
constexpr const char* kOffbeatOpenHat = "..x...x...x...x.";
constexpr const char* kPumpingBass = "0.0.O.0.0.0.O.0.";
constexpr const char* kGallopingBass = "0.000.000.00O.0O";
constexpr const char* kLongBass = "0-------------2-";
constexpr const char* kArpRise = "0123432101234321";
constexpr const char* kArpSkip = "0.2.3.2.4.2.3.2.";

const char* const kHook =
    "A5:3 C6:3 E6:2 D6:2 C6:2 B5:2 C6:2  A5:6 G5:2 A5:4 C6:4 "
    "G5:3 E5:3 G5:2 C6:2 B5:2 G5:2 E5:2  D5:4 G5:4 B5:4 D6:4 "
    "E6:3 C6:3 A5:2 B5:2 C6:2 D6:2 E6:2  F6:6 E6:2 C6:4 A5:4 "
    "G5:3 C6:3 E6:2 D6:2 C6:2 B5:2 G5:2  D6:3 C6:3 B5:2 G5:6 r:2";
const char* const kHookHarmony =
    "E5:3 A5:3 C6:2 B5:2 A5:2 G5:2 A5:2  F5:6 E5:2 F5:4 A5:4 "
    "E5:3 C5:3 E5:2 G5:2 G5:2 E5:2 C5:2  B4:4 D5:4 G5:4 B5:4 "
    "C6:3 A5:3 E5:2 G5:2 A5:2 B5:2 C6:2  C6:6 C6:2 A5:4 F5:4 "
    "E5:3 G5:3 C6:2 B5:2 A5:2 G5:2 E5:2  B5:3 A5:3 G5:2 D5:6 r:2";
const char* const kClimbTune =
    "F5:4 A5:4 D6:6 C6:2  B5:4 G5:4 E5:8  A5:4 C6:4 F6:6 E6:2  D6:8 B5:4 G5:4 "
    "A5:4 D6:4 F6:6 E6:2  D6:4 B5:4 G5:8  A5:4 C6:4 F6:4 A6:4  G#6:6 E6:2 D6:4 B5:4";
const char* const kChorusTune =
    "C6:2 C6:2 A5:2 C6:4 F6:6  D6:2 D6:2 B5:2 D6:4 G6:6  G6:3 E6:3 B5:2 E6:4 G6:4  A6:8 G6:2 E6:2 "
    "C6:4 "
    "C6:2 C6:2 A5:2 C6:4 F6:6  D6:2 D6:2 B5:2 D6:4 G6:6  G#6:4 B6:4 G#6:2 E6:2 D6:4  B5:6 G#5:2 "
    "B5:4 D6:4";
const char* const kChorusHarmony =
    "A5:2 A5:2 F5:2 A5:4 C6:6  B5:2 B5:2 G5:2 B5:4 D6:6  E6:3 B5:3 G5:2 B5:4 E6:4  E6:8 E6:2 C6:2 "
    "A5:4 "
    "A5:2 A5:2 F5:2 A5:4 C6:6  B5:2 B5:2 G5:2 B5:4 D6:6  E6:4 G#6:4 E6:2 B5:2 B5:4  G#5:6 E5:2 "
    "G#5:4 B5:4";
const char* const kHookFragments =
    "A5:3 C6:3 E6:2 r:8  A5:3 C6:3 F6:2 r:8  G5:3 C6:3 E6:2 r:8  G5:3 B5:3 D6:2 r:4 D6:2 B5:2 "
    "A5:3 C6:3 E6:2 r:8  A5:3 C6:3 F6:2 r:8  G5:3 C6:3 E6:2 r:8  D6:3 B5:3 G5:2 r:8";
const char* const kBreakdownTune =
    "F5:8 A5:8  E5:8 C5:8  F5:4 A5:4 C6:8  B5:8 G#5:8  D6:8 A5:8  C6:8 E6:8  F6:8 C6:8  E6:8 D6:4 "
    "B5:4";
const char* const kRunUp = "r:48 E5:2 G#5:2 B5:2 D6:2 E6:2 G#6:2 B6:4";

// Drums, bass, arpeggio and pad over a progression: the body every section builds on.
void Band(Timeline& t, int bar, const Progression& chords, const char* bass, const char* arp,
          int padVolume) {
    const int bars = static_cast<int>(chords.size());
    Rhythm(t, kKickCh, kKick, bar, bars - 1, kFourOnTheFloor);
    Rhythm(t, kKickCh, kKick, bar + bars - 1, 1, kFourWithPickup);
    Rhythm(t, kSnareCh, kSnare, bar, bars, kBackbeat);
    ChordPart(t, kBassCh, kBass, bar, chords, bass, kBassFloor, 60);
    ChordPart(t, kArpCh, kPluck, bar, chords, arp, kArpFloor, 44);
    if (padVolume > 0)
        Pads(t, kPadCh, 3, kPad, bar, chords, kPadFloor, padVolume);
}

void Crash(Timeline& t, int bar) {
    Rhythm(t, kPercCh, kCrash, bar, 1, "x...............");
}

void Intro(Timeline& t, int bar) {
    Pads(t, kPadCh, 3, kPad, bar, kVerse, kPadFloor, 40);
    ChordPart(t, kArpCh, kPluck, bar, kVerse, kArpSkip, kArpFloor, 30);
    Rhythm(t, kHatCh, kClosedHat, bar, 3, "..o...o...o...o.");
    Rhythm(t, kHatCh, kClosedHat, bar + 3, 1, kHatsEighths);
    Rhythm(t, kSnareCh, kSnare, bar + 3, 1, "........g.g.oooo");
}

void Groove(Timeline& t, int bar) {
    for (int half = 0; half < 2; ++half)
        Band(t, bar + 4 * half, kVerse, kPumpingBass, kArpRise, 0);
    Rhythm(t, kHatCh, kClosedHat, bar, 8, kHatsEighths);
    Crash(t, bar);
}

void Theme(Timeline& t, int bar, bool harmonised) {
    for (int half = 0; half < 2; ++half)
        Band(t, bar + 4 * half, kVerse, kPumpingBass, kArpRise, 28);
    Rhythm(t, kHatCh, kClosedHat, bar, 8, harmonised ? kHatsSixteenths : kHatsEighths);
    Melody(t, kLeadCh, kLead, bar, 8, kHook, 56);
    if (harmonised)
        Melody(t, kHarmonyCh, kLead, bar, 8, kHookHarmony, 34);
    Crash(t, bar);
}

void Climb(Timeline& t, int bar) {
    Band(t, bar, kClimb, kPumpingBass, kArpSkip, 32);
    Band(t, bar + 4, kClimbToDominant, kPumpingBass, kArpSkip, 36);
    Rhythm(t, kHatCh, kClosedHat, bar, 8, kHatsSixteenths);
    Melody(t, kLeadCh, kLead, bar, 8, kClimbTune, 52);
    Echo(t, kLeadCh, kEchoCh, bar, 8, 3, 0.4);
}

void Chorus(Timeline& t, int bar, bool harmonised) {
    Band(t, bar, kChorus, kGallopingBass, kArpRise, 44);
    Band(t, bar + 4, kChorusToDominant, kGallopingBass, kArpRise, 44);
    Rhythm(t, kSnareCh, kClap, bar, 8, "....x.......x...");  // claps take over the backbeat
    Rhythm(t, kHatCh, kClosedHat, bar, 8, kHatsSixteenths);
    Rhythm(t, kPercCh, kOpenHat, bar, 8, kOffbeatOpenHat);
    Crash(t, bar);
    Crash(t, bar + 4);
    Melody(t, kLeadCh, kLead, bar, 8, kChorusTune, 60);
    if (harmonised)
        Melody(t, kHarmonyCh, kLead, bar, 8, kChorusHarmony, 36);
    Echo(t, kLeadCh, kEchoCh, bar, 8, 3, 0.35);
}

void Interlude(Timeline& t, int bar) {
    for (int half = 0; half < 2; ++half)
        Band(t, bar + 4 * half, kVerse, kPumpingBass, kArpSkip, 30);
    Rhythm(t, kHatCh, kClosedHat, bar, 8, kHatsEighths);
    Melody(t, kLeadCh, kPluck, bar, 8, kHookFragments, 58);
    Echo(t, kLeadCh, kEchoCh, bar, 8, 3, 0.5);
    Echo(t, kLeadCh, kHarmonyCh, bar, 8, 6, 0.25);
}

void Breakdown(Timeline& t, int bar) {
    for (int half = 0; half < 2; ++half) {
        ChordPart(t, kBassCh, kBass, bar + 4 * half, kBreakdown, kLongBass, kBassFloor, 52);
        Pads(t, kPadCh, 3, kPad, bar + 4 * half, kBreakdown, kPadFloor, 50);
        ChordPart(t, kArpCh, kPluck, bar + 4 * half, kBreakdown, "0...2...4...2...", kArpFloor, 34);
    }
    Rhythm(t, kHatCh, kClosedHat, bar, 8, "..o...o...o...o.");
    Melody(t, kLeadCh, kLead, bar, 8, kBreakdownTune, 46);
    Echo(t, kLeadCh, kEchoCh, bar, 8, 6, 0.4);
    // A tom fill down the last two beats.
    const int fill = (bar + 7) * kRowsPerBar + 8;
    const int toms[] = {55, 55, 52, 52, 48, 48, 45, 45};
    for (int i = 0; i < 8; ++i)
        t.Play(fill + i, kPercCh, toms[i], kTom, 40 + 3 * i);
}

void Build(Timeline& t, int bar) {
    ChordPart(t, kBassCh, kBass, bar, kBuild, "0.0.0.0.0.0.0.0.", kBassFloor, 56);
    Pads(t, kPadCh, 3, kPad, bar, kBuild, kPadFloor, 40);
    ChordPart(t, kArpCh, kPluck, bar, kBuild, kArpRise, kArpFloor, 40);
    Rhythm(t, kKickCh, kKick, bar, 2, kFourOnTheFloor);
    Rhythm(t, kKickCh, kKick, bar + 2, 2, "x.x.x.x.x.x.x.x.");
    Rhythm(t, kSnareCh, kSnare, bar, 1, "g...g...g...g...");
    Rhythm(t, kSnareCh, kSnare, bar + 1, 1, "o.o.o.o.o.o.o.o.");
    Rhythm(t, kSnareCh, kSnare, bar + 2, 1, "oooooooooooooooo");
    Rhythm(t, kSnareCh, kSnare, bar + 3, 1, "xxxxxxxxxxxxxxxx");
    Rhythm(t, kHatCh, kClosedHat, bar, 4, kHatsSixteenths);
    Melody(t, kLeadCh, kLead, bar, 4, kRunUp, 54);
}

void Turnaround(Timeline& t, int bar) {
    Band(t, bar, kVerse, kPumpingBass, kArpRise, 0);
    Rhythm(t, kHatCh, kClosedHat, bar, 4, kHatsEighths);
    Rhythm(t, kSnareCh, kSnare, bar + 3, 1, "....x...x.o.xoxx");
}

}  // namespace

xm::Module ComposeRaceSong() {
    xm::Module song;
    song.Name = "Zorvex race";
    song.Speed = kSpeed;
    song.Bpm = kBpm;
    song.Instruments = {Kick(),
                        Snare(),
                        Clap(),
                        ClosedHat(),
                        OpenHat(),
                        Crash(),
                        Tom(),
                        SawBass(kTickSeconds),
                        SuperSawPad(kTickSeconds),
                        PulseLead(kTickSeconds),
                        Pluck(kTickSeconds)};

    Timeline t(kChannels, song.Instruments, kMasterLevel);
    t.PanChannel(kHatCh, 160);
    t.PanChannel(kPercCh, 100);
    t.PanChannel(kArpCh, 84);
    t.PanChannel(kPadCh, 60);
    t.PanChannel(kPadCh2, 128);
    t.PanChannel(kPadCh3, 196);
    t.PanChannel(kHarmonyCh, 150);
    t.PanChannel(kEchoCh, 180);

    Intro(t, 0);
    Groove(t, 4);
    Theme(t, 12, false);
    Climb(t, 20);
    Chorus(t, 28, false);
    Interlude(t, 36);
    Breakdown(t, 44);
    Build(t, 52);
    Chorus(t, 56, true);
    Theme(t, 64, true);
    Turnaround(t, 72);

    t.Arrange(song, 4, 76, 4);  // the four-bar intro plays once
    return song;
}

}  // namespace music
