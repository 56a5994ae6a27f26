#include "app/help_text.h"

#include "app/startup_settings.h"
#include "framework/framework_arguments.h"

namespace {

struct KeyHelp {
    const char* keys;
    const char* action;
};

// The player polls the movement keys; the key callback toggles the rest on release.
const KeyHelp Keys[] = {
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
    {"Escape", "quit"},
};

constexpr std::size_t KeyColumn = 14;

std::string keysHelp()
{
    std::string text;
    for (const KeyHelp& key : Keys) {
        std::string line = std::string("  ") + key.keys;
        line.resize(KeyColumn, ' ');
        text += line + key.action + "\n";
    }
    return text;
}

} // namespace

std::string helpText()
{
    std::string text = std::string("Usage: korvel [options]\n\nOptions:\n") + formatOptionsHelp() +
           "\nKeys:\n" + keysHelp() +
           "\nSettings files (found by walking up from the game's folder to the project root):\n"
           "  " + WindowSettingsPath + "      window size, refresh rate, full screen, title\n"
           "  " + CameraSettingsPath + "  field of view, near and far planes, yaw, pitch\n"
           "  " + RendererSettingsPath + "  wireframe, culling, depth test, normals, texcoords\n";
    text.pop_back();  // printed as one block of lines; printLine ends the last one
    return text;
}
