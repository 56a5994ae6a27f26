// The mixer through OpenAL's loopback device, which needs no sound card: where a
// sound is placed is where it is heard.
#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "audio/audio_device.h"
#include "audio/sound_bank.h"
#include "audio/sound_mixer.h"

namespace {

struct ChannelEnergy {
    double left = 0.0;
    double right = 0.0;
};

// Listener at the origin facing +x: its left is -z. One skittering spider at
// `spider`; a quarter of a second is mixed.
ChannelEnergy energyWithSpiderAt(const glm::vec3& spider)
{
    std::string error;
    const std::unique_ptr<AudioDevice> device = AudioDevice::openLoopback(error);
    EXPECT_TRUE(device) << error;
    if (!device)
        return {};
    ChannelEnergy energy;
    {
        const SoundBank bank;
        // The lava far ahead, heard equally in both ears.
        SoundMixer mixer(bank, {}, glm::vec3(1000.0f, 0.0f, 0.0f), 1, 1.0f);
        SoundFrame frame;
        frame.torchVoices.fill(NoTorch);
        frame.listener.forward = {1.0f, 0.0f, 0.0f};
        frame.listener.up = {0.0f, 1.0f, 0.0f};
        frame.spiders = {SpiderVoice{spider, true}};
        mixer.play(frame);

        std::vector<std::int16_t> samples(LoopbackSampleRate / 4 * LoopbackChannels);
        device->render(samples.data(), LoopbackSampleRate / 4);
        for (std::size_t i = 0; i + 1 < samples.size(); i += 2) {
            energy.left += static_cast<double>(samples[i]) * samples[i];
            energy.right += static_cast<double>(samples[i + 1]) * samples[i + 1];
        }
    }
    return energy;
}

TEST(Loopback, ASoundOnTheListenersLeftIsLouderOnTheLeft)
{
    const ChannelEnergy left = energyWithSpiderAt({0.0f, 0.0f, -3.0f});
    EXPECT_GT(left.left, 0.0) << "nothing was heard";
    EXPECT_GT(left.left, 2.0 * left.right);

    // And the mirror image, so that a swapped pair of channels shows up too.
    const ChannelEnergy right = energyWithSpiderAt({0.0f, 0.0f, 3.0f});
    EXPECT_GT(right.right, 2.0 * right.left);
}

TEST(Loopback, TheSameCallsMixTheSameSamples)
{
    const ChannelEnergy first = energyWithSpiderAt({2.0f, 0.0f, -1.0f});
    const ChannelEnergy second = energyWithSpiderAt({2.0f, 0.0f, -1.0f});
    EXPECT_GT(first.left, 0.0);
    EXPECT_EQ(first.left, second.left);
    EXPECT_EQ(first.right, second.right);
}

}  // namespace
