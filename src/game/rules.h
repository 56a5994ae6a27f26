// The game's rules applied to the player once per frame: the goal zone, the
// floor and the hazard zones, and spider damage with its cool-down.
//
// Nothing ends the game: a win teleports back near the start, a death sends the
// player to the checkpoint with full health. Outcomes are console lines. Times
// are steady-clock nanoseconds supplied by the caller.
#pragma once

#include <cstdint>

class Player;

// Goal ("You won!", teleport to (5, 2.5, 5)), floor (y <= 0 respawns), then the
// ten hazard zones in order, each reading the controller's position anew.
// An inert player (no controller) is left alone.
void applyRules(Player& player);

// One spider contact at `nowNanoseconds`: unless still within the cool-down,
// costs one health point and prints "Health: <h>"; at zero or less prints
// "Game Over!" and respawns. Every counted hit restarts the cool-down.
void applySpiderDamage(Player& player, std::int64_t nowNanoseconds);
