#include "audio/audio_device.h"

#include <cstdio>

#include <AL/al.h>
#include <AL/alext.h>

#include <fcntl.h>
#ifdef _WIN32
#include <io.h>  // dup, dup2, open and close, as POSIX has them
#else
#include <unistd.h>
#endif

namespace {

#ifdef _WIN32
const char* const NullDevice = "NUL";
#else
const char* const NullDevice = "/dev/null";
#endif
constexpr int StandardError = 2;

// While the system's sound drivers are probed, their own complaints (ALSA's
// "Unknown PCM default", OpenAL's log) would spill onto the console; the game
// says what matters in its one "Audio unavailable: " line instead. (On Windows
// the sound library shares the game's C runtime, and so its standard error.)
class QuietStandardError {
public:
    QuietStandardError()
    {
        std::fflush(stderr);
        saved = dup(StandardError);
        const int nowhere = open(NullDevice, O_WRONLY);
        if (saved >= 0 && nowhere >= 0)
            dup2(nowhere, StandardError);
        if (nowhere >= 0)
            close(nowhere);
    }
    ~QuietStandardError()
    {
        if (saved >= 0) {
            std::fflush(stderr);
            dup2(saved, StandardError);
            close(saved);
        }
    }
    QuietStandardError(const QuietStandardError&) = delete;
    QuietStandardError& operator=(const QuietStandardError&) = delete;

private:
    int saved = -1;
};

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
    ALCdevice* device = nullptr;
    {
        const QuietStandardError quiet;
        device = alcOpenDevice(nullptr);
    }
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
    const auto openLoopbackDevice = reinterpret_cast<LPALCLOOPBACKOPENDEVICESOFT>(
        alcGetProcAddress(nullptr, "alcLoopbackOpenDeviceSOFT"));
    const auto render =
        reinterpret_cast<LPALCRENDERSAMPLESSOFT>(alcGetProcAddress(nullptr, "alcRenderSamplesSOFT"));
    ALCdevice* device = openLoopbackDevice != nullptr ? openLoopbackDevice(nullptr) : nullptr;
    if (device == nullptr || render == nullptr) {
        error = "the loopback device could not be opened";
        return nullptr;
    }
    // A recording must come out the same everywhere: no head-related filters
    // and no limiter that would depend on the mix's history.
    const int attributes[] = {ALC_FORMAT_CHANNELS_SOFT,
                              ALC_STEREO_SOFT,
                              ALC_FORMAT_TYPE_SOFT,
                              ALC_SHORT_SOFT,
                              ALC_FREQUENCY,
                              LoopbackSampleRate,
                              ALC_HRTF_SOFT,
                              ALC_FALSE,
                              ALC_OUTPUT_LIMITER_SOFT,
                              ALC_FALSE,
                              0};
    return withContext(device, attributes, render, error);
}

void AudioDevice::render(std::int16_t* interleaved, int frames)
{
    if (renderSamples != nullptr && frames > 0)
        renderSamples(device, interleaved, frames);
}

namespace {

using DeviceCall = void(ALC_APIENTRY*)(ALCdevice*);

// One of the pause extension's two calls, or null where it is missing.
DeviceCall pauseExtensionCall(ALCdevice* device, const char* name)
{
    if (alcIsExtensionPresent(device, "ALC_SOFT_pause_device") != ALC_TRUE)
        return nullptr;
    return reinterpret_cast<DeviceCall>(alcGetProcAddress(device, name));
}

}  // namespace

// OpenAL Soft pauses a whole device; where it cannot, the listener goes silent
// instead and the sounds play on unheard.
void AudioDevice::pause()
{
    if (renderSamples != nullptr)
        return;
    if (const DeviceCall pauseDevice = pauseExtensionCall(device, "alcDevicePauseSOFT")) {
        pauseDevice(device);
        return;
    }
    alGetListenerf(AL_GAIN, &gainBeforePause);
    alListenerf(AL_GAIN, 0.0f);
}

void AudioDevice::resume()
{
    if (renderSamples != nullptr)
        return;
    if (const DeviceCall resumeDevice = pauseExtensionCall(device, "alcDeviceResumeSOFT")) {
        resumeDevice(device);
        return;
    }
    alListenerf(AL_GAIN, gainBeforePause);
}
