// Where a run's mouse input goes: live play turns the camera, a headless frame
// does not, whatever the display's pointer does while the frame is made.
#include <gtest/gtest.h>

#include "app/replay/run_options.h"
#include "game/camera.h"

namespace {

// Two cursor positions far apart, as a pointer warped by another window on the
// same display delivers them.
float yawAfterTwoCursorEvents(bool headless)
{
    RunOptions run;
    EXPECT_TRUE(run.prepare(ReplayArguments{}, headless));
    // No window is needed until a frame reads its keys.
    run.attachWindow(nullptr, MouseSensitivity);
    Camera camera;
    run.onCursor(camera, 399.0, 399.0);
    run.onCursor(camera, 199.0, 199.0);
    return camera.yaw;
}

TEST(RunOptions, OnlyLivePlayTurnsTheCameraWithTheCursor)
{
    EXPECT_NE(yawAfterTwoCursorEvents(false), 0.0f);
    EXPECT_EQ(yawAfterTwoCursorEvents(true), 0.0f);
}

}  // namespace
