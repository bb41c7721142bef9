#include "platform/sdl/SdlAudioConvert.h"

#include <SDL.h>

#include <cstring>

namespace platform::sdl {

std::vector<uint8_t> ConvertToDevice(const SoundEffect& effect, const DeviceFormat& device) {
    SDL_AudioCVT cvt;
    const int rate = static_cast<int>(effect.PlaybackRate());
    if (SDL_BuildAudioCVT(&cvt, AUDIO_S16SYS, static_cast<Uint8>(effect.Channels), rate,
                          device.Format, static_cast<Uint8>(device.Channels), device.Rate) < 0)
        return {};
    const size_t sourceBytes = effect.Samples.size() * sizeof(int16_t);
    // SDL converts in place and may need len_mult times the input while it works.
    std::vector<uint8_t> bytes(sourceBytes * static_cast<size_t>(cvt.len_mult));
    std::memcpy(bytes.data(), effect.Samples.data(), sourceBytes);
    cvt.buf = bytes.data();
    cvt.len = static_cast<int>(sourceBytes);
    if (cvt.needed && SDL_ConvertAudio(&cvt) != 0)
        return {};
    bytes.resize(cvt.needed ? static_cast<size_t>(cvt.len_cvt) : sourceBytes);
    return bytes;
}

}  // namespace platform::sdl
