// The menu song: D major, 80 beats a minute, slow pads swaying across the stereo field, a bell
// arpeggio answered by its own echo on the other side, a deep sub bass and a breathy glass lead.
// Drums stay soft: a round kick, a rim on the third beat and a shaker.
//
// Form, in bars (one pattern holds four, 12 s):
//    0 intro: pads and a few bell notes
//    4 home: Dmaj7 Bm7 Gmaj7 A, arpeggio and bass arrive  <- the loop restarts here
//    8 the lead's first phrase
//   12 its second phrase, the shaker and kick come in
//   16 drift: Em7 F#m7 Gmaj7 A, a second tune
//   20 the second tune varied, with echo
//   24 float: Gmaj7 Asus4 F#m7 Bm7, the bell takes the tune, the arpeggio thins
//   28 landing: Em7 Asus4 Dmaj7 A, the lead returns with its opening
//   32 home again, thinned out to lead back to bar 4

#include "music/Instruments.h"
#include "music/Phrases.h"
#include "music/Songs.h"

namespace music {

namespace {

constexpr int kBpm = 80;
constexpr int kSpeed = 6;  // ticks per row
constexpr double kTickSeconds = 2.5 / kBpm;
// About -3 dB: the song sits under the effects, near the engine's level (docs/audio.md).
constexpr double kMasterLevel = 0.7;

enum Instrument { kKick = 1, kRim, kShaker, kSub, kPad, kBell, kLead };

enum Channel {
    kKickCh,
    kRimCh,
    kShakerCh,
    kSubCh,
    kPadCh,
    kPadCh2,
    kPadCh3,
    kArpCh,
    kArpEchoCh,
    kLeadCh,
    kLeadEchoCh,
    kBellTuneCh,
    kChannels
};

constexpr int kSubFloor = 33;  // A1: roots from A1 to G#2
constexpr int kArpFloor = 62;  // D4
constexpr int kPadFloor = 60;  // close chords inside C4..B4

const Progression kHomeSuspended = {"Dmaj7", "Bm7", "Gmaj7", "Asus4"};
const Progression kHome = {"Dmaj7", "Bm7", "Gmaj7", "A"};
const Progression kDrift = {"Em7", "F#m7", "Gmaj7", "A"};
const Progression kFloat = {"Gmaj7", "Asus4", "F#m7", "Bm7"};
const Progression kLanding = {"Em7", "Asus4", "Dmaj7", "A"};

constexpr const char* kArpWave = "0.1.2.3.4.3.2.1.";
constexpr const char* kArpSparse = "0...2...4...2...";
constexpr const char* kSubWhole = "0-------------2-";
constexpr const char* kSubMoving = "0-------0---2-O-";
constexpr const char* kKickSoft = "x.......x.......";
constexpr const char* kKickLift = "x.......x.....o.";
constexpr const char* kRimThree = "........o.......";
constexpr const char* kShakerEighths = "o.g.o.g.o.g.o.g.";

const char* const kFirstPhrase = "F#5:8 A5:4 C#6:4  D6:6 C#6:2 B5:8  A5:4 B5:4 F#5:8  E5:12 r:4";
const char* const kSecondPhrase =
    "F#5:4 A5:4 E6:8  D6:4 C#6:4 B5:4 A5:4  B5:6 A5:2 G5:4 F#5:4  E5:4 F#5:4 A5:6 r:2";
const char* const kDriftTune = "G5:8 B5:8  A5:6 C#6:2 E6:8  D6:4 B5:4 F#6:8  E6:12 r:4";
const char* const kDriftVaried =
    "B5:4 D6:4 G6:8  F#6:6 E6:2 C#6:8  B5:4 D6:4 A6:4 F#6:4  E6:8 C#6:4 r:4";
const char* const kBellTune =
    "B5:2 D6:2 F#6:4 E6:2 D6:2 B5:4  A5:4 D6:4 E6:8  C#6:2 E6:2 A6:4 F#6:4 E6:4  D6:8 B5:4 A5:4";
const char* const kLandingTune = "G5:4 B5:4 D6:8  E6:8 D6:4 A5:4  F#5:8 A5:4 C#6:4  E5:12 r:4";
const char* const kIntroBells = "F#5:8 A5:8  D5:8 F#5:8  B5:8 D6:8  E5:16";

// Pads, bass and the arpeggio with its echo over a progression.
void Bed(Timeline& t, int bar, const Progression& chords, const char* arp, const char* sub) {
    Pads(t, kPadCh, 3, kPad, bar, chords, kPadFloor, 52);
    ChordPart(t, kSubCh, kSub, bar, chords, sub, kSubFloor, 60);
    ChordPart(t, kArpCh, kBell, bar, chords, arp, kArpFloor, 40);
    Echo(t, kArpCh, kArpEchoCh, bar, static_cast<int>(chords.size()), 3, 0.5);
}

void Drums(Timeline& t, int bar, int bars) {
    Rhythm(t, kKickCh, kKick, bar, bars - 1, kKickSoft);
    Rhythm(t, kKickCh, kKick, bar + bars - 1, 1, kKickLift);
    Rhythm(t, kRimCh, kRim, bar, bars, kRimThree);
    Rhythm(t, kShakerCh, kShaker, bar, bars, kShakerEighths);
}

void Lead(Timeline& t, int bar, const char* phrase, int volume) {
    Melody(t, kLeadCh, kLead, bar, 4, phrase, volume);
    Echo(t, kLeadCh, kLeadEchoCh, bar, 4, 6, 0.35);
}

}  // namespace

xm::Module ComposeMenuSong() {
    xm::Module song;
    song.Name = "Zorvex menu";
    song.Speed = kSpeed;
    song.Bpm = kBpm;
    song.Instruments = {SoftKick(),
                        Rim(),
                        Shaker(),
                        SubBass(kTickSeconds),
                        WarmPad(kTickSeconds),
                        Bell(kTickSeconds),
                        GlassLead(kTickSeconds)};

    Timeline t(kChannels, song.Instruments, kMasterLevel);
    t.PanChannel(kRimCh, 100);
    t.PanChannel(kShakerCh, 170);
    t.PanChannel(kPadCh, 70);
    t.PanChannel(kPadCh2, 128);
    t.PanChannel(kPadCh3, 186);
    t.PanChannel(kArpCh, 76);
    t.PanChannel(kArpEchoCh, 180);
    t.PanChannel(kLeadCh, 120);
    t.PanChannel(kLeadEchoCh, 160);
    t.PanChannel(kBellTuneCh, 140);

    // Intro: pads and a few bell notes.
    Pads(t, kPadCh, 3, kPad, 0, kHomeSuspended, kPadFloor, 48);
    Melody(t, kBellTuneCh, kBell, 0, 4, kIntroBells, 36);
    Echo(t, kBellTuneCh, kArpEchoCh, 0, 4, 3, 0.5);

    Bed(t, 4, kHome, kArpWave, kSubWhole);
    Bed(t, 8, kHomeSuspended, kArpWave, kSubWhole);
    Lead(t, 8, kFirstPhrase, 54);
    Bed(t, 12, kHome, kArpWave, kSubMoving);
    Lead(t, 12, kSecondPhrase, 54);
    Drums(t, 12, 4);

    Bed(t, 16, kDrift, kArpWave, kSubMoving);
    Lead(t, 16, kDriftTune, 56);
    Drums(t, 16, 4);
    Bed(t, 20, kDrift, kArpWave, kSubMoving);
    Lead(t, 20, kDriftVaried, 58);
    Drums(t, 20, 4);

    Bed(t, 24, kFloat, kArpSparse, kSubWhole);
    Melody(t, kBellTuneCh, kBell, 24, 4, kBellTune, 54);
    Rhythm(t, kRimCh, kRim, 24, 4, kRimThree);
    Rhythm(t, kShakerCh, kShaker, 24, 4, kShakerEighths);
    Bed(t, 28, kLanding, kArpWave, kSubMoving);
    Lead(t, 28, kLandingTune, 54);
    Drums(t, 28, 4);

    Bed(t, 32, kHome, kArpSparse, kSubWhole);
    Rhythm(t, kShakerCh, kShaker, 32, 3, kShakerEighths);

    t.Arrange(song, 4, 36, 4);  // the four-bar intro plays once
    return song;
}

}  // namespace music
