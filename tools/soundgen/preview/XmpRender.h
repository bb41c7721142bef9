#pragma once
// Plays our modules with libxmp, a second XM player independent of the game's, for the tests
// and the preview tool. Header-only so that both can use it without the generator library
// depending on libxmp.

#include <xmp.h>

#include <cstdint>
#include <stdexcept>
#include <vector>

namespace preview {

class XmpRender {
public:
    static constexpr int kRate = 44100;  // Hz, stereo 16-bit output

    explicit XmpRender(const std::vector<uint8_t>& module) : context_(xmp_create_context()) {
        if (xmp_load_module_from_memory(context_, module.data(),
                                        static_cast<long>(module.size())) != 0) {
            xmp_free_context(context_);
            throw std::runtime_error("libxmp cannot load the module");
        }
        if (xmp_start_player(context_, kRate, 0) != 0) {
            xmp_release_module(context_);
            xmp_free_context(context_);
            throw std::runtime_error("libxmp cannot start playing");
        }
    }
    ~XmpRender() {
        xmp_end_player(context_);
        xmp_release_module(context_);
        xmp_free_context(context_);
    }
    XmpRender(const XmpRender&) = delete;
    XmpRender& operator=(const XmpRender&) = delete;

    const xmp_module* Module() const {
        xmp_module_info info;
        xmp_get_module_info(context_, &info);
        return info.mod;
    }
    // Length of one pass through the order list as libxmp works it out, in ms.
    int ScannedDurationMs() const {
        xmp_module_info info;
        xmp_get_module_info(context_, &info);
        return info.seq_data[0].duration;
    }

    // Renders at least `seconds` more; returns the interleaved stereo samples.
    std::vector<int16_t> Render(double seconds) {
        std::vector<int16_t> out;
        const size_t wanted = static_cast<size_t>(seconds * kRate) * 2;
        while (out.size() < wanted)
            PlayFrame(out);
        return out;
    }

    // Renders until the module has looped back to its restart position once or limitSeconds
    // have passed; returns the seconds played before the loop, or -1 when it never looped.
    double SecondsUntilLoop(double limitSeconds) {
        std::vector<int16_t> scratch;
        while (SecondsPlayed() < limitSeconds) {
            scratch.clear();
            if (PlayFrame(scratch) > 0)
                return secondsBeforeLoop_;
        }
        return -1.0;
    }

    double SecondsPlayed() const { return static_cast<double>(framesPlayed_) / kRate; }
    int LastPosition() const { return lastPosition_; }

private:
    // Plays one tick, appending its samples; returns libxmp's loop count after it.
    int PlayFrame(std::vector<int16_t>& out) {
        const uint64_t before = framesPlayed_;
        xmp_play_frame(context_);
        xmp_frame_info info;
        xmp_get_frame_info(context_, &info);
        const auto* samples = static_cast<const int16_t*>(info.buffer);
        out.insert(out.end(), samples, samples + info.buffer_size / 2);
        framesPlayed_ += static_cast<uint64_t>(info.buffer_size / 4);
        lastPosition_ = info.pos;
        if (info.loop_count > 0 && secondsBeforeLoop_ < 0.0)
            secondsBeforeLoop_ = static_cast<double>(before) / kRate;
        return info.loop_count;
    }

    xmp_context context_;
    uint64_t framesPlayed_ = 0;
    int lastPosition_ = 0;
    double secondsBeforeLoop_ = -1.0;
};

}  // namespace preview
