#include "app/frame_statistics.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <numeric>

double percentile(std::vector<double> samples, double percent)
{
    if (samples.empty())
        return 0.0;
    std::sort(samples.begin(), samples.end());
    const double rank = std::ceil(percent / 100.0 * static_cast<double>(samples.size()));
    const std::size_t index = rank < 1.0 ? 0 : static_cast<std::size_t>(rank) - 1;
    return samples[std::min(index, samples.size() - 1)];
}

FrameStatistics summarizeFrameTimes(const std::vector<double>& frameSeconds)
{
    FrameStatistics statistics;
    statistics.frames = frameSeconds.size();
    statistics.totalSeconds = std::accumulate(frameSeconds.begin(), frameSeconds.end(), 0.0);
    if (statistics.totalSeconds > 0.0)
        statistics.framesPerSecond = static_cast<double>(statistics.frames) / statistics.totalSeconds;
    statistics.p50Milliseconds = percentile(frameSeconds, 50.0) * 1000.0;
    statistics.p95Milliseconds = percentile(frameSeconds, 95.0) * 1000.0;
    statistics.p99Milliseconds = percentile(frameSeconds, 99.0) * 1000.0;
    return statistics;
}

std::string formatTimedemoLine(const FrameStatistics& statistics, const std::string& label)
{
    char line[256];
    std::snprintf(line, sizeof line,
                  "%s: %zu frames, %.2f s, %.1f fps, frame time p50 %.2f ms, p95 %.2f ms, p99 %.2f ms",
                  label.c_str(), statistics.frames, statistics.totalSeconds, statistics.framesPerSecond,
                  statistics.p50Milliseconds, statistics.p95Milliseconds, statistics.p99Milliseconds);
    return line;
}
