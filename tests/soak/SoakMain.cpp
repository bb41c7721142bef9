// The soak: a game on the headless backend fed random input for many frames, through every screen
// and dialog a player can reach. Run it in the sanitizer build to find memory faults; it checks
// itself that memory stays flat.
//     zorvex-soak <frames> [seed]      (from the build folder, where Data/ lives)
// Prints the screens and dialogs it reached and the heap in use early and late; exit status 0
// when the heap did not grow.

#include <malloc.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <random>
#include <set>
#include <string>

#include "harness/GameHarness.h"
#include "platform/Keys.h"
#include "race/Player.h"

#if defined(__has_feature)
#if __has_feature(address_sanitizer)
#define ZORVEX_SOAK_ASAN 1
#endif
#endif
#if defined(__SANITIZE_ADDRESS__)
#define ZORVEX_SOAK_ASAN 1
#endif
#ifdef ZORVEX_SOAK_ASAN
// The address sanitizer's count of live heap bytes (its runtime exports it; GCC ships no header).
extern "C" size_t __sanitizer_get_current_allocated_bytes();
#endif

namespace {

namespace vk = platform::vk;

// Bytes of heap in use now.
size_t HeapInUse() {
#ifdef ZORVEX_SOAK_ASAN
    return __sanitizer_get_current_allocated_bytes();
#else
    const struct mallinfo2 info = mallinfo2();
    return info.uordblks + info.hblkhd;
#endif
}

constexpr uint16_t Keys[] = {vk::Up,     vk::Down,        vk::Left,        vk::Right,
                             vk::Escape, vk::Letter('Y'), vk::Letter('N'), vk::Letter('P'),
                             vk::Space,  vk::Letter('Z'), vk::Letter('X'), vk::Letter('H'),
                             vk::Shift,  vk::Control,     vk::Return,      vk::FunctionKey(5)};

class TSoak {
public:
    explicit TSoak(uint32_t seed) : random_(seed) { Restart(); }

    void Frame(int frame) {
        TMForm& form = game_->Form();
        const int roll = Below(100);
        if (roll < 20) {
            const uint16_t key = Keys[Below(std::size(Keys))];
            game_->KeyDown(key);
            held_.insert(key);
        } else if (roll < 40 && !held_.empty()) {
            auto it = held_.begin();
            std::advance(it, Below(held_.size()));
            game_->KeyUp(*it);
            held_.erase(it);
        } else if (roll < 48) {
            game_->Type(std::string(1, static_cast<char>(Below(2) ? '\r' : 'A' + Below(26))));
        } else if (roll < 53) {
            game_->MouseMove(Below(800), Below(600));
        } else if (roll < 56) {
            game_->Click(Below(800), Below(600));
        } else if (roll < 57) {
            game_->Send({.Kind = platform::EventKind::Minimized});
            game_->Send({.Kind = platform::EventKind::Restored});
        }
        // A player who gets somewhere: now and then the race's score is raised, its clock nearly
        // run out, or the level finished (the last one, sometimes), so that the name entry, the
        // send question, the time-over, game-over, results and congratulations come up too.
        if (form.Race && form.Race->Running() && form.DialogKind == dkNone) {
            TRaceState& race = form.Race->State();
            if (frame % 997 == 0)
                race.Score += 5000;
            if (frame % 1499 == 0)
                race.TimeLeft = std::min(race.TimeLeft, 50);
            if (frame % 1999 == 0) {
                race.Level = Below(2) ? 10 : race.Level;
                race.Player->Finished = true;
            }
        }
        game_->Frame(Below(4) == 0 ? 1 + Below(60) : 16);
        screens_.insert(form.ScreenKind);
        dialogs_.insert(form.DialogKind);
        if (form.Terminated())
            Restart();
    }

    const std::set<int>& Screens() const { return screens_; }
    const std::set<int>& Dialogs() const { return dialogs_; }
    int Restarts() const { return restarts_; }

private:
    int Below(size_t n) { return static_cast<int>(random_() % n); }
    void Restart() {
        held_.clear();
        game_.reset();
        game_ = std::make_unique<GameHarness>(static_cast<uint32_t>(random_()));
        if (!game_->StartedUp()) {
            std::fprintf(stderr,
                         "zorvex-soak: the game did not start (run from the build folder)\n");
            std::exit(2);
        }
        ++restarts_;
    }

    std::mt19937 random_;
    std::unique_ptr<GameHarness> game_;
    std::set<uint16_t> held_;
    std::set<int> screens_;
    std::set<int> dialogs_;
    int restarts_ = -1;
};

std::string List(const std::set<int>& values) {
    std::string text;
    for (int value : values)
        text += (text.empty() ? "" : " ") + std::to_string(value);
    return text;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2 || std::atoi(argv[1]) < 20) {
        std::fprintf(stderr, "usage: %s <frames, at least 20> [seed]\n", argv[0]);
        return 2;
    }
    const int frames = std::atoi(argv[1]);
    const uint32_t seed = argc > 2 ? static_cast<uint32_t>(std::strtoul(argv[2], nullptr, 10)) : 1;
    // Memory is compared between the end of the first tenth and the end (at most 10 000 frames
    // each), once caches have filled.
    const int window = std::min(frames / 10, 10000);
    TSoak soak(seed);
    size_t early = 0;
    for (int frame = 1; frame <= frames; ++frame) {
        soak.Frame(frame);
        if (frame == window)
            early = HeapInUse();
    }
    const size_t late = HeapInUse();
    std::printf("frames %d, seed %u, games %d\n", frames, seed, soak.Restarts() + 1);
    std::printf("screens reached: %s\ndialogs reached: %s\n", List(soak.Screens()).c_str(),
                List(soak.Dialogs()).c_str());
    std::printf("heap in use: %zu bytes after %d frames, %zu at the end\n", early, window, late);
    // A new game restarts every cache, so compare with room for one game's worth of them.
    constexpr size_t AllowedGrowth = 8u << 20;
    if (late > early + AllowedGrowth) {
        std::printf("FAIL: the heap grew by %zu bytes\n", late - early);
        return 1;
    }
    std::printf("PASS: memory flat\n");
    return 0;
}
