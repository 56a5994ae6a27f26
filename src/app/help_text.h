// The text "--help" prints: how to start the game, its options, its keys and
// the settings files it reads.
#pragma once

#include <string>

// Lines separated by "\n", without a line feed after the last one.
std::string helpText();
