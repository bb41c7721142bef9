#include "platform/sdl/SdlBackend.h"

#include <SDL.h>
#include <sys/resource.h>

#include <array>
#include <csignal>
#include <cstdio>
#include <optional>
#include <set>
#include <stdexcept>

#include "platform/Keys.h"
#ifndef __EMSCRIPTEN__
#include "platform/HttpClient.h"
#include "platform/ThreadedHttpJob.h"
#endif
#include "platform/sdl/Gamepad.h"
#include "platform/sdl/KeyMap.h"
#include "platform/sdl/SdlAudio.h"
#include "platform/sdl/SdlDisplay.h"
#ifdef __EMSCRIPTEN__
#include "platform/web/FetchHttpJob.h"
#endif

namespace platform {

namespace {

volatile std::sig_atomic_t terminationRequested = 0;

void OnTerminationSignal(int) {
    terminationRequested = 1;
}

// SIGTERM and SIGINT close the game by other means: it saves and ends. SDL's own handlers would
// turn them into a close request, which the game refuses.
void InstallSignalHandlers() {
    struct sigaction action = {};
    action.sa_handler = OnTerminationSignal;
    sigemptyset(&action.sa_mask);
    sigaction(SIGTERM, &action, nullptr);
    sigaction(SIGINT, &action, nullptr);
}

// Held keys come from SDL's key state and from the game controllers. A key or pad button pressed
// since the last read counts as held for that read even when it was released again before it, so
// a short tap between two frames is never lost.
class SdlKeyboard final : public Keyboard {
public:
    void Read() override {
        int count = 0;
        const Uint8* state = SDL_GetKeyboardState(&count);
        for (int i = 0; i < SDL_NUM_SCANCODES; ++i)
            held_[i] = (i < count && state[i] != 0) || pressedSinceRead_[i];
        pressedSinceRead_.fill(false);
        padHeld_.clear();
        for (uint16_t key : pads_.HeldKeys())
            padHeld_.insert(key);
        padHeld_.merge(padPressedSinceRead_);
        padPressedSinceRead_.clear();
    }
    bool IsDown(uint16_t virtualKey) const override {
        if (padHeld_.contains(virtualKey))
            return true;
        const SDL_Keycode key = sdl::SdlKeyFromVirtual(virtualKey);
        if (key == SDLK_UNKNOWN)
            return false;
        const SDL_Scancode scancode = SDL_GetScancodeFromKey(key);
        return scancode > SDL_SCANCODE_UNKNOWN && scancode < SDL_NUM_SCANCODES && held_[scancode];
    }
    void NotePressed(SDL_Scancode scancode) {
        if (scancode > SDL_SCANCODE_UNKNOWN && scancode < SDL_NUM_SCANCODES)
            pressedSinceRead_[scancode] = true;
    }
    void NotePressed(SDL_GameControllerButton button) {
        if (const uint16_t key = sdl::VirtualKeyOfButton(button))
            padPressedSinceRead_.insert(key);
    }
    sdl::Gamepads& Pads() { return pads_; }

private:
    std::array<bool, SDL_NUM_SCANCODES> held_ = {};
    std::array<bool, SDL_NUM_SCANCODES> pressedSinceRead_ = {};
    sdl::Gamepads pads_;
    std::set<uint16_t> padHeld_;
    std::set<uint16_t> padPressedSinceRead_;
};

#ifdef __EMSCRIPTEN__
// In a browser the requests go through its fetch, which never blocks: no thread (platform/web).
class HttpJobs {
public:
    std::unique_ptr<HttpJob> Start(std::vector<HttpRequest> requests) {
        return web::StartFetchHttpJob(std::move(requests));
    }
};
#else
// The requests go through libcurl on a thread of their own.
class HttpJobs {
public:
    std::unique_ptr<HttpJob> Start(std::vector<HttpRequest> requests) {
        return std::make_unique<ThreadedHttpJob>(*client_, std::move(requests));
    }

private:
    std::unique_ptr<HttpClient> client_ = CreateCurlHttpClient();
};
#endif

class SdlBackend final : public Backend {
public:
    SdlBackend() {
        SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
        SDL_SetHint(SDL_HINT_QUIT_ON_LAST_WINDOW_CLOSE, "0");
        if (SDL_Init(SDL_INIT_VIDEO | SDL_INIT_EVENTS) != 0)
            throw std::runtime_error(std::string("Cannot start the video system: ") +
                                     SDL_GetError());
        InstallSignalHandlers();
        // Without controller support the game still plays with the keyboard.
        if (SDL_InitSubSystem(SDL_INIT_GAMECONTROLLER) != 0)
            std::fprintf(stderr, "Zorvex: no game controllers: %s\n", SDL_GetError());
        display_ = std::make_unique<sdl::SdlDisplay>();
        audio_ = std::make_unique<sdl::SdlAudio>();
        SDL_StartTextInput();
    }
    ~SdlBackend() override {
        audio_.reset();
        display_.reset();
        SDL_Quit();
    }

    Display& GetDisplay() override { return *display_; }
    Keyboard& GetKeyboard() override { return keyboard_; }
    SoundDevice& GetSoundDevice() override { return audio_->Sounds(); }
    MusicPlayer& GetMusicPlayer() override { return audio_->Music(); }
    std::unique_ptr<HttpJob> StartHttpJob(std::vector<HttpRequest> requests) override {
        return http_.Start(std::move(requests));
    }
    void OpenUrl(const std::string& url) override { SDL_OpenURL(url.c_str()); }

    bool PollEvent(InputEvent& event) override {
        if (terminationRequested) {
            terminationRequested = 0;
            event = {.Kind = EventKind::Terminate};
            return true;
        }
        if (pending_) {
            event = *pending_;
            pending_.reset();
            return true;
        }
        SDL_Event sdlEvent;
        while (SDL_PollEvent(&sdlEvent))
            if (Translate(sdlEvent, event))
                return true;
        return false;
    }

    void WaitEvent(int timeoutMs) override { SDL_WaitEventTimeout(nullptr, timeoutMs); }

    uint64_t NowMs() const override { return SDL_GetTicks64(); }

    void RaisePriority() override { setpriority(PRIO_PROCESS, 0, -10); }

private:
    uint8_t CurrentShift() const {
        return sdl::ShiftByte(SDL_GetModState(), SDL_GetMouseState(nullptr, nullptr));
    }

    bool Translate(const SDL_Event& in, InputEvent& out) {
        switch (in.type) {
            case SDL_QUIT:
                out = {.Kind = EventKind::CloseRequest};
                return true;
            case SDL_WINDOWEVENT:
                return TranslateWindowEvent(in.window, out);
            case SDL_KEYDOWN:
            case SDL_KEYUP:
                return TranslateKey(in.key, out);
            case SDL_TEXTINPUT: {
                const unsigned char first = static_cast<unsigned char>(in.text.text[0]);
                // Only single printable ASCII characters can be typed into the game's fields.
                if (first < 32 || first > 126 || in.text.text[1] != 0)
                    return false;
                out = {.Kind = EventKind::Character, .Character = static_cast<char>(first)};
                return true;
            }
            case SDL_MOUSEMOTION:
                out = {.Kind = EventKind::MouseMove,
                       .Shift = CurrentShift(),
                       .X = in.motion.x,
                       .Y = in.motion.y};
                return true;
            case SDL_MOUSEBUTTONDOWN:
            case SDL_MOUSEBUTTONUP:
                return TranslateButton(in.button, out);
            case SDL_CONTROLLERDEVICEADDED:
            case SDL_CONTROLLERDEVICEREMOVED:
                keyboard_.Pads().HandleDeviceEvent(in);
                return false;
            case SDL_CONTROLLERBUTTONDOWN: {
                const auto button = static_cast<SDL_GameControllerButton>(in.cbutton.button);
                keyboard_.NotePressed(button);
                // A accepts, as Enter does: Enter works through the typed character.
                if (button != SDL_CONTROLLER_BUTTON_A)
                    return false;
                out = {.Kind = EventKind::Character, .Character = '\r'};
                return true;
            }
            default:
                return false;
        }
    }

    bool TranslateWindowEvent(const SDL_WindowEvent& window, InputEvent& out) {
        switch (window.event) {
            case SDL_WINDOWEVENT_CLOSE:
                out = {.Kind = EventKind::CloseRequest};
                return true;
            case SDL_WINDOWEVENT_MINIMIZED:
                out = {.Kind = EventKind::Minimized};
                return true;
            case SDL_WINDOWEVENT_RESTORED:
                out = {.Kind = EventKind::Restored};
                return true;
            case SDL_WINDOWEVENT_FOCUS_GAINED:
                out = {.Kind = EventKind::FocusGained};
                return true;
            case SDL_WINDOWEVENT_FOCUS_LOST:
                out = {.Kind = EventKind::FocusLost};
                return true;
            case SDL_WINDOWEVENT_EXPOSED:
            case SDL_WINDOWEVENT_SIZE_CHANGED:
                display_->ShowWholeFrameNext();
                return false;
            default:
                return false;
        }
    }

    bool TranslateKey(const SDL_KeyboardEvent& key, InputEvent& out) {
        if (key.type == SDL_KEYDOWN)
            keyboard_.NotePressed(key.keysym.scancode);
        const uint16_t virtualKey = sdl::VirtualKeyFromSdl(key.keysym.sym);
        if (virtualKey == 0)
            return false;
        const uint8_t shiftByte = CurrentShift();
        const bool down = key.type == SDL_KEYDOWN;
        out = {.Kind = down ? EventKind::KeyDown : EventKind::KeyUp,
               .Key = virtualKey,
               .Shift = shiftByte};
        // Enter and Backspace are typed characters too; text input does not report them.
        // Enter pressed with Alt switches the display mode and is not typed.
        const bool typed = virtualKey == 8 || (virtualKey == 13 && !(shiftByte & shift::Alt));
        if (down && typed)
            pending_ = InputEvent{.Kind = EventKind::Character,
                                  .Character = static_cast<char>(virtualKey)};
        return true;
    }

    bool TranslateButton(const SDL_MouseButtonEvent& button, InputEvent& out) {
        const bool down = button.type == SDL_MOUSEBUTTONDOWN;
        out = {.Kind = down ? EventKind::MouseDown : EventKind::MouseUp,
               .Shift = CurrentShift(),
               .X = button.x,
               .Y = button.y};
        if (button.button != SDL_BUTTON_LEFT)
            return true;
        // A click is reported on release; the second press of a double click is reported as it
        // happens and its release is no further click, as the window system does. SDL keeps
        // counting presses in quick succession, so a third one starts a new click, a fourth is
        // its double click again.
        const bool secondOfPair = button.clicks >= 2 && button.clicks % 2 == 0;
        if (!down && !secondOfPair)
            pending_ = InputEvent{.Kind = EventKind::Click, .X = button.x, .Y = button.y};
        else if (down && secondOfPair)
            pending_ = InputEvent{.Kind = EventKind::DoubleClick, .X = button.x, .Y = button.y};
        return true;
    }

    std::unique_ptr<sdl::SdlDisplay> display_;
    std::unique_ptr<sdl::SdlAudio> audio_;  // silent when the machine has no audio device
    SdlKeyboard keyboard_;
    HttpJobs http_;
    std::optional<InputEvent> pending_;
};

}  // namespace

std::unique_ptr<Backend> CreateSdlBackend() {
    return std::make_unique<SdlBackend>();
}

}  // namespace platform
