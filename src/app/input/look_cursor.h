// The cursor positions the camera turns by, made from the player's mouse and
// gamepad.
//
// The camera turns by the difference between cursor positions at the game's
// fixed rate, and a demo records those positions. So the player's mouse
// settings are applied here, to the positions themselves: a recorded run turns
// the same on any machine, whatever its settings. At a sensitivity of 1 without
// inversion the positions are the window's own, as they have always been.
//
// A gamepad's look is a further move of the same cursor, and after a pause the
// next mouse position continues from the last one, so that where the pointer
// wandered meanwhile never turns the view.
#pragma once

#include <optional>
#include <vector>

#include <glm/vec2.hpp>

class LookCursor {
public:
    // `sensitivity` multiplies every mouse movement; `invertY` turns the
    // vertical one round.
    LookCursor(double sensitivity, bool invertY);

    // One mouse position from the window; returns the position the camera gets.
    glm::dvec2 mouse(double x, double y);

    // Moves the cursor by `delta` (cursor units) and appends the positions the
    // camera gets to `events`: two when nothing has set the cursor yet, since
    // the camera takes the first position only as its starting point.
    void move(const glm::dvec2& delta, std::vector<glm::dvec2>& events);

    // The next mouse position continues from the last position handed out.
    void continueFromLast() { rebaseMouse = true; }

private:
    glm::dvec2 scale;
    glm::dvec2 offset{0.0};          // added to the scaled mouse position
    std::optional<glm::dvec2> last;  // the last position handed out
    bool rebaseMouse = true;         // the next mouse position continues from `last`
};
