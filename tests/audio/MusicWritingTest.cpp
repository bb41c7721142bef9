// The tools the songs are written with: note and chord names, the phrase texts, and the
// timeline that becomes patterns. A slip here plays wrong notes or shifts a whole tune.

#include <gtest/gtest.h>

#include <stdexcept>

#include "music/Phrases.h"
#include "music/Pitch.h"
#include "music/Timeline.h"

namespace {

using namespace music;

std::vector<xm::Instrument> TwoInstruments() {
    std::vector<xm::Instrument> instruments(2);
    instruments[0].Wave.Volume = 64;
    instruments[1].Wave.Volume = 32;
    return instruments;
}

TEST(Pitch, NoteNamesMapToMidiAndXmNotes) {
    EXPECT_EQ(ParseNote("C4"), 60);
    EXPECT_EQ(ParseNote("A4"), 69);
    EXPECT_EQ(ParseNote("Bb3"), 58);
    EXPECT_EQ(ParseNote("B#3"), 60);  // a sharp may cross into the next octave
    EXPECT_EQ(ParseNote("Cb4"), 59);
    EXPECT_EQ(XmNote(60), 49);  // middle C is C-4
    EXPECT_EQ(XmNote(ParseNote("C0")), 1);
    EXPECT_EQ(XmNote(ParseNote("B7")), 96);
    EXPECT_THROW(XmNote(ParseNote("C8")), std::out_of_range);
    EXPECT_THROW(XmNote(11), std::out_of_range);
    for (const char* bad : {"", "H4", "C", "C#", "C9", "C44", "c4"})
        EXPECT_THROW(ParseNote(bad), std::invalid_argument) << bad;
}

TEST(Pitch, ChordSymbolsAndTheirTones) {
    const Chord am7 = ParseChord("Am7");
    EXPECT_EQ(am7.Root, 9);
    EXPECT_EQ(am7.Intervals, (std::vector<int>{0, 3, 7, 10}));
    EXPECT_EQ(ParseChord("F#m7").Root, 6);
    EXPECT_EQ(ParseChord("Bb").Root, 10);
    EXPECT_EQ(ParseChord("Cb").Root, 11);  // wraps below C
    for (const char* bad : {"", "Xm", "Amin", "A7sus"})
        EXPECT_THROW(ParseChord(bad), std::invalid_argument) << bad;

    // Tones count up from the root placed in the octave from the floor, then repeat an octave up.
    const Chord am = ParseChord("Am");
    EXPECT_EQ(ChordTone(am, 0, 28), 33);  // A1 from a floor of E1
    EXPECT_EQ(ChordTone(am, 2, 28), 40);
    EXPECT_EQ(ChordTone(am, 3, 28), 45);
    EXPECT_EQ(ChordTone(ParseChord("E"), 0, 28), 28);   // the root on the floor itself
    EXPECT_EQ(ChordTone(ParseChord("D#"), 0, 28), 39);  // just below the floor: an octave up
}

TEST(Pitch, CloseVoicingDropsTheRootFirstAndDoublesWhenShort) {
    EXPECT_EQ(CloseVoicing(ParseChord("Dmaj7"), 60, 3), (std::vector<int>{61, 66, 69}));  // C# F# A
    EXPECT_EQ(CloseVoicing(ParseChord("Am"), 60, 3), (std::vector<int>{60, 64, 69}));
    EXPECT_EQ(CloseVoicing(ParseChord("C"), 60, 4), (std::vector<int>{60, 64, 67, 72}));
}

TEST(Phrases, MelodyPlaysReleasesAndChecksItsLength) {
    Timeline t(2, TwoInstruments(), 1.0);
    Melody(t, 0, 1, 1, 1, "A4:4 B4:4 r:4 C5:4", 64);
    const int bar = kRowsPerBar;
    EXPECT_EQ(t.At(bar, 0).Note, XmNote(69));
    EXPECT_EQ(t.At(bar, 0).Volume, xm::SetVolume(64));
    EXPECT_EQ(t.At(bar + 4, 0).Note, XmNote(71));   // legato: no key-off between the two
    EXPECT_EQ(t.At(bar + 8, 0).Note, xm::kKeyOff);  // the rest releases
    EXPECT_EQ(t.At(bar + 12, 0).Note, XmNote(72));
    EXPECT_EQ(t.At(2 * bar, 0).Note, xm::kKeyOff);  // released where the phrase ends

    EXPECT_THROW(Melody(t, 1, 1, 0, 1, "A4:4 B4:4 r:4 C5:3", 64),
                 std::invalid_argument);  // 15 rows
    EXPECT_THROW(Melody(t, 1, 1, 0, 1, "A4:16 B4", 64), std::invalid_argument);
    EXPECT_THROW(Melody(t, 1, 1, 0, 1, "A4:0 B4:16", 64), std::invalid_argument);
}

TEST(Phrases, VolumesAreScaledByTheInstrumentsLevelAndTheMaster) {
    Timeline t(2, TwoInstruments(), 0.5);
    Rhythm(t, 0, 1, 0, 1, "x...o...g.......");
    Rhythm(t, 1, 2, 0, 1, "x...............");
    EXPECT_EQ(t.At(0, 0).Volume, xm::SetVolume(32));
    EXPECT_EQ(t.At(4, 0).Volume, xm::SetVolume(23));
    EXPECT_EQ(t.At(8, 0).Volume, xm::SetVolume(13));
    EXPECT_EQ(t.At(0, 1).Volume, xm::SetVolume(16));
    EXPECT_THROW(t.Play(0, 0, 60, 3, 64), std::out_of_range);
    EXPECT_THROW(t.Play(0, 0, 60, 1, 65), std::out_of_range);
}

TEST(Phrases, ChordPartFollowsEachBarsChord) {
    Timeline t(2, TwoInstruments(), 1.0);
    ChordPart(t, 0, 1, 0, {"Am", "F"}, "0.2. O--- ---- ----", 28, 64);
    EXPECT_EQ(t.At(0, 0).Note, XmNote(33));  // A1
    EXPECT_EQ(t.At(1, 0).Note, xm::kKeyOff);
    EXPECT_EQ(t.At(2, 0).Note, XmNote(40));  // E2
    EXPECT_EQ(t.At(4, 0).Note, XmNote(45));  // A2, held
    EXPECT_EQ(t.At(5, 0).Note, 0);
    EXPECT_EQ(t.At(kRowsPerBar, 0).Note, XmNote(29));  // F1 in the next bar
    EXPECT_THROW(ChordPart(t, 1, 1, 0, {"Am"}, "0.2.", 28, 64), std::invalid_argument);
    EXPECT_THROW(ChordPart(t, 1, 1, 0, {"Am"}, "0.2.O---xxxx----", 28, 64), std::invalid_argument);
}

TEST(Phrases, EchoRepeatsNotesLaterAndQuieter) {
    Timeline t(2, TwoInstruments(), 1.0);
    Melody(t, 0, 1, 0, 1, "E5:8 r:8", 60);
    Echo(t, 0, 1, 0, 1, 3, 0.5);
    EXPECT_EQ(t.At(3, 1).Note, XmNote(76));
    EXPECT_EQ(t.At(3, 1).Volume, xm::SetVolume(30));
    EXPECT_EQ(t.At(11, 1).Note, xm::kKeyOff);
}

TEST(Timeline, ArrangeSharesRepeatsFoldsTheTailAndPansNotes) {
    std::vector<xm::Instrument> instruments = TwoInstruments();
    Timeline t(2, instruments, 1.0);
    for (int bar = 0; bar < 4; ++bar)
        Rhythm(t, 0, 1, bar, 1, bar == 1 ? "o..............." : "x...............");
    t.Play(4 * kRowsPerBar + 2, 1, 60, 1, 64);  // rings past the end of a 4-bar song
    t.PanChannel(0, 200);
    xm::Module module;
    t.Arrange(module, 1, 4, 2);
    ASSERT_EQ(module.Order.size(), 4u);
    EXPECT_EQ(module.Order[0], module.Order[3]);  // identical bars stored once
    EXPECT_NE(module.Order[0], module.Order[1]);
    EXPECT_NE(module.Order[0], module.Order[2]);  // bar 2 also holds the folded tail
    EXPECT_EQ(module.RestartPosition, 2);
    const xm::Pattern& loopStart = module.Patterns[module.Order[2]];
    EXPECT_EQ(loopStart.Cells[2 * 2 + 1].Note, XmNote(60));  // the tail, where the loop continues
    EXPECT_EQ(loopStart.Cells[0].Effect, xm::kEffectSetPanning);
    EXPECT_EQ(loopStart.Cells[0].Parameter, 200);
    EXPECT_EQ(loopStart.Cells[2 * 2 + 1].Effect, 0);  // channel 1 keeps the sample's panning

    EXPECT_THROW(t.Arrange(module, 2, 5, 2), std::invalid_argument);  // 5 bars is no whole pattern
    EXPECT_THROW(t.Arrange(module, 2, 4, 1), std::invalid_argument);
    EXPECT_THROW(t.Arrange(module, 1, 4, 4), std::invalid_argument);
}

}  // namespace
