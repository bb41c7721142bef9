// The song instruments: each pitched one must sound at the pitch its note names, once libxmp has
// applied the sample's relative note and finetune; each drum must actually make a sound.

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "AudioTestSupport.h"
#include "music/Instruments.h"
#include "music/Pitch.h"
#include "preview/XmpRender.h"
#include "xm/XmWriter.h"

namespace {

constexpr double kTick = 2.5 / 125.0;  // s, at 125 BPM

// The instrument alone, struck at `midi` on the first row of a long pattern.
std::vector<int16_t> PlayNote(const xm::Instrument& instrument, int midi, double seconds) {
    xm::Module module;
    module.Name = "tuning";
    module.Channels = 2;
    module.Bpm = 125;
    xm::Pattern pattern;
    pattern.Rows = 64;
    pattern.Cells.resize(128);
    pattern.Cells[0] = {.Note = static_cast<uint8_t>(music::XmNote(midi)), .Instrument = 1};
    module.Patterns = {pattern};
    module.Order = {0};
    module.Instruments = {instrument};
    preview::XmpRender player(xm::SerializeModule(module));
    return audiotest::Mono(player.Render(seconds));
}

TEST(Instruments, PitchedInstrumentsPlayA4At440Hz) {
    const std::vector<std::pair<std::string, xm::Instrument>> pitched = {
        {"saw bass", music::SawBass(kTick)},
        {"sub bass", music::SubBass(kTick)},
        {"supersaw pad", music::SuperSawPad(kTick)},
        {"warm pad", music::WarmPad(kTick)},
        {"pulse lead", music::PulseLead(kTick)},
        {"glass lead", music::GlassLead(kTick)},
        {"pluck", music::Pluck(kTick)},
        {"bell", music::Bell(kTick)},
    };
    for (const auto& [name, instrument] : pitched) {
        std::vector<int16_t> sound = PlayNote(instrument, 69, 0.5);
        sound.erase(sound.begin(), sound.begin() + 4410);  // past the attack and any vibrato onset
        // Within 1/8 semitone of 440 Hz.
        EXPECT_NEAR(audiotest::DominantHz(sound, preview::XmpRender::kRate, 400.0, 480.0, 0.5),
                    440.0, 3.2)
            << name;
    }
}

TEST(Instruments, LowAndHighNotesOfTheSongsStayInTune) {
    // The bass's lowest root (E1) and the lead's highest note (B6) are far from where they were
    // synthesised; the tuning must hold across that distance.
    std::vector<int16_t> bass = PlayNote(music::SawBass(kTick), music::ParseNote("E1"), 0.8);
    EXPECT_NEAR(audiotest::DominantHz(bass, preview::XmpRender::kRate, 38.0, 45.0, 0.1), 41.2, 0.4);
    std::vector<int16_t> lead = PlayNote(music::PulseLead(kTick), music::ParseNote("B6"), 0.25);
    EXPECT_NEAR(audiotest::DominantHz(lead, preview::XmpRender::kRate, 1900.0, 2050.0, 1.0), 1975.5,
                12.0);
}

TEST(Instruments, EveryDrumSoundsAndFitsTheMix) {
    const std::vector<std::pair<std::string, std::function<xm::Instrument()>>> drums = {
        {"kick", music::Kick},
        {"soft kick", music::SoftKick},
        {"snare", music::Snare},
        {"clap", music::Clap},
        {"closed hat", music::ClosedHat},
        {"open hat", music::OpenHat},
        {"crash", music::Crash},
        {"tom", music::Tom},
        {"shaker", music::Shaker},
        {"rim", music::Rim},
    };
    for (const auto& [name, make] : drums) {
        const xm::Instrument drum = make();
        EXPECT_EQ(drum.Wave.Loop, xm::LoopType::None) << name;
        EXPECT_GT(audiotest::Peak(PlayNote(drum, 60, 0.3)), 1000) << name;
    }
}

}  // namespace
