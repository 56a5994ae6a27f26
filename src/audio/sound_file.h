// Sound files through libsndfile: reading the game's WAV sounds, and writing the
// mix of a recorded run as it is rendered.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

struct SoundClip {
    std::vector<std::int16_t> samples;  // interleaved when there is more than one channel
    int channels = 0;
    int sampleRate = 0;  // frames per second

    std::size_t frameCount() const
    {
        return channels > 0 ? samples.size() / static_cast<std::size_t>(channels) : 0;
    }
};

// The whole file as 16-bit samples. Empty when the file cannot be read or holds
// no samples; `error` then says why.
std::optional<SoundClip> readSoundFile(const std::string& path, std::string& error);

// A 16-bit PCM WAV file written frame block by frame block. The header is
// completed when the object goes away.
class WavWriter {
public:
    WavWriter(const std::string& path, int channels, int sampleRate);
    ~WavWriter();
    WavWriter(const WavWriter&) = delete;
    WavWriter& operator=(const WavWriter&) = delete;

    bool isOpen() const { return file != nullptr; }
    // Appends `frames` frames of interleaved samples; false once writing failed.
    bool append(const std::int16_t* samples, std::size_t frames);

private:
    struct sf_private_tag* file = nullptr;  // libsndfile's SNDFILE
    bool failed = false;
};
