// Feeds arbitrary bytes to the demo reader. Whatever it accepts must keep the
// limits it promises, and writing the frames out and reading them back must
// give the same frames.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>

#include "app/replay/demo_file.h"
#include "fuzz_check.h"

namespace {

void checkFrameLimits(const DemoFrame& frame)
{
    fuzzCheck(frame.frameTime > 0.0f && frame.frameTime <= MaxDemoFrameTime,
              "frame times in (0, 10] seconds");
    for (const glm::dvec2& cursor : frame.cursorEvents)
        fuzzCheck(std::isfinite(cursor.x) && std::isfinite(cursor.y) &&
                      std::fabs(cursor.x) <= MaxDemoCursorCoordinate &&
                      std::fabs(cursor.y) <= MaxDemoCursorCoordinate,
                  "cursor positions finite and sensible");
}

bool sameFrame(const DemoFrame& a, const DemoFrame& b)
{
    return a.frameTime == b.frameTime && a.keys == b.keys && a.cursorEvents == b.cursorEvents;
}

void checkRoundTrip(const Demo& demo)
{
    std::string text = demoHeaderLine() + "\n";
    for (const DemoFrame& frame : demo.frames)
        text += formatDemoFrame(frame) + "\n";
    std::istringstream again(text);
    const DemoParseResult reread = parseDemo(again, "again.demo");
    fuzzCheck(reread.ok(), "a written demo reads back");
    fuzzCheck(reread.demo.frames.size() == demo.frames.size(), "as many frames back as written");
    for (std::size_t i = 0; i < demo.frames.size(); ++i)
        fuzzCheck(sameFrame(reread.demo.frames[i], demo.frames[i]), "the same frames back");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    std::istringstream input(std::string(reinterpret_cast<const char*>(data), size));
    const DemoParseResult result = parseDemo(input, "fuzz.demo");
    if (!result.ok()) {
        fuzzCheck(result.error.find('\n') == std::string::npos, "the error is one line");
        return 0;
    }
    fuzzCheck(!result.demo.frames.empty(), "an accepted demo has frames");
    for (const DemoFrame& frame : result.demo.frames)
        checkFrameLimits(frame);
    checkRoundTrip(result.demo);
    return 0;
}
