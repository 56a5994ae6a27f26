// Frame-time statistics of a timed demo run.
#pragma once

#include <string>
#include <vector>

struct FrameStatistics {
    std::size_t frames = 0;
    double totalSeconds = 0.0;
    double framesPerSecond = 0.0;
    double p50Milliseconds = 0.0;
    double p95Milliseconds = 0.0;
    double p99Milliseconds = 0.0;
};

// The value below which `percent` of the samples lie (nearest rank); 0 for none.
double percentile(std::vector<double> samples, double percent);

FrameStatistics summarizeFrameTimes(const std::vector<double>& frameSeconds);

// "Timedemo: 1234 frames, 20.51 s, 60.2 fps, frame time p50 14.10 ms, p95 ..."
// with another label in place of "Timedemo" when one is given.
// Parses "--screenshot_frames": frame numbers (1 = the first frame) separated by
// commas, e.g. "100,250,400". False, with `frames` untouched, for an empty list,
// a number below 1 or anything that is not a number.
bool parseFrameNumbers(const std::string& text, std::vector<long>& frames);

// Writes one line per frame, "frame,milliseconds" under that header, frames
// counted from 1. False when the file cannot be written.
bool writeFrameTimesCsv(const std::string& path, const std::vector<double>& frameSeconds);

std::string formatTimedemoLine(const FrameStatistics& statistics, const std::string& label = "Timedemo");
