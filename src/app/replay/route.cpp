#include "app/replay/route.h"

#include <cmath>
#include <fstream>
#include <sstream>

#include <GLFW/glfw3.h>
#include <glm/geometric.hpp>

#include "framework/file_path.h"

namespace {

const char* const RouteMagic = "korvel-route";
constexpr float Pi = 3.14159265358979f;

std::string errorLine(const std::string& fileName, int lineNumber, const std::string& reason)
{
    return "ERROR: Bad route file '" + fileName + "' line " + std::to_string(lineNumber) + ": " + reason;
}

bool finiteNumbers(std::istringstream& tokens, float& a)
{
    return static_cast<bool>(tokens >> a) && std::isfinite(a);
}

// Parses one instruction; returns the reason it is bad, or an empty string.
std::string parseStep(const std::string& line, RouteStep& step)
{
    std::istringstream tokens(line);
    std::string word;
    tokens >> word;
    if (word == "goto" || word == "face") {
        step.kind = word == "goto" ? RouteStep::Kind::Goto : RouteStep::Kind::Face;
        if (!finiteNumbers(tokens, step.target.x) || !finiteNumbers(tokens, step.target.y))
            return "expected '" + word + " <x> <z>'";
    } else if (word == "jump") {
        step.kind = RouteStep::Kind::Jump;
    } else if (word == "wait" || word == "walk") {
        step.kind = word == "wait" ? RouteStep::Kind::Wait : RouteStep::Kind::Walk;
        if (!finiteNumbers(tokens, step.seconds) || step.seconds < 0.0f || step.seconds > 3600.0f)
            return "expected '" + word + " <seconds>' with 0 to 3600 seconds";
    } else if (word == "press") {
        step.kind = RouteStep::Kind::Press;
        std::string key;
        tokens >> key;
        for (const DemoKeyName& name : demoKeyNames()) {
            if (key == name.name)
                step.key = demoKeyBit(name.glfwKey);
        }
        if (step.key == 0)
            return "unknown key '" + key + "'";
    } else if (word == "sprint") {
        step.kind = RouteStep::Kind::Sprint;
        std::string value;
        tokens >> value;
        if (value != "on" && value != "off")
            return "expected 'sprint on' or 'sprint off'";
        step.sprint = value == "on";
    } else {
        return "unknown instruction '" + word + "'";
    }
    std::string extra;
    if (tokens >> extra)
        return "unexpected '" + extra + "'";
    return {};
}

// The angle in (-pi, pi] equal to `angle` modulo a full turn.
float wrapAngle(float angle)
{
    angle = std::fmod(angle + Pi, 2.0f * Pi);
    if (angle < 0.0f)
        angle += 2.0f * Pi;
    return angle - Pi;
}

}  // namespace

RouteParseResult parseRoute(std::istream& input, const std::string& fileName)
{
    RouteParseResult result;
    bool sawHeader = false;
    std::string line;
    for (int lineNumber = 1; std::getline(input, line); ++lineNumber) {
        const std::size_t comment = line.find('#');
        if (comment != std::string::npos)
            line.erase(comment);
        if (line.find_first_not_of(" \t\r") == std::string::npos)
            continue;
        if (!sawHeader) {
            std::istringstream tokens(line);
            std::string magic;
            std::string version;
            tokens >> magic >> version;
            if (magic != RouteMagic || version != "1") {
                result.error = errorLine(fileName, lineNumber, "expected 'korvel-route 1'");
                return result;
            }
            sawHeader = true;
            continue;
        }
        RouteStep step;
        const std::string reason = parseStep(line, step);
        if (!reason.empty()) {
            result.error = errorLine(fileName, lineNumber, reason);
            return result;
        }
        result.route.steps.push_back(step);
    }
    if (!sawHeader || result.route.steps.empty())
        result.error = "ERROR: Bad route file '" + fileName + "': no 'korvel-route 1' line or no steps";
    return result;
}

RouteParseResult readRouteFile(const std::string& path)
{
    std::ifstream file(filePath(path));
    if (!file) {
        RouteParseResult result;
        result.error = "ERROR: Could not open route file '" + path + "'";
        return result;
    }
    return parseRoute(file, path);
}

RouteAutopilot::RouteAutopilot(Route route, float mouseSensitivity)
    : route(std::move(route)), sensitivity(mouseSensitivity)
{
}

DemoFrame RouteAutopilot::nextFrame(const glm::vec3& playerPosition, float cameraYaw)
{
    DemoFrame frame;
    frame.frameTime = RouteFrameTime;
    if (!cursorPrimed) {
        // The first cursor event only tells the camera where the cursor is.
        frame.cursorEvents.push_back(cursor);
        cursorPrimed = true;
    }
    const bool teleported =
        lastPosition && glm::length(playerPosition - *lastPosition) > RouteTeleportDistance;
    lastPosition = playerPosition;

    while (!finished()) {
        const RouteStep& step = route.steps[stepIndex];
        const bool moving = step.kind == RouteStep::Kind::Goto || step.kind == RouteStep::Kind::Walk;
        if (moving && teleported && stepTime > 0.0f) {
            advanceStep();
            continue;
        }
        switch (step.kind) {
        case RouteStep::Kind::Sprint:
            sprinting = step.sprint;
            advanceStep();
            continue;
        case RouteStep::Kind::Jump:
            frame.keys |= demoKeyBit(GLFW_KEY_W) | demoKeyBit(GLFW_KEY_SPACE);
            advanceStep();
            return frame;
        case RouteStep::Kind::Press:
            frame.keys |= step.key;
            advanceStep();
            return frame;
        case RouteStep::Kind::Face:
            turnTowards(step.target, playerPosition, cameraYaw, frame);
            advanceStep();
            return frame;
        case RouteStep::Kind::Walk:
        case RouteStep::Kind::Wait:
            stepTime += RouteFrameTime;
            if (step.kind == RouteStep::Kind::Walk)
                frame.keys |= walkingKeys(RouteSprintSlowdownDistance + 1.0f);
            if (stepTime >= step.seconds)
                advanceStep();
            return frame;
        case RouteStep::Kind::Goto: {
            const std::size_t before = stepIndex;
            const DemoFrame steering = steerTowards(step, playerPosition, cameraYaw);
            if (stepIndex != before)
                continue;  // reached: go on with the next step in this same frame
            frame.keys |= steering.keys;
            frame.cursorEvents.insert(frame.cursorEvents.end(), steering.cursorEvents.begin(),
                                      steering.cursorEvents.end());
            return frame;
        }
        }
    }
    return frame;
}

DemoFrame RouteAutopilot::steerTowards(const RouteStep& step, const glm::vec3& position, float yaw)
{
    DemoFrame frame;
    const glm::vec2 toTarget = step.target - glm::vec2(position.x, position.z);
    const float distance = glm::length(toTarget);
    stepTime += RouteFrameTime;
    if (distance <= RouteReachDistance || stepTime > RouteGotoTimeout) {
        advanceStep();
        return frame;
    }
    turnTowards(step.target, position, yaw, frame);
    frame.keys = walkingKeys(distance);
    return frame;
}

void RouteAutopilot::turnTowards(const glm::vec2& target, const glm::vec3& position, float yaw,
                                 DemoFrame& frame)
{
    // The camera looks along (sin yaw, -cos yaw) in x and z.
    const glm::vec2 toTarget = target - glm::vec2(position.x, position.z);
    const float wantedYaw = std::atan2(toTarget.x, -toTarget.y);
    const float turn = wrapAngle(wantedYaw - yaw);
    if (std::fabs(turn) > 1e-4f) {
        cursor.x += static_cast<double>(turn / sensitivity);
        frame.cursorEvents.push_back(cursor);
    }
}

DemoKeys RouteAutopilot::walkingKeys(float distanceLeft) const
{
    DemoKeys keys = demoKeyBit(GLFW_KEY_W);
    if (sprinting && distanceLeft > RouteSprintSlowdownDistance)
        keys |= demoKeyBit(GLFW_KEY_B);
    return keys;
}

void RouteAutopilot::advanceStep()
{
    ++stepIndex;
    stepTime = 0.0f;
}
