// Routes: scripted walks through the level that turn into demos.
//
//     korvel-route 1
//     # the player walks to each way point in turn (world x and z)
//     sprint on
//     goto 2.45 0
//     goto 38.5 -42.5
//     jump
//     goto 44 -42.5
//     walk 0.5
//     face -7 -8.1
//     wait 1.5
//     press F10
//
// "goto" steers the camera towards the way point and holds W (with B while
// sprinting, except close to the point) until the player is within reach;
// "jump" holds W and Space for one frame; "walk" holds W (and B while
// sprinting) straight on for a number of seconds; "face" turns the camera
// towards a point without moving; "wait" stands still for a
// number of seconds; "press" holds one key for one frame; "sprint" switches
// sprinting on or off. A teleport (a win, a respawn, F9) ends a goto or a walk
// at once, since the way point no longer makes sense from where the player is. The game runs a route like a demo (fixed frame time),
// steering from the player's real position every frame, and can record it.
#pragma once

#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

#include <glm/vec2.hpp>
#include <glm/vec3.hpp>

#include "app/replay/demo_file.h"

// Frame time of a route run (seconds).
constexpr float RouteFrameTime = 1.0f / 60.0f;
// A way point counts as reached within this horizontal distance (world units).
constexpr float RouteReachDistance = 0.1f;
// Sprinting stops this close to a way point, so the player does not overshoot.
constexpr float RouteSprintSlowdownDistance = 3.0f;
// A way point not reached after this long is given up (seconds).
constexpr float RouteGotoTimeout = 60.0f;
// A jump of the player's position larger than this in one frame is a teleport.
constexpr float RouteTeleportDistance = 5.0f;

struct RouteStep {
    enum class Kind { Goto, Jump, Walk, Face, Wait, Press, Sprint };
    Kind kind = Kind::Goto;
    glm::vec2 target{0.0f};  // Goto, Face: world (x, z)
    float seconds = 0.0f;    // Walk, Wait
    DemoKeys key = 0;        // Press
    bool sprint = false;     // Sprint
};

struct Route {
    std::vector<RouteStep> steps;
};

struct RouteParseResult {
    Route route;
    std::string error;  // empty when the file was read; else one line for the player
    bool ok() const { return error.empty(); }
};

RouteParseResult parseRoute(std::istream& input, const std::string& fileName);
RouteParseResult readRouteFile(const std::string& path);

// Steers the player along a route, one frame at a time. Pure: it reads the
// player's position and the camera's yaw and answers with the frame's input.
class RouteAutopilot {
public:
    explicit RouteAutopilot(Route route, float mouseSensitivity);

    // The input of the next frame, from the player's capsule centre and the
    // camera's yaw (radians) as they are before this frame's input.
    DemoFrame nextFrame(const glm::vec3& playerPosition, float cameraYaw);

    bool finished() const { return stepIndex >= route.steps.size(); }

private:
    // Input of a goto step; reaching the point advances to the next step.
    DemoFrame steerTowards(const RouteStep& step, const glm::vec3& position, float yaw);
    // A cursor event that turns the camera from `yaw` towards `target`, if it needs turning.
    void turnTowards(const glm::vec2& target, const glm::vec3& position, float yaw, DemoFrame& frame);
    DemoKeys walkingKeys(float distanceLeft) const;
    void advanceStep();

    Route route;
    float sensitivity;
    std::size_t stepIndex = 0;
    float stepTime = 0.0f;  // seconds spent on the current step
    bool sprinting = false;
    bool cursorPrimed = false;  // the camera ignores the first cursor event
    glm::dvec2 cursor{0.0};
    std::optional<glm::vec3> lastPosition;  // where the player was a frame ago
};
