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

void PrintTo(const CursorCase& c, std::ostream* os)
{
    *os << c.name;
}

const CursorCase CursorCases[] = {
    {"DefaultsKeepTheWindowsPositions",
     1.0,
     false,
     {{Step::Mouse, {512.25, 384.5}, {{512.25, 384.5}}}, {Step::Mouse, {-3.0, 1e6}, {{-3.0, 1e6}}}}},
    {"SensitivityScalesEveryMove",
     2.5,
     false,
     {{Step::Mouse, {100.0, 100.0}, {{250.0, 250.0}}}, {Step::Mouse, {110.0, 96.0}, {{275.0, 240.0}}}}},
    {"InvertTurnsTheVerticalRound",
     1.0,
     true,
     {{Step::Mouse, {100.0, 100.0}, {{100.0, -100.0}}}, {Step::Mouse, {103.0, 110.0}, {{103.0, -110.0}}}}},
    {"AStickMoveFirstSetsTheStartingPointToo",
     1.0,
     false,
     {{Step::Move, {5.0, 0.0}, {{0.0, 0.0}, {5.0, 0.0}}}, {Step::Move, {1.0, 2.0}, {{6.0, 2.0}}}}},
    {"TheMouseContinuesFromTheStick",
     1.0,
     false,
     {{Step::Move, {5.0, 0.0}, {{0.0, 0.0}, {5.0, 0.0}}},
      {Step::Mouse, {400.0, 300.0}, {{5.0, 0.0}}},
      {Step::Mouse, {410.0, 300.0}, {{15.0, 0.0}}}}},
    {"TheStickMovesOnFromTheMouse",
     2.0,
     false,
     {{Step::Mouse, {200.0, 150.0}, {{400.0, 300.0}}},
      {Step::Move, {-10.0, 0.0}, {{390.0, 300.0}}},
      {Step::Mouse, {201.0, 151.0}, {{392.0, 302.0}}}}},
    {"AfterAPauseTheMouseContinuesWhereItWas",
     1.0,
     false,
     {{Step::Mouse, {100.0, 100.0}, {{100.0, 100.0}}},
      {Step::Continue, {}, {}},
      {Step::Mouse, {900.0, 700.0}, {{100.0, 100.0}}},
      {Step::Mouse, {901.0, 698.0}, {{101.0, 98.0}}}}},
};

class LookCursorSteps : public ::testing::TestWithParam<CursorCase> {};

}  // namespace

TEST_P(LookCursorSteps, HandTheCameraThesePositions)
{
    LookCursor cursor(GetParam().sensitivity, GetParam().invertY);
    int index = 0;
    for (const CursorStep& step : GetParam().steps) {
        std::vector<glm::dvec2> positions;
        if (step.step == Step::Mouse)
            positions.push_back(cursor.mouse(step.input.x, step.input.y));
        else if (step.step == Step::Move)
            cursor.move(step.input, positions);
        else
            cursor.continueFromLast();
        EXPECT_EQ(positions, step.positions) << "step " << index;
        ++index;
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, LookCursorSteps, ::testing::ValuesIn(CursorCases),
                         [](const auto& info) { return std::string(info.param.name); });
