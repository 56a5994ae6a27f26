#include "app/help_text.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "app/command_line.h"
#include "app/startup_settings.h"

namespace {

// One line of a two-column list: a name and what it is for.
struct HelpRow {
    const char* name;
    const char* meaning;
};

// The player polls the movement keys; the key callback toggles the rest on release.
const std::vector<HelpRow> Keys = {
    {"Mouse", "look around"},
    {"W, A, S, D", "walk forward, left, back, right"},
    {"B (held)", "sprint"},
    {"Space", "jump"},
    {"F9", "back to the start position"},
    {"F10", "print your position"},
    {"F11", "quick save: your checkpoint after death"},
    {"F1", "wireframe on/off"},
    {"F2", "back-face culling on/off"},
    {"F3", "hide/show the level map (it still casts shadows)"},
    {"F4", "haze on/off"},
    {"F5", "physics view on/off: colliders and character capsules over the frame"},
    {"N, T", "normals / texture-coordinate flags"},
    {"Alt+Enter", "full screen on/off, on the monitor the window is on"},
    {"F12", "screenshot: screenshots/korvel-YYYYMMDD-HHMMSS.png beside assets/"},
    {"Escape", "quit"},
    {"Gamepad", "left stick walks, right stick looks, A jumps, right shoulder or trigger sprints,"},
    {"", "Start = F9, Y = F10, Back = F11"},
    {"(away)", "the game pauses while its window has no focus or is minimised"},
};

const std::vector<HelpRow> SettingsFiles = {
    {WindowSettingsPath, "window size, refresh rate, full screen, title, resizable; sound; mouse"},
    {"", "sensitivity, inverted look, gamepad look speed"},
    {CameraSettingsPath, "field of view, near and far planes, yaw, pitch"},
    {RendererSettingsPath, "wireframe, culling, depth test, normals, texcoords"},
};

// Indented rows with the meanings lined up two spaces after the longest name.
std::string formatRows(const std::vector<HelpRow>& rows)
{
    std::size_t width = 0;
    for (const HelpRow& row : rows)
        width = std::max(width, std::strlen(row.name));
    std::string text;
    for (const HelpRow& row : rows) {
        std::string line = std::string("  ") + row.name;
        line.resize(width + 4, ' ');
        text += line + row.meaning + "\n";
    }
    return text;
}

}  // namespace

std::string helpText()
{
    std::string text =
        "Usage: korvel [options]\n\nOptions:\n" + formatOptionsHelp(commandLineOptions()) + "\nKeys:\n" +
        formatRows(Keys) +
        "\nSettings files (found by walking up from the game's folder to the project root):\n" +
        formatRows(SettingsFiles);
    text.pop_back();  // printed as one block of lines; printLine ends the last one
    return text;
}
