#include "app/replay/run_options.h"

#include <algorithm>
#include <thread>

#include "app/replay/frame_statistics.h"
#include "framework/console.h"

bool RunOptions::prepare(const ReplayArguments& arguments, bool runHeadless)
{
    timedemo = arguments.timedemo;
    headless = runHeadless;
    if (arguments.hasDraw) {
        if (arguments.draw == "unlit")
            draw = DrawMode::Unlit;
        else if (arguments.draw == "no_map")
            draw = DrawMode::NoMap;
        else if (arguments.draw == "clear")
            draw = DrawMode::Clear;
        else if (arguments.draw != "full") {
            printLine("ERROR: --draw takes full, unlit, no_map or clear, not '" + arguments.draw + "'");
            return false;
        }
    }
    if (arguments.hasLighting) {
        if (arguments.lighting == "per_pixel")
            storedStaticLight = false;
        else if (arguments.lighting != "stored") {
            printLine("ERROR: --lighting takes stored or per_pixel, not '" + arguments.lighting + "'");
            return false;
        }
    }
    if (arguments.hasScreenshotFrames && !parseFrameNumbers(arguments.screenshotFrames, screenshotFrames)) {
        printLine("ERROR: --screenshot_frames takes frame numbers from 1 separated by commas, not '" +
                  arguments.screenshotFrames + "'");
        return false;
    }
    if (arguments.hasTimedemoCsv) {
        if (!timedemo) {
            printLine("ERROR: --timedemo_csv needs --timedemo");
            return false;
        }
        // Written at the end; tried now so that a bad path stops the run before it starts.
        if (!writeFrameTimesCsv(arguments.timedemoCsv, {})) {
            printLine("ERROR: Could not create frame times file '" + arguments.timedemoCsv + "'");
            return false;
        }
        frameTimesFile = arguments.timedemoCsv;
    }
    if (arguments.hasPlayDemo && arguments.hasRoute) {
        printLine("ERROR: --play_demo and --route cannot be used together");
        return false;
    }
    if (timedemo && !arguments.hasPlayDemo && !arguments.hasRoute) {
        printLine("ERROR: --timedemo needs --play_demo FILE (or --route FILE)");
        return false;
    }
    if (arguments.hasPlayDemo) {
        DemoParseResult read = readDemoFile(arguments.playDemo);
        if (!read.ok()) {
            printLine(read.error);
            return false;
        }
        demo = std::move(read.demo);
    }
    if (arguments.hasRoute) {
        RouteParseResult read = readRouteFile(arguments.route);
        if (!read.ok()) {
            printLine(read.error);
            return false;
        }
        route = std::move(read.route);
    }
    if (arguments.hasRecordDemo) {
        recorder = std::make_unique<DemoRecorder>(arguments.recordDemo);
        if (!recorder->isOpen()) {
            printLine("ERROR: Could not create demo file '" + arguments.recordDemo + "'");
            return false;
        }
    }
    return true;
}

void RunOptions::attachWindow(GLFWwindow* window, float mouseSensitivity, const ControlSettings& controls)
{
    if (demo) {
        frameSource = std::make_unique<DemoFrameSource>(std::move(*demo));
    } else if (route) {
        frameSource = std::make_unique<RouteFrameSource>(std::move(*route), mouseSensitivity);
    } else if (headless) {
        // Nobody plays a headless frame: it is a picture of the settings alone,
        // whatever other windows on the same display do with the pointer.
        frameSource = std::make_unique<LiveFrameSource>(nullptr);
    } else {
        auto live = std::make_unique<LiveFrameSource>(window, controls);
        liveSource = live.get();
        frameSource = std::move(live);
    }
}

void RunOptions::onCursor(Camera& camera, double x, double y)
{
    if (liveSource != nullptr)
        liveSource->onCursor(camera, x, y);
}

void RunOptions::pause()
{
    if (liveSource != nullptr)
        liveSource->pause();
}

// The time away is no frame's time, not even in the frame-time figures.
void RunOptions::resume()
{
    if (liveSource != nullptr)
        liveSource->resume();
    if (lastFrameEnd)
        lastFrameEnd = std::chrono::steady_clock::now();
}

void RunOptions::frameInput(const DemoFrame& frame)
{
    if (recorder)
        recorder->record(frame);
}

void RunOptions::startTiming()
{
    lastFrameEnd = std::chrono::steady_clock::now();
}

void RunOptions::frameFinished()
{
    const SteadyTime now = std::chrono::steady_clock::now();
    if (lastFrameEnd) {
        const double seconds = std::chrono::duration<double>(now - *lastFrameEnd).count();
        frameSeconds.push_back(seconds);
        reportMinute(seconds);
    }
    lastFrameEnd = now;

    // A replay someone watches runs at the speed it was recorded at.
    if (!frameSource->isReplay() || timedemo || headless)
        return;
    if (!replayStart)
        replayStart = now;
    const auto gameTime = std::chrono::duration<double>(frameSource->clock().frameSeconds());
    std::this_thread::sleep_until(*replayStart +
                                  std::chrono::duration_cast<std::chrono::nanoseconds>(gameTime));
}

void RunOptions::reportMinute(double seconds)
{
    if (!timedemo)
        return;
    minuteFrameSeconds.push_back(seconds);
    minuteElapsed += seconds;
    if (minuteElapsed < 60.0)
        return;
    ++minutesReported;
    printLine(formatTimedemoLine(summarizeFrameTimes(minuteFrameSeconds),
                                 "Timedemo minute " + std::to_string(minutesReported)));
    minuteFrameSeconds.clear();
    minuteElapsed = 0.0;
}

bool RunOptions::screenshotWanted(long frame) const
{
    return std::find(screenshotFrames.begin(), screenshotFrames.end(), frame) != screenshotFrames.end();
}

bool RunOptions::finish() const
{
    if (timedemo)
        printLine(formatTimedemoLine(summarizeFrameTimes(frameSeconds)));
    if (frameTimesFile.empty() || writeFrameTimesCsv(frameTimesFile, frameSeconds))
        return true;
    printLine("ERROR: Could not write frame times file '" + frameTimesFile + "'");
    return false;
}
