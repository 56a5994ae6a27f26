// Frame-time figures of a timed demo.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "app/replay/frame_statistics.h"

namespace {

TEST(FrameStatistics, PercentilesUseTheNearestRank)
{
    std::vector<double> samples;
    for (int i = 1; i <= 100; ++i)
        samples.push_back(i);
    EXPECT_EQ(percentile(samples, 50.0), 50.0);
    EXPECT_EQ(percentile(samples, 95.0), 95.0);
    EXPECT_EQ(percentile(samples, 99.0), 99.0);
    EXPECT_EQ(percentile({7.0}, 99.0), 7.0);
    EXPECT_EQ(percentile({}, 50.0), 0.0);
}

TEST(FrameStatistics, SummaryAddsUpTheFrames)
{
    const FrameStatistics statistics = summarizeFrameTimes({0.010, 0.020, 0.030, 0.040});
    EXPECT_EQ(statistics.frames, 4u);
    EXPECT_DOUBLE_EQ(statistics.totalSeconds, 0.1);
    EXPECT_DOUBLE_EQ(statistics.framesPerSecond, 40.0);
    EXPECT_DOUBLE_EQ(statistics.p50Milliseconds, 20.0);
    EXPECT_DOUBLE_EQ(statistics.p99Milliseconds, 40.0);
    EXPECT_EQ(formatTimedemoLine(statistics),
              "Timedemo: 4 frames, 0.10 s, 40.0 fps, frame time p50 20.00 ms, p95 40.00 ms, p99 40.00 ms");
}

}  // namespace

namespace {

TEST(FrameStatistics, ScreenshotFrameListsTakeNumbersFromOneSeparatedByCommas)
{
    std::vector<long> frames{42};
    ASSERT_TRUE(parseFrameNumbers("100,250,1", frames));
    EXPECT_EQ(frames, (std::vector<long>{100, 250, 1}));
    ASSERT_TRUE(parseFrameNumbers("7", frames));
    EXPECT_EQ(frames, (std::vector<long>{7}));
    // Refused lists leave the earlier one alone.
    for (const char* bad : {"", ",", "1,", ",1", "0", "-3", "1,,2", "1.5", "x", " 1", "1234567890"})
        EXPECT_FALSE(parseFrameNumbers(bad, frames)) << "'" << bad << "'";
    EXPECT_EQ(frames, (std::vector<long>{7}));
}

TEST(FrameStatistics, FrameTimesFileHasOneLinePerFrameInMilliseconds)
{
    const std::string path = testing::TempDir() + "frame_times.csv";
    ASSERT_TRUE(writeFrameTimesCsv(path, {0.0125, 0.040, 0.0003}));
    std::ifstream file(path, std::ios::binary);  // the bytes: LF line ends on every system
    std::ostringstream text;
    text << file.rdbuf();
    EXPECT_EQ(text.str(), "frame,milliseconds\n1,12.500\n2,40.000\n3,0.300\n");
    EXPECT_FALSE(writeFrameTimesCsv(testing::TempDir() + "no/such/folder/times.csv", {0.01}));
}

}  // namespace
