// Deterministic procedural noise for the generated textures: an integer hash (no
// rand(), no global state) and value noise that tiles over a chosen period, so the
// same seed always gives the same image and textures repeat without seams.
#pragma once

#include <cstdint>

// 32-bit integer hash of three values; the basis of every random choice.
uint32_t hash3(int32_t x, int32_t y, uint32_t seed);

// Hash mapped to [0, 1).
double hashUnit(int32_t x, int32_t y, uint32_t seed);

// Smooth value noise in [0, 1] at (x, y), on a lattice of `period` cells that wraps.
double valueNoise(double x, double y, int period, uint32_t seed);

// Sum of octaves of value noise in [0, 1]; each octave doubles the period.
double fractalNoise(double x, double y, int period, int octaves, uint32_t seed);
