// Pausing live play while the player is away from the window: when it pauses,
// that the loop only waits meanwhile, that no game time passes, and that the
// mouse neither turns the view while away nor when the player comes back.
#include "app/pause_state.h"

#include <cmath>
#include <string>

#include <gtest/gtest.h>

#include "app/replay/frame_source.h"
#include "game/camera.h"
#include "game/physics/character_controller.h"
#include "game/physics/collision_scene.h"
#include "game/player.h"

namespace {

double fakeSeconds = 0.0;
std::int64_t fakeNanoseconds = 0;

double readFakeSeconds()
{
    return fakeSeconds;
}

std::int64_t readFakeNanoseconds()
{
    return fakeNanoseconds;
}

void passTime(double seconds)
{
    fakeSeconds += seconds;
    fakeNanoseconds += std::llround(seconds * 1e9);
}

struct AwayCase {
    bool livePlay;
    bool focused;
    bool iconified;
    int framebufferWidth;
    int framebufferHeight;
    bool paused;
};

TEST(PauseState, OnlyLivePlayPausesAndOnlyWhileAway)
{
    const AwayCase cases[] = {
        {true, true, false, 800, 600, false}, {true, false, false, 800, 600, true},
        {true, true, true, 800, 600, true},   {true, true, false, 0, 0, true},
        {true, true, false, 800, 0, true},    {false, false, true, 0, 0, false},
    };
    for (const AwayCase& c : cases) {
        PauseState state(c.livePlay, c.focused);
        state.setIconified(c.iconified);
        state.setFramebufferSize(c.framebufferWidth, c.framebufferHeight);
        EXPECT_EQ(state.paused(), c.paused) << c.livePlay << c.focused << c.iconified << " "
                                            << c.framebufferWidth << "x" << c.framebufferHeight;
    }
}

// The loop's side of a pause, with the clock of live play on made-up timers.
class SittingOutAPause : public ::testing::Test {
protected:
    SittingOutAPause()
    {
        fakeSeconds = 100.0;
        fakeNanoseconds = 5'000'000'000;
        hooks.waitForEvents = [this] {
            calls += "wait,";
            passTime(30.0);
            if (++waits == wakeAfter)
                state.setFocused(true);
        };
        hooks.closing = [this] { return waits >= closeAfter; };
        hooks.stop = [this] {
            calls += "stop,";
            clock.pause();
        };
        hooks.start = [this] {
            calls += "start,";
            clock.resume();
        };
    }

    bool sitOut()
    {
        ::testing::internal::CaptureStdout();
        const bool goOn = sitOutPause(state, hooks);
        output = ::testing::internal::GetCapturedStdout();
        return goOn;
    }

    PauseState state{true, true};
    LiveClock clock{readFakeSeconds, readFakeNanoseconds};
    PauseHooks hooks;
    std::string calls;
    std::string output;
    int waits = 0;
    int wakeAfter = 2;
    int closeAfter = 1000;
};

TEST_F(SittingOutAPause, NoGameTimePassesWhileAway)
{
    const double frameStart = clock.frameSeconds();
    const std::int64_t steadyStart = clock.steadyNanoseconds();
    passTime(0.25);  // the rest of the frame that lost the focus
    state.setFocused(false);
    EXPECT_TRUE(sitOut());
    passTime(0.5);  // the next frame, after the player came back
    EXPECT_EQ(calls, "stop,wait,wait,start,");
    EXPECT_EQ(output, "Paused\nResumed\n");
    EXPECT_NEAR(clock.frameSeconds() - frameStart, 0.75, 1e-9);
    EXPECT_EQ(clock.steadyNanoseconds() - steadyStart, 750'000'000);
}

TEST_F(SittingOutAPause, AFocusedGameGoesStraightOn)
{
    const double before = clock.frameSeconds();
    EXPECT_TRUE(sitOut());
    EXPECT_EQ(calls, "");
    EXPECT_EQ(output, "");
    passTime(1.0);
    EXPECT_EQ(clock.frameSeconds() - before, 1.0);
}

TEST_F(SittingOutAPause, ClosingTheWindowWhileAwayEndsTheRun)
{
    state.setFocused(false);
    closeAfter = 1;
    EXPECT_FALSE(sitOut());
    EXPECT_EQ(calls, "stop,wait,");
    EXPECT_EQ(output, "Paused\n");
}

// The pointer wanders while the game is away; none of that turns the view, and
// what the recording holds turns a second camera exactly as the first.
TEST(LivePause, TheMouseTurnsNothingWhileAwayAndTheRecordingAgrees)
{
    CollisionScene scene;
    ControllerManager controllers(scene);
    const Player player(controllers, glm::vec3(0.0f), 0);
    LiveFrameSource source(nullptr);
    Camera played;
    Camera replayed;
    const auto frame = [&](std::initializer_list<std::pair<double, double>> cursor) {
        source.beginFrame();
        for (const auto& [x, y] : cursor)
            source.onCursor(played, x, y);
        for (const glm::dvec2& event : source.collectInput(played, player, 0.016f).cursorEvents)
            replayed.onCursorPos(event.x, event.y);
    };
    frame({{100.0, 100.0}, {110.0, 100.0}});
    const float yawBefore = played.yaw;
    EXPECT_FLOAT_EQ(yawBefore, 10.0f * MouseSensitivity);
    source.pause();
    source.onCursor(played, 700.0, 650.0);
    EXPECT_EQ(played.yaw, yawBefore);
    source.resume();
    frame({{900.0, 400.0}});
    EXPECT_EQ(played.yaw, yawBefore);
    EXPECT_EQ(played.pitch, 0.0f);
    frame({{905.0, 410.0}});
    EXPECT_FLOAT_EQ(played.yaw, yawBefore + 5.0f * MouseSensitivity);
    EXPECT_FLOAT_EQ(played.pitch, 10.0f * MouseSensitivity);
    EXPECT_EQ(replayed.yaw, played.yaw);
    EXPECT_EQ(replayed.pitch, played.pitch);
}

}  // namespace
