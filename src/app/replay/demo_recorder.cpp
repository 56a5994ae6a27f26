#include "app/replay/demo_recorder.h"

#include "framework/console.h"

DemoRecorder::DemoRecorder(const std::string& path) : path(path), file(path)
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
