// End-to-end runs with the sound recorded through the loopback device: the
// recording follows the game's frames, "--mute" records silence, and a run
// without a sound device or with a broken sound file plays on.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

#include "audio/sound_file.h"
#include "support/environment.h"
#include "support/game_tree.h"
#include "support/test_files.h"
#include "support/output_lines.h"

namespace {

constexpr int RecordingRate = 48000;
// How closely a stretch of the recording must follow the bite's waveform to count
// as a bite; other frames stay below a tenth (a bite together with the game-over
// tune and the respawn still scores about 0.3).
constexpr double BiteLikeness = 0.2;

// The demo's frame lines.
std::vector<std::string> demoFrames(const std::string& path)
{
    std::ifstream file(path);
    std::vector<std::string> frames;
    std::string line;
    while (std::getline(file, line)) {
        if (!line.empty() && std::isdigit(static_cast<unsigned char>(line[0])))
            frames.push_back(line);
    }
    return frames;
}

// The sample at which each frame of the demo begins: its frame times summed as
// the game sums them (single-precision times, a double total).
std::vector<long> frameStartSamples(const std::vector<std::string>& frames)
{
    std::vector<long> starts;
    double seconds = 0.0;
    for (const std::string& frame : frames) {
        starts.push_back(std::lround(seconds * RecordingRate));
        seconds += static_cast<double>(std::strtof(frame.c_str(), nullptr));
    }
    starts.push_back(std::lround(seconds * RecordingRate));
    return starts;
}

SoundClip readRecording(const std::string& path)
{
    std::string error;
    std::optional<SoundClip> clip = readSoundFile(path, error);
    EXPECT_TRUE(clip) << path << ": " << error;
    return clip ? *clip : SoundClip{};
}

// The bite as the loopback device plays it: the 24 kHz file at 48 kHz.
std::vector<double> biteAtRecordingRate()
{
    SoundClip bite = readRecording(std::string(KORVEL_SOURCE_DIR) + "/assets/sounds/bite.wav");
    std::vector<double> template_;
    for (std::size_t i = 0; i + 1 < bite.samples.size(); ++i) {
        template_.push_back(bite.samples[i]);
        template_.push_back(0.5 * (bite.samples[i] + bite.samples[i + 1]));
    }
    return template_;
}

// Frames whose first samples follow the bite's waveform (normalised correlation
// of both channels' sum with the bite), in order.
std::vector<std::size_t> biteFrames(const SoundClip& recording, const std::vector<long>& starts)
{
    const std::vector<double> bite = biteAtRecordingRate();
    double biteNorm = 0.0;
    for (const double v : bite)
        biteNorm += v * v;
    biteNorm = std::sqrt(biteNorm);
    std::vector<std::size_t> frames;
    for (std::size_t frame = 0; frame + 1 < starts.size(); ++frame) {
        const auto start = static_cast<std::size_t>(starts[frame]);
        if (start + bite.size() > recording.frameCount())
            break;
        double dot = 0.0, energy = 0.0;
        for (std::size_t j = 0; j < bite.size(); ++j) {
            const double mono = recording.samples[2 * (start + j)] + recording.samples[2 * (start + j) + 1];
            dot += mono * bite[j];
            energy += mono * mono;
        }
        if (energy > 0.0 && dot / (biteNorm * std::sqrt(energy)) > BiteLikeness)
            frames.push_back(frame);
    }
    return frames;
}

int countLinesStartingWith(const std::string& output, const std::string& prefix)
{
    std::istringstream lines(output);
    std::string line;
    int count = 0;
    while (std::getline(lines, line))
        count += line.rfind(prefix, 0) == 0 ? 1 : 0;
    return count;
}

double rootMeanSquare(const SoundClip& clip)
{
    double sum = 0.0;
    for (const std::int16_t s : clip.samples)
        sum += static_cast<double>(s) * s;
    return clip.samples.empty() ? 0.0 : std::sqrt(sum / static_cast<double>(clip.samples.size()));
}

bool isSilent(const SoundClip& clip)
{
    return std::all_of(clip.samples.begin(), clip.samples.end(), [](std::int16_t s) { return s == 0; });
}

TEST(Sound, EveryHealthLineIsHeardAsABiteWithinAFrame)
{
    GameTree tree;
    tree.useSmallWindow();
    const std::string demo = demoPath("spider.demo");
    const GameRun run =
        tree.run("--run_headless --draw clear --play_demo '" + demo + "' --record_audio bites.wav");
    ASSERT_EQ(run.exitStatus, 0) << run.output;
    const int healthLines = countLinesStartingWith(run.output, "Health: ");
    ASSERT_EQ(healthLines, 3) << run.output;

    const std::vector<std::string> frames = demoFrames(demo);
    const std::vector<long> starts = frameStartSamples(frames);
    const SoundClip recording = readRecording((tree.root() / "bites.wav").string());
    ASSERT_EQ(recording.channels, 2);
    EXPECT_EQ(static_cast<long>(recording.frameCount()), starts.back())
        << "one frame's time of samples per frame";
    const std::vector<std::size_t> bites = biteFrames(recording, starts);
    ASSERT_EQ(bites.size(), static_cast<std::size_t>(healthLines));

    // Where each line is printed: replays cut short just before and just after the
    // bite's frame print one line fewer and at least as many lines.
    for (std::size_t i = 0; i < bites.size(); ++i) {
        const auto linesAfterFrames = [&](std::size_t count) {
            std::string cut = "korvel-demo 1\n";
            for (std::size_t f = 0; f < count; ++f)
                cut += frames[f] + "\n";
            tree.writeFile("cut.demo", cut);
            const GameRun part = tree.run("--run_headless --draw clear --play_demo cut.demo");
            EXPECT_EQ(part.exitStatus, 0) << part.output;
            return countLinesStartingWith(part.output, "Health: ");
        };
        // Frames 0 .. bite - 2 played, and 0 .. bite + 1.
        EXPECT_LE(linesAfterFrames(bites[i] - 1), static_cast<int>(i))
            << "bite " << i << " at frame " << bites[i];
        EXPECT_GE(linesAfterFrames(bites[i] + 2), static_cast<int>(i + 1))
            << "bite " << i << " at frame " << bites[i];
    }
}

TEST(Sound, MuteRecordsSilenceAndTheSameRunRecordsTheSameFile)
{
    GameTree tree;
    tree.useSmallWindow();
    const std::string demo = "--run_headless --draw clear --play_demo '" + demoPath("hazard.demo") + "'";
    const GameRun first = tree.run(demo + " --record_audio first.wav");
    const GameRun second = tree.run(demo + " --record_audio second.wav --timedemo");
    const GameRun muted = tree.run(demo + " --record_audio muted.wav --mute");
    ASSERT_EQ(first.exitStatus, 0) << first.output;
    ASSERT_EQ(muted.exitStatus, 0) << muted.output;

    const SoundClip heard = readRecording((tree.root() / "first.wav").string());
    EXPECT_FALSE(isSilent(heard)) << "the level should be heard: torches, lava, footsteps";
    EXPECT_EQ(readWholeFile((tree.root() / "first.wav").string()),
              readWholeFile((tree.root() / "second.wav").string()));

    const SoundClip silence = readRecording((tree.root() / "muted.wav").string());
    EXPECT_EQ(silence.frameCount(), heard.frameCount());
    EXPECT_TRUE(isSilent(silence));
    // Muting changes nothing but the sound.
    EXPECT_EQ(muted.output, first.output);
}

TEST(Sound, TheAudioSettingsSetTheLoudnessOrMute)
{
    GameTree tree;
    const std::string demo = "--run_headless --draw clear --play_demo '" + demoPath("hazard.demo") + "'";
    tree.writeFile("assets/settings/window.ini", std::string(SmallWindow) + "[audio]\n");
    const GameRun standard = tree.run(demo + " --record_audio standard.wav");
    tree.writeFile("assets/settings/window.ini", std::string(SmallWindow) + "[audio]\nvolume = 0.4\n");
    const GameRun half = tree.run(demo + " --record_audio half.wav");
    tree.writeFile("assets/settings/window.ini", std::string(SmallWindow) + "[audio]\nmute = yes\n");
    const GameRun muted = tree.run(demo + " --record_audio muted.wav");
    for (const GameRun* run : {&standard, &half, &muted})
        ASSERT_EQ(run->exitStatus, 0) << run->output;

    // Half the default 0.8: half the amplitude.
    const double loud = rootMeanSquare(readRecording((tree.root() / "standard.wav").string()));
    ASSERT_GT(loud, 0.0);
    EXPECT_NEAR(rootMeanSquare(readRecording((tree.root() / "half.wav").string())) / loud, 0.5, 0.05);
    EXPECT_TRUE(isSilent(readRecording((tree.root() / "muted.wav").string())));
}

TEST(Sound, AMissingOrBrokenSoundFileIsOneLineAndSilence)
{
    GameTree tree({"assets/sounds/bite.wav"});
    tree.useSmallWindow();
    tree.writeFile("assets/sounds/footstep.wav", "RIFF, but not a sound");
    const GameRun run = tree.run("--run_headless --draw clear --play_demo '" + demoPath("hazard.demo") +
                                 "' --record_audio heard.wav");
    EXPECT_EQ(run.exitStatus, 0) << run.output;
    EXPECT_GE(lineIndex(run.output, "Sound missing, playing it as silence: assets/sounds/bite.wav"), 0)
        << run.output;
    EXPECT_EQ(countLinesStartingWith(run.output,
                                     "Sound refused, playing it as silence: assets/sounds/footstep.wav ("),
              1)
        << run.output;
    EXPECT_FALSE(isSilent(readRecording((tree.root() / "heard.wav").string()))) << "the other sounds play on";
}

TEST(Sound, WithoutASoundDeviceTheGamePlaysOnAfterOneLine)
{
    // A watched replay of a few frames plays live, through whatever device
    // OpenAL finds; a driver list naming no real driver leaves it none.
    GameTree tree;
    tree.useSmallWindow();
    tree.writeFile("short.demo", "korvel-demo 1\n0.0166666675 W\n0.0166666675 W\n0.0166666675 -\n");
    setEnvironmentVariable("ALSOFT_DRIVERS", "no-such-driver");
    const GameRun run = tree.run("--play_demo short.demo");
    unsetEnvironmentVariable("ALSOFT_DRIVERS");
    EXPECT_EQ(run.exitStatus, 0) << run.output;
    const std::string line = "Audio unavailable: no sound device could be opened\n";
    const std::size_t at = run.output.find(line);
    ASSERT_NE(at, std::string::npos) << run.output;

    // Every other line is what a muted run, which never asks for a device, prints.
    const GameRun muted = tree.run("--play_demo short.demo --mute");
    EXPECT_EQ(muted.exitStatus, 0) << muted.output;
    EXPECT_EQ(std::string(run.output).erase(at, line.size()), muted.output);
}

TEST(Sound, LivePlayGoesToTheSystemsSoundDevice)
{
    // OpenAL's wave-file driver stands in for a sound card: it writes what it
    // plays, in real time, into a file.
    GameTree tree;
    tree.useSmallWindow();
    std::string demo = "korvel-demo 1\n";
    for (int i = 0; i < 30; ++i)
        demo += "0.0166666675 W\n";
    tree.writeFile("walk.demo", demo);
    const std::string played = (tree.root() / "played.wav").string();
    tree.writeFile("alsoft.conf", "[general]\ndrivers = wave\n[wave]\nfile = " + played + "\n");
    setEnvironmentVariable("ALSOFT_CONF", (tree.root() / "alsoft.conf").u8string());
    const GameRun run = tree.run("--play_demo walk.demo");
    unsetEnvironmentVariable("ALSOFT_CONF");
    EXPECT_EQ(run.exitStatus, 0) << run.output;
    EXPECT_EQ(run.output.find("Audio unavailable: "), std::string::npos) << run.output;
    const SoundClip heard = readRecording(played);
    EXPECT_GT(heard.frameCount(), 0u);
    EXPECT_FALSE(isSilent(heard));
}

TEST(Sound, AnAudioFileThatCannotBeCreatedStopsTheRunBeforeAWindow)
{
    GameTree tree;
    const GameRun run = tree.run("--run_headless --record_audio no-such-folder/sound.wav");
    EXPECT_EQ(run.exitStatus, 2) << run.output;
    EXPECT_GE(lineIndex(run.output, "ERROR: Could not create audio file 'no-such-folder/sound.wav'"), 0)
        << run.output;
    EXPECT_EQ(run.output.find("GLFW was initialized."), std::string::npos) << run.output;
}

}  // namespace
