// Shared pieces of the robustness runs: a small window for quick frames and the
// check that a run ended normally with its screenshot written.
#pragma once

#include <string>

#include "../e2e/game_tree.h"

// 160 x 120 keeps a software-rendered frame quick.
inline const char* const SmallWindow = "[window]\nwidth = 160\nheight = 120\n";

// A copy of the game's tree with the small window already written.
inline void useSmallWindow(const GameTree& tree)
{
    tree.writeFile("assets/settings/window.ini", SmallWindow);
}

// Count of output lines containing `text`.
int linesContaining(const std::string& output, const std::string& text);
