// The XM writer, checked by reading its files back with libxmp, an XM player we did not write:
// what libxmp understands is what a player will play.

#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>

#include "preview/XmpRender.h"
#include "xm/XmWriter.h"

namespace {

constexpr int kChannels = 4;

xm::Pattern EmptyPattern(int rows) {
    xm::Pattern pattern;
    pattern.Rows = rows;
    pattern.Cells.resize(static_cast<size_t>(rows * kChannels));
    return pattern;
}

xm::Instrument LoopedInstrument() {
    xm::Instrument instrument;
    instrument.Name = "looped";
    // Extremes next to each other: the differences stored must wrap around in 16 bits.
    instrument.Wave.Data = {0, 32767, -32768, 32767, -1, 1, -32768, 0};
    instrument.Wave.Loop = xm::LoopType::Forward;
    instrument.Wave.LoopStart = 2;
    instrument.Wave.LoopLength = 6;  // to the sample's end
    instrument.Wave.Volume = 50;
    instrument.Wave.Finetune = -27;
    instrument.Wave.RelativeNote = 29;
    instrument.Wave.Panning = 100;
    instrument.Volume.Points = {{0, 0}, {10, 64}, {20, 32}};
    instrument.Volume.Sustain = 2;
    instrument.Volume.LoopStart = 1;
    instrument.Volume.LoopEnd = 2;
    instrument.Fadeout = 300;
    instrument.Vibrato = {.Type = 0, .Sweep = 17, .Depth = 10, .Rate = 25};
    return instrument;
}

// Three patterns of 4, 1 and 256 rows; cells with every field, some fields, a key-off, nothing.
xm::Module SmallModule() {
    xm::Module module;
    module.Name = "writer test";
    module.Channels = kChannels;
    module.Speed = 3;
    module.Bpm = 150;
    module.Patterns = {EmptyPattern(4), EmptyPattern(1), EmptyPattern(256)};
    xm::Pattern& first = module.Patterns[0];
    first.Cells[0] = {
        .Note = 49, .Instrument = 1, .Volume = xm::SetVolume(40), .Effect = 8, .Parameter = 0x40};
    first.Cells[1 * kChannels + 1] = {.Note = 61};
    first.Cells[2 * kChannels + 2] = {.Note = xm::kKeyOff};
    first.Cells[3 * kChannels + 3] = {.Effect = 0x0F, .Parameter = 4};
    module.Patterns[2].Cells[255 * kChannels + 1] = {.Note = 96, .Instrument = 2};
    module.Order = {0, 1, 2, 0};
    module.RestartPosition = 2;
    xm::Instrument plain;
    plain.Name = "plain";
    plain.Wave.Data = {100, -100, 50};
    module.Instruments = {LoopedInstrument(), plain};
    return module;
}

const xmp_event& EventAt(const xmp_module* mod, int pattern, int row, int channel) {
    const int track = mod->xxp[pattern]->index[channel];
    return mod->xxt[track]->event[row];
}

TEST(XmWriter, LibxmpReadsTheSongLayoutBack) {
    preview::XmpRender player(xm::SerializeModule(SmallModule()));
    const xmp_module* mod = player.Module();
    EXPECT_STREQ(mod->name, "writer test");
    EXPECT_EQ(mod->chn, kChannels);
    EXPECT_EQ(mod->len, 4);
    EXPECT_EQ(mod->rst, 2);
    EXPECT_EQ(mod->spd, 3);
    EXPECT_EQ(mod->bpm, 150);
    EXPECT_EQ(mod->ins, 2);
    const int order[] = {0, 1, 2, 0};
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(mod->xxo[i], order[i]);
    EXPECT_EQ(mod->xxp[0]->rows, 4);
    EXPECT_EQ(mod->xxp[1]->rows, 1);
    EXPECT_EQ(mod->xxp[2]->rows, 256);
}

TEST(XmWriter, PackedCellsKeepEveryField) {
    preview::XmpRender player(xm::SerializeModule(SmallModule()));
    const xmp_module* mod = player.Module();
    // libxmp numbers notes from C-0 = 13 and volumes from 1 (0 = none).
    const xmp_event& full = EventAt(mod, 0, 0, 0);
    EXPECT_EQ(full.note, 49 + 12);
    EXPECT_EQ(full.ins, 1);
    EXPECT_EQ(full.vol, 40 + 1);
    EXPECT_EQ(full.fxt, 8);
    EXPECT_EQ(full.fxp, 0x40);
    const xmp_event& noteOnly = EventAt(mod, 0, 1, 1);
    EXPECT_EQ(noteOnly.note, 61 + 12);
    EXPECT_EQ(noteOnly.ins, 0);
    EXPECT_EQ(noteOnly.vol, 0);
    EXPECT_EQ(EventAt(mod, 0, 2, 2).note, XMP_KEY_OFF);
    const xmp_event& effectOnly = EventAt(mod, 0, 3, 3);
    EXPECT_EQ(effectOnly.note, 0);
    EXPECT_EQ(effectOnly.fxt, 0x0F);
    EXPECT_EQ(effectOnly.fxp, 4);
    const xmp_event& empty = EventAt(mod, 0, 3, 0);
    EXPECT_EQ(empty.note | empty.ins | empty.vol | empty.fxt | empty.fxp, 0);
    const xmp_event& lastRow = EventAt(mod, 2, 255, 1);
    EXPECT_EQ(lastRow.note, 96 + 12);
    EXPECT_EQ(lastRow.ins, 2);
}

TEST(XmWriter, SamplesLoopsEnvelopesAndTuningSurviveTheRoundTrip) {
    const xm::Module module = SmallModule();
    preview::XmpRender player(xm::SerializeModule(module));
    const xmp_module* mod = player.Module();
    const xmp_sample& sample = mod->xxs[mod->xxi[0].sub[0].sid];
    ASSERT_EQ(sample.len, 8);
    EXPECT_TRUE(sample.flg & XMP_SAMPLE_16BIT);
    EXPECT_TRUE(sample.flg & XMP_SAMPLE_LOOP);
    EXPECT_EQ(sample.lps, 2);
    EXPECT_EQ(sample.lpe, 8);
    const auto* data = reinterpret_cast<const int16_t*>(sample.data);
    for (int i = 0; i < 8; ++i)
        EXPECT_EQ(data[i], module.Instruments[0].Wave.Data[static_cast<size_t>(i)]) << i;

    const xmp_instrument& instrument = mod->xxi[0];
    EXPECT_EQ(instrument.sub[0].vol, 50);
    EXPECT_EQ(instrument.sub[0].xpo, 29);
    EXPECT_EQ(instrument.sub[0].fin, -27);
    EXPECT_EQ(instrument.sub[0].pan, 100);
    EXPECT_EQ(instrument.sub[0].vsw, 17);
    EXPECT_EQ(instrument.rls,
              2 * 300);  // libxmp counts the fade in 65536ths, the format in 32768ths
    const xmp_envelope& envelope = instrument.aei;
    EXPECT_TRUE(envelope.flg & XMP_ENVELOPE_ON);
    EXPECT_TRUE(envelope.flg & XMP_ENVELOPE_SUS);
    EXPECT_TRUE(envelope.flg & XMP_ENVELOPE_LOOP);
    ASSERT_EQ(envelope.npt, 3);
    EXPECT_EQ(envelope.sus, 2);
    EXPECT_EQ(envelope.lps, 1);
    EXPECT_EQ(envelope.lpe, 2);
    const short points[] = {0, 0, 10, 64, 20, 32};
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(envelope.data[i], points[i]) << i;

    EXPECT_FALSE(mod->xxs[mod->xxi[1].sub[0].sid].flg & XMP_SAMPLE_LOOP);
    EXPECT_FALSE(mod->xxi[1].aei.flg & XMP_ENVELOPE_ON);
}

TEST(XmWriter, RefusesModulesThatBreakTheFormat) {
    const std::vector<std::pair<const char*, std::function<void(xm::Module&)>>> faults = {
        {"odd channel count", [](xm::Module& m) { m.Channels = 3; }},
        {"too many channels", [](xm::Module& m) { m.Channels = 34; }},
        {"restart past the end", [](xm::Module& m) { m.RestartPosition = 4; }},
        {"order names a missing pattern", [](xm::Module& m) { m.Order.push_back(3); }},
        {"empty order list", [](xm::Module& m) { m.Order.clear(); }},
        {"pattern of 0 rows", [](xm::Module& m) { m.Patterns[1].Rows = 0; }},
        {"pattern of 257 rows", [](xm::Module& m) { m.Patterns[2] = EmptyPattern(257); }},
        {"cells not rows x channels", [](xm::Module& m) { m.Patterns[0].Cells.pop_back(); }},
        {"note past key-off", [](xm::Module& m) { m.Patterns[0].Cells[0].Note = 98; }},
        {"loop past the sample", [](xm::Module& m) { m.Instruments[0].Wave.LoopStart = 3; }},
        {"loop of no length", [](xm::Module& m) { m.Instruments[0].Wave.LoopLength = 0; }},
        {"envelope not from tick 0",
         [](xm::Module& m) { m.Instruments[0].Volume.Points[0].Tick = 1; }},
        {"envelope ticks falling",
         [](xm::Module& m) { m.Instruments[0].Volume.Points[2].Tick = 5; }},
        {"envelope above 64", [](xm::Module& m) { m.Instruments[0].Volume.Points[1].Value = 65; }},
        {"sustain past the points", [](xm::Module& m) { m.Instruments[0].Volume.Sustain = 3; }},
        {"13 envelope points",
         [](xm::Module& m) {
             auto& points = m.Instruments[0].Volume.Points;
             for (uint16_t tick = 30; points.size() < 13; tick += 10)
                 points.push_back({tick, 10});
         }},
        {"sample without data", [](xm::Module& m) { m.Instruments[1].Wave.Data.clear(); }},
        {"name over 20 characters", [](xm::Module& m) { m.Name = "a module name too long"; }},
        {"BPM below 32", [](xm::Module& m) { m.Bpm = 31; }},
    };
    ASSERT_NO_THROW(xm::SerializeModule(SmallModule()));
    for (const auto& [what, breakIt] : faults) {
        xm::Module module = SmallModule();
        breakIt(module);
        EXPECT_THROW(xm::SerializeModule(module), std::invalid_argument) << what;
    }
}

}  // namespace
