// The spider damage rule as plain arithmetic on steady-clock nanoseconds: the
// cool-down test and the health line.
//
// Times are signed 64-bit nanosecond counts of a steady clock that the caller
// reads (live or replayed); nothing here reads a clock.
#pragma once

#include <cstdint>
#include <string>

// Health of a fresh or respawned player, and what one spider hit costs.
constexpr float PlayerFullHealth = 3.0f;
constexpr float SpiderHitDamage = 1.0f;
// Minimum time between two spider hits (seconds).
constexpr float SpiderDamageCooldown = 0.2f;
// A new player cannot be hurt for this long (plus the cool-down), in nanoseconds.
constexpr std::int64_t SpawnGraceNanoseconds = 5'000'000'000;
constexpr double NanosecondsPerSecond = 1e9;

// Seconds from `lastDamageTime` to `now` (negative while a grace period lasts),
// computed in float as the game always has.
float secondsSince(std::int64_t lastDamageTime, std::int64_t now);

// True when a contact at `now` may cost health: at least `cooldownSeconds`
// have passed since `lastDamageTime` (the boundary itself counts as passed).
bool isDamageCooldownOver(std::int64_t lastDamageTime, float cooldownSeconds, std::int64_t now);

// "Health: " followed by `health` in the stream's default float format.
std::string healthLine(float health);
