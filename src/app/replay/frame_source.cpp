#include "app/replay/frame_source.h"

#include <cmath>

#include <GLFW/glfw3.h>

#include "app/input/gamepad_mapping.h"
#include "game/camera.h"
#include "game/player.h"
#include "physics/character_controller.h"

bool FrameKeys::isPressed(int key) const
{
    return (held & demoKeyBit(key)) != 0;
}

std::int64_t ReplayClock::steadyNanoseconds()
{
    return static_cast<std::int64_t>(std::llround(seconds * 1e9));
}

LiveFrameSource::LiveFrameSource(GLFWwindow* window, const ControlSettings& controls)
    : window(window), controls(controls), lookCursor(controls.mouseSensitivity, controls.invertY)
{
}

bool LiveFrameSource::beginFrame()
{
    frame.cursorEvents.clear();
    return true;
}

void LiveFrameSource::onCursor(Camera& camera, double x, double y)
{
    if (paused)
        return;
    const glm::dvec2 cursor = lookCursor.mouse(x, y);
    camera.onCursorPos(cursor.x, cursor.y);
    frame.cursorEvents.push_back(cursor);
}

const DemoFrame& LiveFrameSource::collectInput(Camera& camera, const Player&, float time)
{
    frame.frameTime = time;
    frame.keys = 0;
    if (window == nullptr)
        return frame;
    for (const DemoKeyName& name : demoKeyNames()) {
        if (glfwGetKey(window, name.glfwKey) == GLFW_PRESS)
            frame.keys |= demoKeyBit(name.glfwKey);
    }
    if (const std::optional<GLFWgamepadstate> state = gamepad.poll()) {
        const GamepadFrame pad = mapGamepad(*state, controls, time);
        for (int key : pad.keys)
            frame.keys |= demoKeyBit(key);
        // The stick's turn in radians as cursor movement at the camera's rate.
        if (pad.look != glm::vec2(0.0f)) {
            const std::size_t first = frame.cursorEvents.size();
            lookCursor.move(glm::dvec2(pad.look) / static_cast<double>(camera.sensitivity),
                            frame.cursorEvents);
            for (std::size_t i = first; i < frame.cursorEvents.size(); ++i)
                camera.onCursorPos(frame.cursorEvents[i].x, frame.cursorEvents[i].y);
        }
    }
    frameKeys.held = frame.keys;
    return frame;
}

void LiveFrameSource::pause()
{
    paused = true;
    liveClock.pause();
}

void LiveFrameSource::resume()
{
    paused = false;
    liveClock.resume();
    lookCursor.continueFromLast();
}

bool DemoFrameSource::beginFrame()
{
    if (next >= demo.frames.size())
        return false;
    replayClock.advance(demo.frames[next].frameTime);
    ++next;
    return true;
}

float DemoFrameSource::frameTime(float) const
{
    return demo.frames[next - 1].frameTime;
}

const DemoFrame& DemoFrameSource::collectInput(Camera& camera, const Player&, float)
{
    const DemoFrame& frame = demo.frames[next - 1];
    for (const glm::dvec2& cursor : frame.cursorEvents)
        camera.onCursorPos(cursor.x, cursor.y);
    frameKeys.held = frame.keys;
    return frame;
}

bool DemoFrameSource::endsAfterThisFrame(bool) const
{
    return next >= demo.frames.size();
}

bool RouteFrameSource::beginFrame()
{
    if (started && autopilot.finished())
        return false;
    started = true;
    replayClock.advance(RouteFrameTime);
    return true;
}

const DemoFrame& RouteFrameSource::collectInput(Camera& camera, const Player& player, float)
{
    const glm::vec3 position =
        player.controller ? glm::vec3(player.controller->getPosition()) : player.position;
    frame = autopilot.nextFrame(position, camera.yaw);
    for (const glm::dvec2& cursor : frame.cursorEvents)
        camera.onCursorPos(cursor.x, cursor.y);
    frameKeys.held = frame.keys;
    return frame;
}
