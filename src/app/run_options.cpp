#include "app/run_options.h"

#include <thread>

#include "app/frame_statistics.h"
#include "framework/console.h"
#include "framework/framework_arguments.h"

bool RunOptions::prepare(const FrameworkArguments& arguments)
{
    timedemo = arguments.timedemo;
    headless = arguments.runHeadless;
    if (arguments.hasDraw) {
        if (arguments.draw == "no_map")
            draw = DrawMode::NoMap;
        else if (arguments.draw == "clear")
            draw = DrawMode::Clear;
        else if (arguments.draw != "full") {
            printLine("ERROR: --draw takes full, no_map or clear, not '" + arguments.draw + "'");
            return false;
        }
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

void RunOptions::attachWindow(GLFWwindow* window, float mouseSensitivity)
{
    if (demo) {
        frameSource = std::make_unique<DemoFrameSource>(std::move(*demo));
    } else if (route) {
        frameSource = std::make_unique<RouteFrameSource>(std::move(*route), mouseSensitivity);
    } else {
        auto live = std::make_unique<LiveFrameSource>(window);
        liveSource = live.get();
        frameSource = std::move(live);
    }
}

void RunOptions::onCursor(Camera& camera, double x, double y)
{
    if (liveSource != nullptr)
        liveSource->onCursor(camera, x, y);
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
    std::this_thread::sleep_until(*replayStart + std::chrono::duration_cast<std::chrono::nanoseconds>(gameTime));
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

void RunOptions::finish() const
{
    if (timedemo)
        printLine(formatTimedemoLine(summarizeFrameTimes(frameSeconds)));
}
