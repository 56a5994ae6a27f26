// Where each frame's input and time step come from.
//
// Live play reads the window (keys by level, cursor events as they arrive) and
// the real clocks. A demo replays recorded frames; a route steers the player
// frame by frame. Both of those drive a replay clock with their frame times, so
// the damage cool-down and the start-up grace period count in game time and a
// run is the same on a slow and a fast machine. Any source can be recorded.
#pragma once

#include <cstddef>

#include "app/input/control_settings.h"
#include "app/input/gamepad.h"
#include "app/input/look_cursor.h"
#include "app/replay/demo_file.h"
#include "app/replay/game_clock.h"
#include "app/replay/route.h"
#include "game/key_input.h"

class Camera;
class Player;
struct GLFWwindow;

// Keys of one frame, fixed once the frame's events have been polled.
class FrameKeys : public KeyInput {
public:
    bool isPressed(int key) const override;
    DemoKeys held = 0;
};

// The clock of demos and routes: advanced by each frame's recorded time.
class ReplayClock : public GameClock {
public:
    double frameSeconds() override { return seconds; }
    std::int64_t steadyNanoseconds() override;
    void advance(float frameTime) { seconds += frameTime; }

private:
    double seconds = 0.0;
};

class FrameSource {
public:
    virtual ~FrameSource() = default;

    virtual GameClock& clock() = 0;
    // Before the frame reads its clock; false when there is nothing left to play.
    virtual bool beginFrame() = 0;
    // This frame's time step, given the one measured on the clock.
    virtual float frameTime(float measured) const = 0;
    // After event polling: hands this frame's cursor events to the camera and
    // fixes the keys. Returns the frame as a demo records it.
    virtual const DemoFrame& collectInput(Camera& camera, const Player& player, float frameTime) = 0;
    // True after the last frame of a demo or route (and after the only frame
    // of a headless live run).
    virtual bool endsAfterThisFrame(bool headless) const = 0;
    // Replays run on their own time; live play is paced by the clock.
    virtual bool isReplay() const = 0;

    const KeyInput& keys() const { return frameKeys; }

protected:
    FrameKeys frameKeys;
};

// Live play. The window's cursor callback hands events here; they turn the
// camera at once, as they always have, and are kept for a recording. The
// keyboard and a gamepad are read once a frame into the same record, the
// gamepad's look as further cursor positions. Without a window (a headless
// frame) no key is ever held and no gamepad is read.
class LiveFrameSource : public FrameSource {
public:
    explicit LiveFrameSource(GLFWwindow* window, const ControlSettings& controls = {});
    GameClock& clock() override { return liveClock; }
    bool beginFrame() override;
    float frameTime(float measured) const override { return measured; }
    const DemoFrame& collectInput(Camera& camera, const Player& player, float frameTime) override;
    bool endsAfterThisFrame(bool headless) const override { return headless; }
    bool isReplay() const override { return false; }

    void onCursor(Camera& camera, double x, double y);

    // While paused the clocks stand still and the mouse is not read; after it
    // the mouse continues from where the view was left.
    void pause();
    void resume();

private:
    GLFWwindow* window;
    ControlSettings controls;
    LiveClock liveClock;
    LookCursor lookCursor;
    Gamepad gamepad;
    bool paused = false;
    DemoFrame frame;
};

// Plays a demo back frame by frame.
class DemoFrameSource : public FrameSource {
public:
    explicit DemoFrameSource(Demo demo) : demo(std::move(demo)) {}
    GameClock& clock() override { return replayClock; }
    bool beginFrame() override;
    float frameTime(float measured) const override;
    const DemoFrame& collectInput(Camera& camera, const Player& player, float frameTime) override;
    bool endsAfterThisFrame(bool headless) const override;
    bool isReplay() const override { return true; }

private:
    Demo demo;
    ReplayClock replayClock;
    std::size_t next = 0;  // index of the frame beginFrame hands out next
};

// Runs a route: the autopilot steers from the player's position every frame.
class RouteFrameSource : public FrameSource {
public:
    RouteFrameSource(Route route, float mouseSensitivity) : autopilot(std::move(route), mouseSensitivity) {}
    GameClock& clock() override { return replayClock; }
    bool beginFrame() override;
    float frameTime(float) const override { return RouteFrameTime; }
    const DemoFrame& collectInput(Camera& camera, const Player& player, float frameTime) override;
    bool endsAfterThisFrame(bool) const override { return autopilot.finished(); }
    bool isReplay() const override { return true; }

private:
    RouteAutopilot autopilot;
    ReplayClock replayClock;
    DemoFrame frame;
    bool started = false;
};
