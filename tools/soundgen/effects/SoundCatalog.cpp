#include "effects/SoundCatalog.h"

#include <functional>
#include <string>

#include "effects/Effects.h"

namespace effects {

namespace {

enum class Playback { Once, Loop };

struct Entry {
    const char* name;
    Playback playback;
    std::function<synth::Signal()> make;
};

synth::Signal Placeholder() {
    return synth::Signal(synth::SamplesFor(0.1), 0.0f);
}

}  // namespace

std::vector<SoundRecord> BuildSoundList() {
    // Levels live in the samples (volume stays 128), everything is centred (the race has no
    // stereo position to follow), and one copy suffices because playing an item restarts it.
    const Entry entries[kSoundCount] = {
        {"intro whoosh", Playback::Once, IntroWhoosh},
        {"highlight tick", Playback::Once, HighlightTick},
        {"click", Playback::Once, Click},
        {"ship swish", Playback::Once, ShipSwish},
        {"engine idle", Playback::Loop, EngineIdle},
        {"unused 5", Playback::Once, Placeholder},
        {"engine coasting", Playback::Loop, EngineCoasting},
        {"handbrake skid", Playback::Loop, HandbrakeSkid},
        {"horn", Playback::Loop, Horn},
        {"engine accelerating 1", Playback::Loop, [] { return EngineAccelerating(1); }},
        {"engine accelerating 2", Playback::Loop, [] { return EngineAccelerating(2); }},
        {"engine accelerating 3", Playback::Loop, [] { return EngineAccelerating(3); }},
        {"engine accelerating 4", Playback::Loop, [] { return EngineAccelerating(4); }},
        {"engine top speed", Playback::Loop, EngineTopSpeed},
        {"score bonus", Playback::Once, ScoreChime},
        {"power-up", Playback::Once, PowerUpArpeggio},
        {"unused 16", Playback::Once, Placeholder},
        {"bump", Playback::Once, Bump},
        {"countdown tick", Playback::Once, CountdownTick},
        {"unused 19", Playback::Once, Placeholder},
        {"explosion", Playback::Once, Explosion},
        {"fanfare", Playback::Once, Fanfare},
        {"nitro", Playback::Loop, NitroRoar},
        {"laser shot", Playback::Once, LaserShot},
        {"unused 24", Playback::Once, Placeholder},
        {"super-shot", Playback::Once, SuperShot},
        {"impact", Playback::Once, Impact},
    };
    std::vector<SoundRecord> list;
    list.reserve(kSoundCount);
    for (const Entry& entry : entries) {
        SoundRecord record;
        record.Name = entry.name;
        record.Looping = entry.playback == Playback::Loop;
        record.SampleRate = synth::kSampleRate;
        record.Samples = synth::ToPcm16(entry.make());
        list.push_back(std::move(record));
    }
    return list;
}

}  // namespace effects
