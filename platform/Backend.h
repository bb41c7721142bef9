#pragma once
// Everything the game needs from the machine, behind one object: the display, the keyboard, sound
// and music, the window's events, the clock and the process. The sdl backend is the real thing;
// the headless one runs the same game in memory for tests, benchmarks and screenshot tools.

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/AudioMusic.h"
#include "platform/AudioSound.h"
#include "platform/Display.h"
#include "platform/HttpJob.h"
#include "platform/InputEvent.h"
#include "platform/Keyboard.h"

namespace platform {

class Backend {
public:
    virtual ~Backend() = default;

    virtual Display& GetDisplay() = 0;
    virtual Keyboard& GetKeyboard() = 0;
    virtual SoundDevice& GetSoundDevice() = 0;
    virtual MusicPlayer& GetMusicPlayer() = 0;
    // Starts the requests in the background (see HttpJob); the job must go before the backend.
    virtual std::unique_ptr<HttpJob> StartHttpJob(std::vector<HttpRequest> requests) = 0;
    // Opens a web address or a document with the user's default handler; a failure is ignored.
    virtual void OpenUrl(const std::string& url) = 0;

    // The next window event, if any; never waits.
    virtual bool PollEvent(InputEvent& event) = 0;
    // Sleeps until an event arrives or timeoutMs passes (used while the game is inactive).
    virtual void WaitEvent(int timeoutMs) = 0;

    // Milliseconds of a monotonic clock. Only the frame timer reads it.
    virtual uint64_t NowMs() const = 0;
    // Best effort: raise the process's scheduling priority. Failing is fine and silent.
    virtual void RaisePriority() = 0;
};

}  // namespace platform
