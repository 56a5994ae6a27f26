#include "app/startup_settings.h"

#include <algorithm>
#include <cmath>

#include "app/controls_section.h"
#include "app/render_flags.h"
#include "app/settings.h"
#include "framework/console.h"
#include "framework/framework_arguments.h"

namespace {

WindowSettings readWindowSettings(const SettingsFile& file)
{
    const WindowSettings defaults;
    WindowSettings window;
    window.width = file.getInt("window", "width", defaults.width);
    window.height = file.getInt("window", "height", defaults.height);
    window.refreshRate = file.getInt("window", "refresh_rate", defaults.refreshRate);
    window.fullscreen = file.getBool("window", "fullscreen", defaults.fullscreen);
    window.title = file.getString("window", "title", defaults.title);
    window.resizable = file.getBool("window", "resizable", defaults.resizable);
    return window;
}

AudioSettings readAudioSettings(const SettingsFile& file)
{
    const AudioSettings defaults;
    AudioSettings audio;
    const double volume = file.getReal("audio", "volume", defaults.volume);
    // Beyond the range means its nearer end; "nan" is no loudness at all.
    audio.volume = std::isnan(volume) ? defaults.volume : static_cast<float>(std::clamp(volume, 0.0, 1.0));
    audio.mute = file.getBool("audio", "mute", defaults.mute);
    return audio;
}

CameraSettings readCameraSettings(const std::string& path)
{
    const SettingsFile file(path);
    const CameraSettings defaults;
    CameraSettings camera;
    // The near default is 0.1f widened to double, so that it narrows back exactly.
    camera.fovDegrees = static_cast<float>(file.getReal("camera", "fov", defaults.fovDegrees));
    camera.nearPlane = static_cast<float>(file.getReal("camera", "near", defaults.nearPlane));
    camera.farPlane = static_cast<float>(file.getReal("camera", "far", defaults.farPlane));
    camera.yaw = static_cast<float>(file.getReal("camera", "yaw", defaults.yaw));
    camera.pitch = static_cast<float>(file.getReal("camera", "pitch", defaults.pitch));
    return camera;
}

RendererStartSettings readRendererSettings(const std::string& path)
{
    const SettingsFile file(path);
    readRenderFlags(renderFlags, file);
    RendererStartSettings renderer;
    renderer.depthTest = file.getBool("renderer", "depthtest", true);
    return renderer;
}

}  // namespace

StartupSettings readStartupSettings(const FrameworkArguments& arguments)
{
    StartupSettings settings;
    {
        const SettingsFile windowFile(WindowSettingsPath);
        settings.window = readWindowSettings(windowFile);
        settings.audio = readAudioSettings(windowFile);
        std::vector<std::string> notes;
        settings.controls = readControlSettings(windowFile, notes);
        for (const std::string& note : notes)
            printLine(note);
    }
    settings.camera = readCameraSettings(arguments.hasInitCamera ? arguments.initCamera : CameraSettingsPath);
    settings.renderer =
        readRendererSettings(arguments.hasInitRenderer ? arguments.initRenderer : RendererSettingsPath);
    return settings;
}

float aspectRatio(const WindowSettings& window)
{
    return static_cast<float>(window.width) / static_cast<float>(window.height);
}
