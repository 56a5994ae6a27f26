#include "audio/sound_file.h"

#ifdef _WIN32
#include <windows.h>
#define ENABLE_SNDFILE_WINDOWS_PROTOTYPES 1
#endif
#include <sndfile.h>

#include "framework/file_path.h"

namespace {

// On Windows libsndfile reads a narrow path in the system's code page; its wide
// call takes every name.
SNDFILE* openSoundFile(const std::string& path, int mode, SF_INFO& info)
{
#ifdef _WIN32
    return sf_wchar_open(filePath(path).c_str(), mode, &info);
#else
    return sf_open(path.c_str(), mode, &info);
#endif
}

}  // namespace

std::optional<SoundClip> readSoundFile(const std::string& path, std::string& error)
{
    SF_INFO info{};
    SNDFILE* file = openSoundFile(path, SFM_READ, info);
    if (file == nullptr) {
        error = sf_strerror(nullptr);
        return std::nullopt;
    }
    // Floating-point files hold samples in [-1, 1]; read unscaled, they would
    // all round to silence.
    sf_command(file, SFC_SET_SCALE_FLOAT_INT_READ, nullptr, SF_TRUE);
    SoundClip clip;
    clip.channels = info.channels;
    clip.sampleRate = info.samplerate;
    if (info.channels > 0 && info.frames > 0) {
        clip.samples.resize(static_cast<std::size_t>(info.frames) * static_cast<std::size_t>(info.channels));
        const sf_count_t read = sf_readf_short(file, clip.samples.data(), info.frames);
        clip.samples.resize(static_cast<std::size_t>(read > 0 ? read : 0) *
                            static_cast<std::size_t>(info.channels));
    }
    sf_close(file);
    if (clip.samples.empty() || clip.sampleRate <= 0) {
        error = "the file holds no sound";
        return std::nullopt;
    }
    return clip;
}

WavWriter::WavWriter(const std::string& path, int channels, int sampleRate)
{
    SF_INFO info{};
    info.channels = channels;
    info.samplerate = sampleRate;
    info.format = SF_FORMAT_WAV | SF_FORMAT_PCM_16;
    file = openSoundFile(path, SFM_WRITE, info);
}

WavWriter::~WavWriter()
{
    if (file != nullptr)
        sf_close(file);
}

bool WavWriter::append(const std::int16_t* samples, std::size_t frames)
{
    if (file == nullptr || failed)
        return false;
    const auto count = static_cast<sf_count_t>(frames);
    failed = sf_writef_short(file, samples, count) != count;
    return !failed;
}
