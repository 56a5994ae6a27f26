// Demo files the demo fuzz target found wanting, fed back through the reader.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "app/replay/demo_file.h"
#include "support/test_files.h"

namespace {

DemoParseResult parseText(const std::string& text)
{
    std::istringstream input(text);
    return parseDemo(input, "t.demo");
}

struct FrameTimeCase {
    const char* name;
    const char* frameTime;
    bool accepted;
};

void PrintTo(const FrameTimeCase& value, std::ostream* out)
{
    *out << value.name;
}

class DemoFrameTime : public testing::TestWithParam<FrameTimeCase> {};

// A time the reader accepts must still be above zero once it is a float step.
TEST_P(DemoFrameTime, IsAcceptedOnlyWhenItStaysAboveZeroAsAFloat)
{
    const DemoParseResult result = parseText(std::string("korvel-demo 1\n") + GetParam().frameTime + " W\n");
    ASSERT_EQ(result.ok(), GetParam().accepted) << result.error;
    if (result.ok()) {
        EXPECT_GT(result.demo.frames.at(0).frameTime, 0.0f);
        return;
    }
    EXPECT_EQ(result.error, std::string("ERROR: Bad demo file 't.demo' line 2: frame time '") +
                                GetParam().frameTime + "' is not a number of seconds in (0, 10]");
}

INSTANTIATE_TEST_SUITE_P(Robustness, DemoFrameTime,
                         testing::Values(FrameTimeCase{"SmallestNormalFloat", "1.1754944e-38", true},
                                         FrameTimeCase{"SmallestSubnormalFloat", "1.5e-45", true},
                                         FrameTimeCase{"BelowEveryFloat", "1e-46", false},
                                         FrameTimeCase{"FarBelowEveryFloat", "1e-300", false},
                                         FrameTimeCase{"Zero", "0", false},
                                         FrameTimeCase{"TenSeconds", "10", true},
                                         FrameTimeCase{"JustOverTenSeconds", "10.000001", false}),
                         [](const testing::TestParamInfo<FrameTimeCase>& info) { return info.param.name; });

TEST(Robustness, TheFuzzFoundDemoWithAVanishingFrameTimeIsRefusedAtItsLine)
{
    const std::string path = sourceTreePath("fuzz/regressions/demo_fuzz/frame_time_below_float_range.demo");
    ASSERT_TRUE(std::ifstream(path).good()) << path;
    const DemoParseResult result = readDemoFile(path);
    EXPECT_FALSE(result.ok());
    EXPECT_NE(result.error.find("' line 3: frame time '0.000000"), std::string::npos) << result.error;
}

}  // namespace
