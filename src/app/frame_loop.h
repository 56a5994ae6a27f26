// The frame loop: every frame renders the shadow pass and the visible pass and
// advances the game by the frame's time step, until the window closes (or after
// one frame, or the end of a demo, in headless mode).
#pragma once

struct GLFWwindow;
struct FrameworkArguments;
struct StartupSettings;
class Level;
class RunOptions;
class GameAudio;

// False when the headless screenshot could not be written (its line has been
// printed); the run still shuts down in order, then ends with status 1.
bool runFrameLoop(GLFWwindow* window, Level& level, const StartupSettings& settings,
                  const FrameworkArguments& arguments, RunOptions& run, GameAudio& audio);
