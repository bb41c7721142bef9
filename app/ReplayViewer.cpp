#include "app/ReplayViewer.h"

#include <algorithm>
#include <fstream>
#include <iterator>

#include "app/ReplayRun.h"
#include "app/Zorvex_unit.h"
#include "platform/Keys.h"
#include "replay/ReplayFile.h"
#include "replay/ReplayFolder.h"

namespace {

constexpr int WaitSliceMs = 20;  // keys stay answered while a frame is not yet due

std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in)
        throw EReplayError(EReplayError::TKind::Damaged, "cannot open the file");
    std::string bytes(MaxReplayFileBytes + 1, '\0');
    in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    bytes.resize(static_cast<size_t>(in.gcount()));
    if (bytes.size() > MaxReplayFileBytes)
        throw EReplayError(EReplayError::TKind::Damaged, "the file is too big for a replay");
    return bytes;
}

struct TViewerKeys {
    bool Paused = false;
    bool Fast = false;
    bool Leave = false;

    void Handle(const platform::InputEvent& event) {
        using platform::EventKind;
        if (event.Kind == EventKind::CloseRequest || event.Kind == EventKind::Terminate)
            Leave = true;
        if (event.Kind != EventKind::KeyDown)
            return;
        if (event.Key == platform::vk::Escape)
            Leave = true;
        if (event.Key == platform::vk::Letter('P'))
            Paused = !Paused;
        if (event.Key == platform::vk::Letter('F'))
            Fast = !Fast;
    }
};

}  // namespace

int WatchReplay(platform::Backend& backend, const std::string& path) {
    TReplay replay;
    try {
        replay = DecodeReplay(ReadFile(path));
    } catch (const EReplayError& error) {
        backend.GetDisplay().ShowError("Zorvex",
                                       "Cannot play the replay \"" + path + "\": " + error.what());
        return 1;
    }
    // The player's options (sound, music, full screen) are read; nothing is written.
    TMForm form(backend, replay.Start.Seed, TSavedData::DefaultFolder, TSaveUse::ReadOnly);
    if (!form.FormCreate())
        return 1;
    TReplayRun run(form, replay);
    TViewerKeys keys;
    uint64_t due = backend.NowMs();
    platform::InputEvent event;
    while (!keys.Leave && !run.Finished()) {
        while (backend.PollEvent(event))
            keys.Handle(event);
        const uint64_t now = backend.NowMs();
        if (keys.Paused || now < due) {
            backend.WaitEvent(keys.Paused
                                  ? WaitSliceMs
                                  : static_cast<int>(std::min<uint64_t>(due - now, WaitSliceMs)));
            due = keys.Paused ? now : due;
            continue;
        }
        // Fast, two recorded frames go by for each one shown.
        for (int step = 0; step < (keys.Fast ? 2 : 1) && !run.Finished(); ++step) {
            due += static_cast<uint64_t>(std::max(0, replay.Frames[run.FramesRun()].LagCount)) /
                   (keys.Fast ? 2 : 1);
            run.Step();
        }
        form.MDXDraw.Present();
    }
    return 0;
}
