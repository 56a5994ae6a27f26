#include "app/replay/demo_recorder.h"

#include "framework/console.h"
#include "framework/file_path.h"

// Binary: a demo recorded on Windows has the same bytes as one recorded on Linux.
DemoRecorder::DemoRecorder(const std::string& path) : path(path), file(filePath(path), std::ios::binary)
{
    if (file.is_open())
        file << demoHeaderLine() << "\n# <frame time in seconds> <keys> [<cursor x> <cursor y>]...\n";
}

void DemoRecorder::record(const DemoFrame& frame)
{
    if (!isOpen())
        return;
    // Flushed frame by frame, so that a run that ends abruptly keeps its demo.
    file << formatDemoFrame(frame) << '\n' << std::flush;
    if (!file) {
        failed = true;
        printLine("ERROR: Could not write demo file '" + path + "'; recording stopped.");
    }
}
