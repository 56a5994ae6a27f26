#include "app/replay/frame_statistics.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <numeric>

#include "framework/file_path.h"

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

bool parseFrameNumbers(const std::string& text, std::vector<long>& frames)
{
    std::vector<long> parsed;
    std::size_t start = 0;
    while (start <= text.size()) {
        const std::size_t comma = std::min(text.find(',', start), text.size());
        const std::string item = text.substr(start, comma - start);
        if (item.empty() || item.find_first_not_of("0123456789") != std::string::npos || item.size() > 9)
            return false;
        const long frame = std::stol(item);
        if (frame < 1)
            return false;
        parsed.push_back(frame);
        start = comma + 1;
    }
    frames = std::move(parsed);
    return true;
}

bool writeFrameTimesCsv(const std::string& path, const std::vector<double>& frameSeconds)
{
    std::ofstream file(filePath(path), std::ios::binary);
    if (!file)
        return false;
    file << "frame,milliseconds\n";
    char line[64];
    for (std::size_t i = 0; i < frameSeconds.size(); ++i) {
        std::snprintf(line, sizeof line, "%zu,%.3f\n", i + 1, frameSeconds[i] * 1000.0);
        file << line;
    }
    file.flush();
    return static_cast<bool>(file);
}
