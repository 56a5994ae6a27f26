#include "audio/sound_bank.h"

#include <AL/al.h>

#include "audio/sound_file.h"
#include "framework/asset_search.h"
#include "framework/console.h"

namespace {

// The sound's samples, or nothing after its one line.
std::optional<SoundClip> loadMonoClip(const std::string& relativePath)
{
    const std::string path = findFileUpwards(relativePath);
    if (path.empty()) {
        printLine("Sound missing, playing it as silence: " + relativePath);
        return std::nullopt;
    }
    std::string error;
    std::optional<SoundClip> clip = readSoundFile(path, error);
    if (!clip) {
        printLine("Sound refused, playing it as silence: " + relativePath + " (" + error + ")");
        return std::nullopt;
    }
    // Only a single channel can be placed in the level.
    if (clip->channels != 1) {
        printLine("Sound refused, playing it as silence: " + relativePath + " (not mono)");
        return std::nullopt;
    }
    return clip;
}

}  // namespace

SoundBank::SoundBank()
{
    for (std::size_t i = 0; i < SoundCount; ++i) {
        const std::optional<SoundClip> clip = loadMonoClip(soundAssetPath(static_cast<SoundId>(i)));
        if (!clip)
            continue;
        ALuint buffer = 0;
        alGenBuffers(1, &buffer);
        alBufferData(buffer, AL_FORMAT_MONO16, clip->samples.data(),
                     static_cast<ALsizei>(clip->samples.size() * sizeof(std::int16_t)), clip->sampleRate);
        if (alGetError() != AL_NO_ERROR) {
            alDeleteBuffers(1, &buffer);
            printLine(std::string("Sound refused, playing it as silence: ") +
                      soundAssetPath(static_cast<SoundId>(i)) + " (OpenAL did not take it)");
            continue;
        }
        buffers[i] = buffer;
        frames[i] = static_cast<int>(clip->frameCount());
    }
}

SoundBank::~SoundBank()
{
    for (ALuint buffer : buffers) {
        if (buffer != 0)
            alDeleteBuffers(1, &buffer);
    }
}
