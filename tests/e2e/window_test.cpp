// Live play in a real window, driven by real keys and a real change of focus
// (xdotool) on a display of its own, since any other test's new window takes
// the focus on the shared one: the game pauses while away and the demo recorded
// meanwhile replays as played; F12 writes PNGs of the frame; Alt+Enter switches
// to full screen and back to the window's place and size.
#include <gtest/gtest.h>

#include <stb/stb_image.h>

#include <sstream>

#include "app/replay/demo_file.h"
#include "support/game_tree.h"
#include "support/output_lines.h"
#include "support/skip_or_fail.h"

namespace {

// Seconds the game spends without the focus.
constexpr int AwaySeconds = 3;

// Play, turn and walk, take two shots, give the focus to the root window and
// move the pointer meanwhile, come back, walk, switch to full screen and back,
// print the position (F10 held for a few frames) and quit. Every wait ends.
const std::string PlayScript = R"sh(
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset 3>display 2>/dev/null &
trap "kill $!" EXIT
for _ in $(seq 200); do [ -s display ] && break; sleep 0.1; done
export DISPLAY=":$(head -n1 display)"
timeout 150 ./build/korvel --record_demo live.demo >game.log 2>&1 &
game=$!
x() { timeout 20 xdotool "$@"; }
frames() { local count; count=$(grep -c '^[0-9]' live.demo 2>/dev/null); echo "${count:-0}"; }
lines() { grep -c "$1" game.log; }
wait_line() { for _ in $(seq 300); do [ "$(lines "^$1\$")" -ge "${2:-1}" ] && return; sleep 0.1; done; }
window=$(x search --sync --name '^KORVEL 2024$' | head -n1)
for _ in $(seq 900); do [ "$(frames)" -ge 10 ] && break; sleep 0.1; done
x mousemove_relative -- 40 0; x keydown w; sleep 0.5; x keyup w
for shot in 1 2; do x key F12; wait_line "Screenshot: .*" $shot; done
x windowfocus --sync "$(x search --maxdepth 0 --name '')"
wait_line Paused
echo "Frames before away: $(frames)"
x mousemove_relative -- 300 200; sleep AWAY
echo "Frames after away: $(frames)"
x windowfocus --sync "$window"
wait_line Resumed
x keydown w; sleep 0.5; x keyup w
x windowmove --sync "$window" 30 40
echo "Window before: $(x getwindowgeometry "$window" | tr -s ' \n' ' ')"
x key alt+Return; wait_line "Full screen: 1"; sleep 0.5
echo "Full screen window: $(x getwindowgeometry "$window" | tr -s ' \n' ' ')"
x key alt+Return; wait_line "Full screen: 0"; sleep 0.5
echo "Window after: $(x getwindowgeometry "$window" | tr -s ' \n' ' ')"
x keydown F10; wait_line "Player: .*"; x keyup F10; x key Escape
wait "$game"
echo "Game exit: $?"
cat game.log
)sh";

std::vector<std::string> linesStartingWith(const std::string& output, const std::string& prefix)
{
    std::vector<std::string> found;
    std::istringstream lines(output);
    for (std::string line; std::getline(lines, line);) {
        if (line.rfind(prefix, 0) == 0)
            found.push_back(line.substr(prefix.size()));
    }
    return found;
}

}  // namespace

TEST(LiveWindow, PausesAwayFromTheFocusTakesShotsSwitchesScreenAndReplaysAsPlayed)
{
    GameTree tree;
    const GameRun tools =
        tree.runScript("command -v xdotool >/dev/null && command -v Xvfb >/dev/null && echo found");
    if (tools.output != "found\n")
        SKIP_OR_FAIL("xdotool or Xvfb is not installed: " << tools.output);
    tree.useSmallWindow();
    std::string script = PlayScript;
    script.replace(script.find("AWAY"), 4, std::to_string(AwaySeconds));
    const GameRun live = tree.runScript(script);
    ASSERT_GE(lineIndex(live.output, "Game exit: 0"), 0) << live.output;
    EXPECT_GT(lineIndex(live.output, "Resumed"), lineIndex(live.output, "Paused")) << live.output;
    EXPECT_EQ(linesContaining(live.output, "Paused"), 1) << live.output;

    // No frame while away, and the first one back holds only its own time.
    const std::vector<std::string> before = linesStartingWith(live.output, "Frames before away: ");
    ASSERT_EQ(before, linesStartingWith(live.output, "Frames after away: ")) << live.output;
    const DemoParseResult demo = readDemoFile((tree.root() / "live.demo").u8string());
    const std::size_t firstBack = std::stoul(before.front());
    ASSERT_TRUE(demo.ok() && firstBack > 0 && firstBack < demo.demo.frames.size()) << demo.error;
    EXPECT_LT(demo.demo.frames[firstBack].frameTime, AwaySeconds / 2.0);

    // Two shots of the small window beside the copy's assets.
    const std::vector<std::string> shots = linesStartingWith(live.output, "Screenshot: ");
    ASSERT_EQ(shots.size(), 2u) << live.output;
    for (const std::string& file : shots) {
        int width = 0, height = 0, channels = 0;
        EXPECT_EQ(std::filesystem::u8path(file).parent_path(), tree.root() / "screenshots");
        EXPECT_TRUE(stbi_info(file.c_str(), &width, &height, &channels) && width == 160 && height == 120)
            << file;
    }

    // The whole of the display's monitor, then the window's own place and size again.
    const std::vector<std::string> fullScreen = linesStartingWith(live.output, "Full screen window: ");
    ASSERT_EQ(fullScreen.size(), 1u) << live.output;
    EXPECT_NE(fullScreen.front().find("Geometry: 1280x1024"), std::string::npos) << live.output;
    const std::vector<std::string> window = linesStartingWith(live.output, "Window before: ");
    ASSERT_EQ(window.size(), 1u) << live.output;
    EXPECT_NE(window.front().find("Position: 30,40 (screen: 0) Geometry: 160x120"), std::string::npos)
        << live.output;
    EXPECT_EQ(linesStartingWith(live.output, "Window after: "), window) << live.output;

    // The recording replays to the same positions with no window to look at.
    const std::vector<std::string> positions = linesStartingWith(live.output, "Player: ");
    ASSERT_FALSE(positions.empty()) << live.output;
    const GameRun replay = tree.run("--run_headless --play_demo live.demo");
    ASSERT_EQ(replay.exitStatus, 0) << replay.output;
    EXPECT_EQ(linesStartingWith(replay.output, "Player: "), positions) << replay.output;
}
