// The generated sounds: every one is heard, none clips, and the looping ones
// join end to start without a click.
#include "sound_synth.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <set>
#include <string>

namespace {

double peak(const std::vector<double>& samples)
{
    double largest = 0.0;
    for (const double s : samples)
        largest = std::max(largest, std::abs(s));
    return largest;
}

// The mean jump between neighbouring samples inside the sound.
double meanStep(const std::vector<double>& samples)
{
    double sum = 0.0;
    for (std::size_t i = 1; i < samples.size(); ++i)
        sum += std::abs(samples[i] - samples[i - 1]);
    return sum / static_cast<double>(samples.size() - 1);
}

TEST(GeneratedSounds, AreHeardWithoutClipping)
{
    const std::vector<GeneratedSound> sounds = gameSounds();
    ASSERT_EQ(sounds.size(), 12u);
    std::set<std::string> names;
    for (const GeneratedSound& sound : sounds) {
        names.insert(sound.fileName);
        EXPECT_GT(sound.samples.size(), static_cast<std::size_t>(SoundSampleRate / 20)) << sound.fileName;
        EXPECT_GT(peak(sound.samples), 0.3) << sound.fileName;
        EXPECT_LE(peak(sound.samples), 0.95) << sound.fileName;
    }
    EXPECT_EQ(names.size(), sounds.size()) << "two sounds share a file";
}

TEST(GeneratedSounds, LoopsJoinWithoutAClick)
{
    for (const GeneratedSound& sound : gameSounds()) {
        const bool loops = sound.fileName == "torch_crackle.wav" || sound.fileName == "lava_rumble.wav" ||
                           sound.fileName == "spider_skitter.wav";
        if (!loops)
            continue;
        const double seam = std::abs(sound.samples.front() - sound.samples.back());
        EXPECT_LE(seam, 4.0 * meanStep(sound.samples))
            << sound.fileName << ": the seam is a jump, not a step";
    }
}

}  // namespace
