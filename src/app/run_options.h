// How this run gets its input and its time: live from the window and the
// system's clocks, or (later) replayed from a recorded demo.
#pragma once

#include <memory>

#include "app/game_clock.h"

struct FrameworkArguments;

class RunOptions {
public:
    GameClock& clock() { return liveClock; }

private:
    LiveClock liveClock;
};

// Prepares the run from the command line. False when the run cannot start (the
// reason has been printed); the caller then exits with status 2.
bool prepareRunOptions(const FrameworkArguments& arguments, RunOptions& run);
