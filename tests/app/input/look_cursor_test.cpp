// The cursor positions the camera turns by: the window's own at the default
// settings, scaled and inverted otherwise, and continuous across the gamepad's
// moves and a pause.
#include "app/input/look_cursor.h"

#include <gtest/gtest.h>

namespace {

enum class Step { Mouse, Move, Continue };

struct CursorStep {
    Step step;
    glm::dvec2 input;
    std::vector<glm::dvec2> positions;  // what the camera gets
};

struct CursorCase {
    const char* name;
    double sensitivity;
    bool invertY;
    std::vector<CursorStep> steps;
};

const glm::dvec2 None{0.0};

}  // namespace

TEST(LookCursor, HandsTheCameraThesePositions)
{
    const CursorCase cases[] = {
        {"defaults keep the window's positions",
         1.0,
         false,
         {{Step::Mouse, {512.25, 384.5}, {{512.25, 384.5}}}, {Step::Mouse, {-3.0, 1e6}, {{-3.0, 1e6}}}}},
        {"sensitivity and inversion scale every move",
         2.5,
         true,
         {{Step::Mouse, {100.0, 100.0}, {{250.0, -250.0}}}, {Step::Mouse, {110.0, 96.0}, {{275.0, -240.0}}}}},
        {"a first stick move sets the starting point too",
         1.0,
         false,
         {{Step::Move, {5.0, 0.0}, {None, {5.0, 0.0}}},
          {Step::Mouse, {400.0, 300.0}, {{5.0, 0.0}}},
          {Step::Mouse, {410.0, 300.0}, {{15.0, 0.0}}}}},
        {"the stick moves on from the mouse",
         2.0,
         false,
         {{Step::Mouse, {200.0, 150.0}, {{400.0, 300.0}}},
          {Step::Move, {-10.0, 0.0}, {{390.0, 300.0}}},
          {Step::Mouse, {201.0, 151.0}, {{392.0, 302.0}}}}},
        {"after a pause the mouse continues where it was",
         1.0,
         false,
         {{Step::Mouse, {100.0, 100.0}, {{100.0, 100.0}}},
          {Step::Continue, None, {}},
          {Step::Mouse, {900.0, 700.0}, {{100.0, 100.0}}},
          {Step::Mouse, {901.0, 698.0}, {{101.0, 98.0}}}}},
    };
    for (const CursorCase& c : cases) {
        LookCursor cursor(c.sensitivity, c.invertY);
        for (std::size_t i = 0; i < c.steps.size(); ++i) {
            std::vector<glm::dvec2> positions;
            if (c.steps[i].step == Step::Mouse)
                positions.push_back(cursor.mouse(c.steps[i].input.x, c.steps[i].input.y));
            else if (c.steps[i].step == Step::Move)
                cursor.move(c.steps[i].input, positions);
            else
                cursor.continueFromLast();
            EXPECT_EQ(positions, c.steps[i].positions) << c.name << ", step " << i;
        }
    }
}
