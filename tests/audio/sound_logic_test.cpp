// The sound's decisions without a device: footstep pace, which torches are
// heard, and which one-shots a frame's events start.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "audio/footstep_pacer.h"
#include "audio/sound_director.h"
#include "audio/torch_voices.h"

namespace {

constexpr float Frame = 1.0f / 60.0f;

// Steps heard while walking `seconds` at `speed` on the ground.
int stepsOver(FootstepPacer& pacer, float speed, float seconds)
{
    int steps = 0;
    for (float t = 0.0f; t < seconds; t += Frame)
        steps += pacer.advance(speed, true, Frame) ? 1 : 0;
    return steps;
}

TEST(FootstepPace, FollowsTheSpeedUpToTheFastestPace)
{
    struct Case {
        const char* name;
        float speed;
        int minSteps, maxSteps;  // over four seconds
    };
    const Case cases[] = {
        {"standing", 0.0f, 0, 0},
        {"creeping below walking speed", 0.4f, 0, 0},
        {"walking: a step per stride", 5.0f, 12, 14},              // 20 units / 1.6
        {"sprinting: capped at the fastest pace", 30.0f, 22, 28},  // 4 s at 0.15 s or a frame more
    };
    for (const Case& c : cases) {
        FootstepPacer pacer;
        const int steps = stepsOver(pacer, c.speed, 4.0f);
        EXPECT_GE(steps, c.minSteps) << c.name;
        EXPECT_LE(steps, c.maxSteps) << c.name;
    }
}

TEST(FootstepPace, FirstStepAtOnceAndNoneInTheAir)
{
    FootstepPacer pacer;
    EXPECT_TRUE(pacer.advance(5.0f, true, Frame)) << "setting off should sound a step at once";
    EXPECT_FALSE(pacer.advance(5.0f, true, Frame));
    for (int i = 0; i < 120; ++i)
        EXPECT_FALSE(pacer.advance(5.0f, false, Frame)) << "a step in the air at frame " << i;
}

TEST(TorchVoices, OnlyTheNearestTorchesAreHeardNearestFirst)
{
    const std::vector<glm::vec3> torches{{10, 0, 0}, {1, 0, 0}, {5, 0, 0}, {-2, 0, 0}, {30, 0, 0}, {0, 0, 3}};
    EXPECT_EQ(nearestTorches(torches, glm::vec3(0.0f), 4), (std::vector<int>{1, 3, 5, 2}));
    EXPECT_EQ(nearestTorches(torches, glm::vec3(29, 0, 0), 2), (std::vector<int>{4, 0}));
    EXPECT_EQ(nearestTorches({{1, 0, 0}}, glm::vec3(0.0f), 4), (std::vector<int>{0}))
        << "fewer torches than voices";
    EXPECT_TRUE(nearestTorches({}, glm::vec3(0.0f), 4).empty());
    // Equal distances go by index, so the choice never flickers between two.
    EXPECT_EQ(nearestTorches({{0, 0, 2}, {2, 0, 0}, {-2, 0, 0}}, glm::vec3(0.0f), 2),
              (std::vector<int>{0, 1}));
}

TEST(TorchVoices, ATorchThatStaysNearKeepsItsVoice)
{
    const TorchVoices start{NoTorch, NoTorch, NoTorch, NoTorch};
    const TorchVoices first = assignTorchVoices(start, {7, 3, 9, 1});
    EXPECT_EQ(first, (TorchVoices{7, 3, 9, 1}));
    // 3 and 1 drop out, 12 and 4 come in: 7 and 9 keep voices 0 and 2.
    EXPECT_EQ(assignTorchVoices(first, {9, 12, 7, 4}), (TorchVoices{7, 12, 9, 4}));
    EXPECT_EQ(assignTorchVoices(first, {9}), (TorchVoices{NoTorch, NoTorch, 9, NoTorch}));
}

AudioFrameInput standingFrame()
{
    AudioFrameInput input;
    input.deltaTime = Frame;
    input.playerPosition = {0.0f, 1.9f, 0.0f};
    input.spiderPositions = {{10, 1, 0}, {20, 1, 0}};
    return input;
}

TEST(SoundDirector, EachEventStartsItsOneShotInTheFrameItHappens)
{
    struct Case {
        const char* name;
        PlayerEvents events;
        std::vector<SoundId> expected;
    };
    PlayerEvents bite;
    bite.bites = 1;
    PlayerEvents gameOver;
    gameOver.bites = 1;
    gameOver.gameOver = true;
    gameOver.respawned = true;
    PlayerEvents softLanding;
    softLanding.landed = true;
    softLanding.landingSpeed = 0.2f;
    PlayerEvents hardLanding = softLanding;
    hardLanding.landingSpeed = 6.0f;
    PlayerEvents won;
    won.won = true;
    PlayerEvents keys;
    keys.restarted = true;
    keys.quickSaved = true;
    PlayerEvents jumped;
    jumped.jumped = true;
    const Case cases[] = {
        {"nothing", PlayerEvents{}, {}},
        {"a bite", bite, {SoundId::Bite}},
        {"the last bite", gameOver, {SoundId::Bite, SoundId::GameOver, SoundId::Respawn}},
        {"a step down is no landing", softLanding, {}},
        {"a landing", hardLanding, {SoundId::Landing}},
        {"a win", won, {SoundId::Victory}},
        {"restart and quick save", keys, {SoundId::Restart, SoundId::QuickSave}},
        {"a jump", jumped, {SoundId::Jump}},
    };
    for (const Case& c : cases) {
        SoundDirector director({});
        director.plan(standingFrame());
        AudioFrameInput input = standingFrame();
        input.events = c.events;
        EXPECT_EQ(director.plan(input).oneShots, c.expected) << c.name;
        EXPECT_TRUE(director.plan(standingFrame()).oneShots.empty()) << c.name << ": played twice";
    }
}

TEST(SoundDirector, FootstepsComeFromWalkingNotFromTeleports)
{
    SoundDirector director({});
    AudioFrameInput input = standingFrame();
    director.plan(input);
    // Walking at 5 units a second for two seconds.
    int steps = 0;
    for (int i = 0; i < 120; ++i) {
        input.playerPosition.x += 5.0f * Frame;
        for (const SoundId sound : director.plan(input).oneShots)
            steps += sound == SoundId::Footstep ? 1 : 0;
    }
    EXPECT_GE(steps, 6);
    EXPECT_LE(steps, 7);

    // A respawn jumps 100 units in a frame: a respawn sound, no step.
    SoundDirector still({});
    AudioFrameInput before = standingFrame();
    still.plan(before);
    before.playerPosition.x += 100.0f;
    before.events.respawned = true;
    EXPECT_EQ(still.plan(before).oneShots, std::vector<SoundId>{SoundId::Respawn});
    // Falling fast: no steps however far the player moves sideways.
    AudioFrameInput falling = standingFrame();
    falling.verticalVelocity = -8.0f;
    for (int i = 0; i < 30; ++i) {
        falling.playerPosition.x += 5.0f * Frame;
        EXPECT_TRUE(still.plan(falling).oneShots.empty());
    }
}

TEST(SoundDirector, SpidersSkitterOnlyWhileTheyMove)
{
    SoundDirector director({});
    AudioFrameInput input = standingFrame();
    const SoundFrame& first = director.plan(input);
    ASSERT_EQ(first.spiders.size(), 2u);
    EXPECT_FALSE(first.spiders[0].moving) << "nothing is known to move in the first frame";
    input.spiderPositions[1].x += 0.05f;
    const SoundFrame& second = director.plan(input);
    EXPECT_FALSE(second.spiders[0].moving);
    EXPECT_TRUE(second.spiders[1].moving);
    EXPECT_EQ(second.spiders[1].position, input.spiderPositions[1]);
}

TEST(SoundDirector, TorchVoicesFollowTheListener)
{
    std::vector<glm::vec3> torches;
    for (int i = 0; i < 60; ++i)
        torches.emplace_back(4.0f * static_cast<float>(i), 3.3f, 0.0f);
    SoundDirector director(torches);
    AudioFrameInput input = standingFrame();
    EXPECT_EQ(director.plan(input).torchVoices, (TorchVoices{0, 1, 2, 3}));
    input.listener.position.x = 200.0f;  // beside torch 50
    TorchVoices voices = director.plan(input).torchVoices;
    std::sort(voices.begin(), voices.end());
    EXPECT_EQ(voices, (TorchVoices{48, 49, 50, 51}));
}

}  // namespace
