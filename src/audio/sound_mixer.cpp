#include "audio/sound_mixer.h"

#include <algorithm>

#include <AL/al.h>

#include "audio/sound_bank.h"

namespace {

// How each kind of source fades with distance (world units) and how loud it is.
struct Falloff {
    float gain;
    float referenceDistance;  // full gain up to here
    float rolloff;            // steeper above 1
};
constexpr Falloff TorchFalloff{0.5f, 1.5f, 1.5f};
constexpr Falloff LavaFalloff{1.0f, 4.0f, 1.0f};
constexpr Falloff SpiderFalloff{1.0f, 2.0f, 1.2f};
constexpr float OneShotGain = 0.9f;

unsigned int makeSource()
{
    ALuint source = 0;
    alGenSources(1, &source);
    return source;
}

void setPosition(unsigned int source, const glm::vec3& position)
{
    alSource3f(source, AL_POSITION, position.x, position.y, position.z);
}

// A looping source in the level; silent when its sound is.
unsigned int makeLoop(const SoundBank& bank, SoundId sound, const Falloff& falloff)
{
    const unsigned int source = makeSource();
    alSourcei(source, AL_BUFFER, static_cast<ALint>(bank.buffer(sound)));
    alSourcei(source, AL_LOOPING, AL_TRUE);
    alSourcef(source, AL_GAIN, falloff.gain);
    alSourcef(source, AL_REFERENCE_DISTANCE, falloff.referenceDistance);
    alSourcef(source, AL_ROLLOFF_FACTOR, falloff.rolloff);
    return source;
}

bool isPlaying(unsigned int source)
{
    ALint state = AL_STOPPED;
    alGetSourcei(source, AL_SOURCE_STATE, &state);
    return state == AL_PLAYING;
}

}  // namespace

SoundMixer::SoundMixer(const SoundBank& bank, std::vector<glm::vec3> torchPositions,
                       const glm::vec3& lavaPosition, std::size_t spiderCount, float volume)
    : bank(bank), torchPositions(std::move(torchPositions))
{
    alListenerf(AL_GAIN, std::clamp(volume, 0.0f, 1.0f));
    for (unsigned int& source : torchSources)
        source = makeLoop(bank, SoundId::TorchCrackle, TorchFalloff);
    playingTorches.fill(NoTorch);

    lavaSource = makeLoop(bank, SoundId::LavaRumble, LavaFalloff);
    setPosition(lavaSource, lavaPosition);
    if (bank.buffer(SoundId::LavaRumble) != 0)
        alSourcePlay(lavaSource);

    for (std::size_t i = 0; i < spiderCount; ++i)
        spiderSources.push_back(makeLoop(bank, SoundId::SpiderSkitter, SpiderFalloff));

    for (unsigned int& source : oneShotSources) {
        source = makeSource();
        // Heard at the listener, whichever way it turns.
        alSourcei(source, AL_SOURCE_RELATIVE, AL_TRUE);
        alSourcef(source, AL_GAIN, OneShotGain);
    }
}

SoundMixer::~SoundMixer()
{
    const auto release = [](unsigned int source) {
        alSourceStop(source);
        alDeleteSources(1, &source);
    };
    std::for_each(torchSources.begin(), torchSources.end(), release);
    release(lavaSource);
    std::for_each(spiderSources.begin(), spiderSources.end(), release);
    std::for_each(oneShotSources.begin(), oneShotSources.end(), release);
}

void SoundMixer::play(const SoundFrame& frame)
{
    placeListener(frame.listener);
    playTorches(frame.torchVoices);
    playSpiders(frame.spiders);
    for (const SoundId sound : frame.oneShots)
        startOneShot(sound);
}

void SoundMixer::placeListener(const ListenerPose& listener)
{
    alListener3f(AL_POSITION, listener.position.x, listener.position.y, listener.position.z);
    const float orientation[] = {listener.forward.x, listener.forward.y, listener.forward.z,
                                 listener.up.x,      listener.up.y,      listener.up.z};
    alListenerfv(AL_ORIENTATION, orientation);
}

void SoundMixer::playTorches(const TorchVoices& wanted)
{
    if (bank.buffer(SoundId::TorchCrackle) == 0)
        return;
    const int loopFrames = std::max(1, bank.frameCount(SoundId::TorchCrackle));
    for (std::size_t voice = 0; voice < TorchVoiceCount; ++voice) {
        const int torch = wanted[voice];
        if (torch == playingTorches[voice])
            continue;
        const unsigned int source = torchSources[voice];
        alSourceStop(source);
        playingTorches[voice] = torch;
        if (torch == NoTorch)
            continue;
        setPosition(source, torchPositions[static_cast<std::size_t>(torch)]);
        alSourcePlay(source);
        // Each torch enters its loop at a place of its own, so neighbours never crackle in step.
        constexpr int OffsetPrime = 7919;
        alSourcei(source, AL_SAMPLE_OFFSET, (torch * OffsetPrime) % loopFrames);
    }
}

void SoundMixer::playSpiders(const std::vector<SpiderVoice>& spiders)
{
    if (bank.buffer(SoundId::SpiderSkitter) == 0)
        return;
    const std::size_t count = std::min(spiders.size(), spiderSources.size());
    for (std::size_t i = 0; i < count; ++i) {
        const unsigned int source = spiderSources[i];
        setPosition(source, spiders[i].position);
        const bool playing = isPlaying(source);
        if (spiders[i].moving && !playing)
            alSourcePlay(source);
        else if (!spiders[i].moving && playing)
            alSourcePause(source);
    }
}

void SoundMixer::startOneShot(SoundId sound)
{
    const unsigned int buffer = bank.buffer(sound);
    if (buffer == 0)
        return;
    const unsigned int source = oneShotSources[nextOneShot];
    nextOneShot = (nextOneShot + 1) % OneShotVoiceCount;
    alSourceStop(source);
    alSourcei(source, AL_BUFFER, static_cast<ALint>(buffer));
    alSourcePlay(source);
}
