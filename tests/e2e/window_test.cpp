// Live play in a real window, driven by real keys and a real change of focus
// (xdotool) on a display of its own: the game pauses while away and the demo
// recorded meanwhile replays as played; F12 writes PNGs of the frame; Alt+Enter
// switches to full screen and back.
#include <gtest/gtest.h>

#include <stb/stb_image.h>

#include <cstdlib>
#include <sstream>

#include "support/game_tree.h"
#include "support/output_lines.h"
#include "support/private_display.h"
#include "support/skip_or_fail.h"
#include "support/test_files.h"

namespace fs = std::filesystem;

namespace {

// Seconds the game spends without the focus.
constexpr double AwaySeconds = 3.0;

// The script: play, turn and walk, take two shots, lose the focus to the root
// window and move the pointer meanwhile, come back, walk again, switch to full
// screen and back, print the position (F10 held for a few frames) and quit.
// Every wait has an end, so a game that hangs fails the test instead of the run.
std::string playScript(const std::string& display)
{
    return "export DISPLAY=" + display + R"sh(
timeout 150 ./build/korvel --record_demo live.demo >game.log 2>&1 &
game=$!
x() { timeout 20 xdotool "$@"; }
frames() { local count; count=$(grep -c '^[0-9]' live.demo 2>/dev/null); echo "${count:-0}"; }
wait_frames() { for _ in $(seq 900); do [ "$(frames)" -ge "$1" ] && return; sleep 0.1; done; }
wait_line() { for _ in $(seq 300); do grep -qx "$1" game.log && return; sleep 0.1; done; }
window=$(x search --sync --name '^KORVEL 2024$' | head -n1)
wait_frames 10
x mousemove_relative -- 40 0
x keydown w; sleep 0.5; x keyup w
x keydown F12; sleep 0.2; x keyup F12
wait_frames $(( $(frames) + 3 ))
x keydown F12; sleep 0.2; x keyup F12
wait_frames $(( $(frames) + 3 ))
x windowfocus --sync "$(x search --maxdepth 0 --name '')"
wait_line Paused
before=$(frames)
x mousemove_relative -- 300 200
sleep )sh" +
           std::to_string(AwaySeconds) + R"sh(
echo "Frames before away: $before"
echo "Frames while away: $(( $(frames) - before ))"
x windowfocus --sync "$window"
wait_line Resumed
x keydown w; sleep 0.5; x keyup w
echo "Window before: $(x getwindowgeometry "$window" | tr -s ' \n' ' ')"
x key alt+Return
wait_line "Full screen: 1"
wait_frames $(( $(frames) + 2 ))
echo "Full screen window: $(x getwindowgeometry "$window" | tr -s ' \n' ' ')"
x key alt+Return
wait_line "Full screen: 0"
wait_frames $(( $(frames) + 2 ))
echo "Window after: $(x getwindowgeometry "$window" | tr -s ' \n' ' ')"
x keydown F10; sleep 0.3; x keyup F10
x key Escape
wait "$game"
echo "Game exit: $?"
cat game.log
)sh";
}

std::vector<std::string> linesStartingWith(const std::string& output, const std::string& prefix)
{
    std::vector<std::string> found;
    std::istringstream lines(output);
    std::string line;
    while (std::getline(lines, line)) {
        if (line.rfind(prefix, 0) == 0)
            found.push_back(line);
    }
    return found;
}

// The frame times of a demo file, in seconds.
std::vector<double> frameTimes(const std::string& demo)
{
    std::vector<double> times;
    std::istringstream lines(demo);
    std::string line;
    while (std::getline(lines, line)) {
        if (!line.empty() && line[0] >= '0' && line[0] <= '9')
            times.push_back(std::strtod(line.c_str(), nullptr));
    }
    return times;
}

// The number at the end of the output line that starts with `head`, or -1.
long numberAfter(const std::string& output, const std::string& head)
{
    const std::vector<std::string> lines = linesStartingWith(output, head);
    return lines.empty() ? -1 : std::strtol(lines.front().c_str() + head.size(), nullptr, 10);
}

}  // namespace

TEST(LiveWindow, PausesAwayFromTheFocusTakesShotsSwitchesScreenAndReplaysAsPlayed)
{
    if (std::system("command -v xdotool >/dev/null && command -v Xvfb >/dev/null") != 0)
        SKIP_OR_FAIL("xdotool or Xvfb is not installed");
    const PrivateDisplay display;
    if (display.name().empty())
        SKIP_OR_FAIL("no display of its own (Xvfb did not start)");
    GameTree tree;
    tree.useSmallWindow();

    const GameRun live = tree.runScript(playScript(display.name()));
    ASSERT_GE(lineIndex(live.output, "Game exit: 0"), 0) << live.output;
    const int paused = lineIndex(live.output, "Paused");
    EXPECT_GE(paused, 0) << live.output;
    EXPECT_GT(lineIndex(live.output, "Resumed"), paused) << live.output;
    EXPECT_EQ(linesContaining(live.output, "Paused"), 1) << live.output;
    EXPECT_EQ(numberAfter(live.output, "Frames while away: "), 0) << live.output;
    EXPECT_GT(lineIndex(live.output, "Full screen: 0"), lineIndex(live.output, "Full screen: 1"))
        << live.output;
    // The whole of the display's one monitor, then the window's own place and size again.
    const std::vector<std::string> fullScreen = linesStartingWith(live.output, "Full screen window: ");
    ASSERT_EQ(fullScreen.size(), 1u) << live.output;
    EXPECT_NE(fullScreen.front().find("1280x1024"), std::string::npos) << live.output;
    const std::vector<std::string> before = linesStartingWith(live.output, "Window before: ");
    const std::vector<std::string> after = linesStartingWith(live.output, "Window after: ");
    ASSERT_TRUE(before.size() == 1 && after.size() == 1) << live.output;
    EXPECT_NE(before.front().find("160x120"), std::string::npos) << live.output;
    EXPECT_EQ(after.front().substr(after.front().find(':')), before.front().substr(before.front().find(':')));

    // The recording goes on after the time away as if there had been none.
    const std::vector<double> times = frameTimes(readWholeFile((tree.root() / "live.demo").string()));
    const long firstBack = numberAfter(live.output, "Frames before away: ");
    ASSERT_GT(firstBack, 0) << live.output;
    ASSERT_LT(firstBack, static_cast<long>(times.size())) << live.output;
    EXPECT_LT(times[firstBack], AwaySeconds / 2) << live.output;

    // Two shots of the small window, beside the assets of the copy.
    const std::vector<std::string> shots = linesStartingWith(live.output, "Screenshot: ");
    ASSERT_EQ(shots.size(), 2u) << live.output;
    for (const std::string& line : shots) {
        const fs::path file = line.substr(std::string("Screenshot: ").size());
        EXPECT_EQ(file.parent_path(), tree.root() / "screenshots");
        int width = 0, height = 0, channels = 0;
        EXPECT_EQ(stbi_info(file.string().c_str(), &width, &height, &channels), 1) << file;
        EXPECT_EQ(width, 160);
        EXPECT_EQ(height, 120);
    }

    // The recording replays as it was played, with no window to look at.
    const std::vector<std::string> positions = linesStartingWith(live.output, "Player: ");
    ASSERT_FALSE(positions.empty()) << live.output;
    const GameRun replay =
        tree.runScript("DISPLAY=" + display.name() + " ./build/korvel --run_headless --play_demo live.demo");
    ASSERT_EQ(replay.exitStatus, 0) << replay.output;
    EXPECT_EQ(linesStartingWith(replay.output, "Player: "), positions) << replay.output;
    EXPECT_EQ(linesContaining(replay.output, "Paused"), 0);
}
