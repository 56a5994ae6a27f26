// Demo files: what a recording writes reads back the same, and what a player
// may hand the game by mistake is refused with one line that names file and line.
#include <gtest/gtest.h>

#include <sstream>

#include <GLFW/glfw3.h>

#include "app/replay/demo_file.h"

namespace {

DemoParseResult parse(const std::string& text)
{
    std::istringstream input(text);
    return parseDemo(input, "run.demo");
}

TEST(DemoFile, FramesRoundTripThroughTheirTextExactly)
{
    DemoFrame frame;
    frame.frameTime = 1.0f / 60.0f;
    frame.keys = demoKeyBit(GLFW_KEY_W) | demoKeyBit(GLFW_KEY_SPACE) | demoKeyBit(GLFW_KEY_F11);
    frame.cursorEvents = {{0.1, -3.0}, {1234.5678901234567, 1e-9}};
    const DemoParseResult read = parse(demoHeaderLine() + "\n" + formatDemoFrame(frame) + "\n");
    ASSERT_TRUE(read.ok()) << read.error;
    ASSERT_EQ(read.demo.frames.size(), 1u);
    const DemoFrame& back = read.demo.frames[0];
    EXPECT_EQ(back.frameTime, frame.frameTime);
    EXPECT_EQ(back.keys, frame.keys);
    ASSERT_EQ(back.cursorEvents.size(), 2u);
    EXPECT_EQ(back.cursorEvents[1].x, frame.cursorEvents[1].x);
    EXPECT_EQ(back.cursorEvents[1].y, frame.cursorEvents[1].y);
}

TEST(DemoFile, KeysAreWrittenByNameAndNoKeysAsADash)
{
    EXPECT_EQ(formatDemoKeys(0), "-");
    EXPECT_EQ(formatDemoKeys(demoKeyBit(GLFW_KEY_B) | demoKeyBit(GLFW_KEY_W)), "W+B");
    EXPECT_EQ(demoKeyBit(GLFW_KEY_ESCAPE), 0) << "only the keys the player polls are recorded";
}

TEST(DemoFile, CommentsAndBlankLinesAreSkipped)
{
    const DemoParseResult read = parse("# made by hand\n\nkorvel-demo 1\n# frame\n0.5 W\n\n0.25 - 3 4\n");
    ASSERT_TRUE(read.ok()) << read.error;
    ASSERT_EQ(read.demo.frames.size(), 2u);
    EXPECT_EQ(read.demo.frames[1].cursorEvents.size(), 1u);
}

struct BadDemo {
    const char* name;
    const char* text;
    const char* expectedError;
};

class BadDemoTest : public testing::TestWithParam<BadDemo> {};

TEST_P(BadDemoTest, IsRefusedWithOneLineNamingFileAndLine)
{
    const DemoParseResult read = parse(GetParam().text);
    EXPECT_FALSE(read.ok());
    EXPECT_EQ(read.error, GetParam().expectedError);
}

INSTANTIATE_TEST_SUITE_P(
    DemoFile, BadDemoTest,
    testing::Values(
        BadDemo{"Empty", "", "ERROR: Bad demo file 'run.demo': no 'korvel-demo 1' line"},
        BadDemo{"NotADemo", "hello world\n",
                "ERROR: Bad demo file 'run.demo' line 1: not a demo file (expected 'korvel-demo 1')"},
        BadDemo{
            "NewerVersion", "korvel-demo 2\n0.1 W\n",
            "ERROR: Bad demo file 'run.demo' line 1: unsupported version '2' (this game reads version 1)"},
        BadDemo{"NoFrames", "korvel-demo 1\n", "ERROR: Bad demo file 'run.demo': it holds no frames"},
        BadDemo{
            "MissingKeys", "korvel-demo 1\n0.1\n",
            "ERROR: Bad demo file 'run.demo' line 2: expected '<frame time> <keys> [<cursor x> <cursor y>]...'"},
        BadDemo{
            "ZeroFrameTime", "korvel-demo 1\n0 W\n",
            "ERROR: Bad demo file 'run.demo' line 2: frame time '0' is not a number of seconds in (0, 10]"},
        BadDemo{
            "HugeFrameTime", "korvel-demo 1\n0.1 W\n1e30 W\n",
            "ERROR: Bad demo file 'run.demo' line 3: frame time '1e30' is not a number of seconds in (0, 10]"},
        BadDemo{
            "NotANumber", "korvel-demo 1\nnan W\n",
            "ERROR: Bad demo file 'run.demo' line 2: frame time 'nan' is not a number of seconds in (0, 10]"},
        BadDemo{
            "TrailingText", "korvel-demo 1\n0.1x W\n",
            "ERROR: Bad demo file 'run.demo' line 2: frame time '0.1x' is not a number of seconds in (0, 10]"},
        BadDemo{"UnknownKey", "korvel-demo 1\n0.1 W+Q\n",
                "ERROR: Bad demo file 'run.demo' line 2: unknown keys 'W+Q'"},
        BadDemo{"EmptyKeyName", "korvel-demo 1\n0.1 W++B\n",
                "ERROR: Bad demo file 'run.demo' line 2: unknown keys 'W++B'"},
        BadDemo{"HalfACursor", "korvel-demo 1\n0.1 W 3\n",
                "ERROR: Bad demo file 'run.demo' line 2: cursor position without its y"},
        BadDemo{
            "AbsurdCursor", "korvel-demo 1\n0.1 W 1e300 0\n",
            "ERROR: Bad demo file 'run.demo' line 2: cursor position '1e300 0' is not a pair of sensible numbers"}),
    [](const testing::TestParamInfo<BadDemo>& info) { return std::string(info.param.name); });

TEST(DemoFile, AMissingFileIsNamed)
{
    const DemoParseResult read = readDemoFile("/nonexistent/folder/run.demo");
    EXPECT_EQ(read.error, "ERROR: Could not open demo file '/nonexistent/folder/run.demo'");
}

}  // namespace
