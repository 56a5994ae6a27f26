// Writes the frames of a run into a demo file as they are played.
#pragma once

#include <fstream>
#include <string>

#include "app/replay/demo_file.h"

class DemoRecorder {
public:
    // Opens (creates or truncates) `path` and writes the header. Check isOpen().
    explicit DemoRecorder(const std::string& path);
    bool isOpen() const { return file.is_open() && !failed; }
    // Appends one frame; a write that fails is reported once and stops the recording.
    void record(const DemoFrame& frame);

private:
    std::string path;
    std::ofstream file;
    bool failed = false;
};
