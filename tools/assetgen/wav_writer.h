// Writes mono 16-bit PCM WAV files: the format of every generated sound.
#pragma once

#include <string>
#include <vector>

// Samples in [-1, 1], clipped and rounded to 16 bits. Returns false (with a line
// on standard error) when the file cannot be written.
bool writeMonoWav(const std::string& path, const std::vector<double>& samples, int sampleRate);
