// The values start-up copies out of the three settings files.
#pragma once

#include <string>

#include "app/input/control_settings.h"
#include "audio/audio_settings.h"

struct FrameworkArguments;

// The settings files, relative to the project root; the command line can
// replace the camera and the renderer file.
inline constexpr const char* WindowSettingsPath = "assets/settings/window.ini";
inline constexpr const char* CameraSettingsPath = "assets/settings/camera_front.ini";
inline constexpr const char* RendererSettingsPath = "assets/settings/renderer_standard.ini";

struct WindowSettings {
    int width = 800;
    int height = 800;
    int refreshRate = 60;
    bool fullscreen = false;
    std::string title = "KORVEL 2024";
    // The player may resize and maximise the window; from the first resize on,
    // the projection follows the framebuffer's shape.
    bool resizable = false;
};

struct CameraSettings {
    float fovDegrees = 60.0f;
    float nearPlane = 0.1f;
    float farPlane = 100.0f;
    float yaw = 0.0f;    // radians
    float pitch = 0.0f;  // radians
};

// Settings that only matter at start-up; the other renderer flags are process-wide.
struct RendererStartSettings {
    bool depthTest = true;
};

struct StartupSettings {
    WindowSettings window;
    AudioSettings audio;       // the [audio] section of window.ini
    ControlSettings controls;  // the [controls] section of window.ini
    CameraSettings camera;
    RendererStartSettings renderer;
};

// Reads window.ini, the camera file and the renderer file (the command line may
// replace the last two), in that order, querying each key in file order. Missing
// files print their line and leave the defaults; the renderer flags go into the
// process-wide flags the key callback toggles.
StartupSettings readStartupSettings(const FrameworkArguments& arguments);

// Width over height as float, as the projection and the camera use it.
float aspectRatio(const WindowSettings& window);
