// Pausing live play while the player is away from the window: when it pauses,
// that the loop only waits meanwhile, and that no game time passes.
#include "app/pause_state.h"

#include <cmath>

#include <gtest/gtest.h>

#include "app/replay/game_clock.h"

namespace {

double fakeSeconds = 100.0;
std::int64_t fakeNanoseconds = 5'000'000'000;

void passTime(double seconds)
{
    fakeSeconds += seconds;
    fakeNanoseconds += std::llround(seconds * 1e9);
}

}  // namespace

TEST(PauseState, OnlyLivePlayPausesAndOnlyWhileAway)
{
    struct Case {
        bool livePlay, focused, iconified;
        int width, height;
        bool paused;
    };
    const Case cases[] = {{true, true, false, 800, 600, false}, {true, false, false, 800, 600, true},
                          {true, true, true, 800, 600, true},   {true, true, false, 0, 0, true},
                          {true, true, false, 800, 0, true},    {false, false, true, 0, 0, false}};
    for (const Case& c : cases) {
        PauseState state(c.livePlay, c.focused);
        state.setIconified(c.iconified);
        state.setFramebufferSize(c.width, c.height);
        EXPECT_EQ(state.paused(), c.paused) << c.livePlay << c.focused << c.iconified << c.width << c.height;
    }
}

// The loop's side of a pause, with the clock of live play on made-up timers:
// focused, away until the second wait, and away until the window closes.
TEST(PauseState, TheLoopWaitsAwayAndNoGameTimePasses)
{
    struct Case {
        bool away;
        int closeAfterWaits;
        bool goesOn;
        const char* calls;
        const char* output;
    };
    const Case cases[] = {{false, 99, true, "", ""},
                          {true, 99, true, "stop,wait,wait,start,", "Paused\nResumed\n"},
                          {true, 1, false, "stop,wait,", "Paused\n"}};
    for (const Case& c : cases) {
        LiveClock clock([] { return fakeSeconds; }, [] { return fakeNanoseconds; });
        PauseState state(true, !c.away);
        std::string calls;
        int waits = 0;
        const PauseHooks hooks{[&] {
                                   calls += "wait,";
                                   passTime(30.0);
                                   state.setFocused(++waits == 2);
                               },
                               [&] { return waits >= c.closeAfterWaits; },
                               [&] {
                                   calls += "stop,";
                                   clock.pause();
                               },
                               [&] {
                                   calls += "start,";
                                   clock.resume();
                               }};
        const double frameStart = clock.frameSeconds();
        const std::int64_t steadyStart = clock.steadyNanoseconds();
        passTime(0.25);  // the rest of the frame before
        ::testing::internal::CaptureStdout();
        EXPECT_EQ(sitOutPause(state, hooks), c.goesOn);
        EXPECT_EQ(::testing::internal::GetCapturedStdout(), c.output);
        EXPECT_EQ(calls, c.calls);
        passTime(0.5);  // the frame after
        if (c.goesOn) {
            EXPECT_NEAR(clock.frameSeconds() - frameStart, 0.75, 1e-9) << c.calls;
            EXPECT_EQ(clock.steadyNanoseconds() - steadyStart, 750'000'000) << c.calls;
        }
    }
}
