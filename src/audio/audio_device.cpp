#include "audio/audio_device.h"

#include <AL/al.h>
#include <AL/alext.h>

namespace {

std::string alcErrorText(ALCdevice* device)
{
    const ALCenum code = alcGetError(device);
    const ALCchar* text = alcGetString(device, code);
    return text != nullptr ? text : "unknown OpenAL error";
}

}  // namespace

AudioDevice::AudioDevice(ALCdevice* device, ALCcontext* context, RenderFunction render)
    : device(device), context(context), renderSamples(render)
{
}

AudioDevice::~AudioDevice()
{
    alcMakeContextCurrent(nullptr);
    alcDestroyContext(context);
    alcCloseDevice(device);
}

std::unique_ptr<AudioDevice> AudioDevice::withContext(ALCdevice* device, const int* attributes,
                                                     RenderFunction render, std::string& error)
{
    ALCcontext* context = alcCreateContext(device, attributes);
    if (context == nullptr || alcMakeContextCurrent(context) != ALC_TRUE) {
        error = "no context on the sound device (" + alcErrorText(device) + ")";
        if (context != nullptr)
            alcDestroyContext(context);
        alcCloseDevice(device);
        return nullptr;
    }
    return std::unique_ptr<AudioDevice>(new AudioDevice(device, context, render));
}

std::unique_ptr<AudioDevice> AudioDevice::openDefault(std::string& error)
{
    ALCdevice* device = alcOpenDevice(nullptr);
    if (device == nullptr) {
        error = "no sound device could be opened";
        return nullptr;
    }
    return withContext(device, nullptr, nullptr, error);
}

std::unique_ptr<AudioDevice> AudioDevice::openLoopback(std::string& error)
{
    if (alcIsExtensionPresent(nullptr, "ALC_SOFT_loopback") != ALC_TRUE) {
        error = "this OpenAL has no loopback device (ALC_SOFT_loopback)";
        return nullptr;
    }
    const auto openLoopbackDevice =
        reinterpret_cast<LPALCLOOPBACKOPENDEVICESOFT>(alcGetProcAddress(nullptr, "alcLoopbackOpenDeviceSOFT"));
    const auto render =
        reinterpret_cast<LPALCRENDERSAMPLESSOFT>(alcGetProcAddress(nullptr, "alcRenderSamplesSOFT"));
    ALCdevice* device = openLoopbackDevice != nullptr ? openLoopbackDevice(nullptr) : nullptr;
    if (device == nullptr || render == nullptr) {
        error = "the loopback device could not be opened";
        return nullptr;
    }
    // A recording must come out the same everywhere: no head-related filters
    // and no limiter that would depend on the mix's history.
    const int attributes[] = {ALC_FORMAT_CHANNELS_SOFT, ALC_STEREO_SOFT,
                              ALC_FORMAT_TYPE_SOFT, ALC_SHORT_SOFT,
                              ALC_FREQUENCY, LoopbackSampleRate,
                              ALC_HRTF_SOFT, ALC_FALSE,
                              ALC_OUTPUT_LIMITER_SOFT, ALC_FALSE,
                              0};
    return withContext(device, attributes, render, error);
}

void AudioDevice::render(std::int16_t* interleaved, int frames)
{
    if (renderSamples != nullptr && frames > 0)
        renderSamples(device, interleaved, frames);
}
