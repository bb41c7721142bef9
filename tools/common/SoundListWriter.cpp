#include "SoundListWriter.h"

#include <stdexcept>

#include "BinaryWriter.h"

std::vector<uint8_t> EncodeWav(const std::vector<int16_t>& samples, int sampleRate, int channels) {
    if (channels < 1 || channels > 2)
        throw std::invalid_argument("WAV needs 1 or 2 channels");
    if (samples.empty())
        throw std::invalid_argument("WAV without samples");
    const uint32_t dataBytes = static_cast<uint32_t>(samples.size() * 2);
    BinaryWriter out;
    out.Text("RIFF");
    out.U32(36 + dataBytes);
    out.Text("WAVE");
    out.Text("fmt ");
    out.U32(16);
    out.U16(1);  // PCM
    out.U16(static_cast<uint16_t>(channels));
    out.U32(static_cast<uint32_t>(sampleRate));
    out.U32(static_cast<uint32_t>(sampleRate * channels * 2));
    out.U16(static_cast<uint16_t>(channels * 2));
    out.U16(16);
    out.Text("data");
    out.U32(dataBytes);
    for (int16_t sample : samples)
        out.U16(static_cast<uint16_t>(sample));
    return out.Data();
}

std::vector<uint8_t> SerializeSoundList(const std::vector<SoundRecord>& sounds) {
    if (sounds.size() > 256)
        throw std::invalid_argument("too many sounds");
    BinaryWriter out;
    out.Text("ZVXSNDL1");
    out.U32(1);
    out.U32(static_cast<uint32_t>(sounds.size()));
    for (const SoundRecord& sound : sounds) {
        if (sound.Name.size() > 255)
            throw std::invalid_argument("sound name too long");
        if (sound.MaxCopies < 1 || sound.MaxCopies > 16)
            throw std::invalid_argument("MaxCopies");
        if (sound.Volume > 128)
            throw std::invalid_argument("Volume");
        if (sound.Pan < -100 || sound.Pan > 100)
            throw std::invalid_argument("Pan");
        if (sound.Frequency != 0 && (sound.Frequency < 4000 || sound.Frequency > 192000))
            throw std::invalid_argument("Frequency");
        const std::vector<uint8_t> wav = EncodeWav(sound.Samples, sound.SampleRate, sound.Channels);
        const size_t lengthAt = out.Size();
        out.U32(0);
        out.U16(static_cast<uint16_t>(sound.Name.size()));
        out.Text(sound.Name);
        out.U8(sound.Looping ? 1 : 0);
        out.U8(sound.MaxCopies);
        out.U8(sound.Volume);
        out.U8(static_cast<uint8_t>(sound.Pan));
        out.U32(sound.Frequency);
        out.U32(static_cast<uint32_t>(wav.size()));
        out.Bytes(wav.data(), wav.size());
        out.PatchU32(lengthAt, static_cast<uint32_t>(out.Size() - lengthAt - 4));
    }
    return out.Data();
}

void WriteSoundList(const std::string& path, const std::vector<SoundRecord>& sounds) {
    WriteFileBytes(path, SerializeSoundList(sounds));
}
