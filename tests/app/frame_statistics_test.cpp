// Frame-time figures of a timed demo.
#include <gtest/gtest.h>

#include "app/frame_statistics.h"

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
