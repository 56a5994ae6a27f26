#include "sound_synth.h"

#include "noise.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace {

using Signal = std::vector<double>;

constexpr double Pi = 3.14159265358979323846;

std::size_t sampleCount(double seconds)
{
    return static_cast<std::size_t>(std::lround(seconds * SoundSampleRate));
}

double timeOf(std::size_t i)
{
    return static_cast<double>(i) / SoundSampleRate;
}

// White noise in [-1, 1): sample i of stream `seed`.
double whiteNoise(std::size_t i, uint32_t seed)
{
    return 2.0 * hashUnit(static_cast<int32_t>(i), 0, seed) - 1.0;
}

// One-pole low-pass over noise that repeats every `period` samples. The filter runs
// over the period twice and keeps the second pass, whose start has settled onto its
// own end: a loop made from it has no seam.
Signal loopedFilteredNoise(std::size_t period, double cutoffHz, uint32_t seed)
{
    const double alpha = 1.0 - std::exp(-2.0 * Pi * cutoffHz / SoundSampleRate);
    Signal out(period);
    double state = 0.0;
    for (std::size_t pass = 0; pass < 2; ++pass) {
        for (std::size_t i = 0; i < period; ++i) {
            state += alpha * (whiteNoise(i, seed) - state);
            out[i] = state;
        }
    }
    return out;
}

// Low-passed noise for one-shots (no loop needed).
Signal filteredNoise(std::size_t length, double cutoffHz, uint32_t seed)
{
    const double alpha = 1.0 - std::exp(-2.0 * Pi * cutoffHz / SoundSampleRate);
    Signal out(length);
    double state = 0.0;
    for (std::size_t i = 0; i < length; ++i) {
        state += alpha * (whiteNoise(i, seed) - state);
        out[i] = state;
    }
    return out;
}

// Scales the signal so its largest magnitude is `peak`.
void normalise(Signal& signal, double peak)
{
    double largest = 0.0;
    for (const double s : signal)
        largest = std::max(largest, std::abs(s));
    if (largest <= 0.0)
        return;
    for (double& s : signal)
        s *= peak / largest;
}

// A short decaying noise burst added at `start` (samples, wrapping round a loop).
void addBurst(Signal& signal, std::size_t start, double seconds, double decayPerSecond, double gain,
              uint32_t seed, bool wrap)
{
    const std::size_t length = sampleCount(seconds);
    for (std::size_t i = 0; i < length; ++i) {
        std::size_t at = start + i;
        if (at >= signal.size()) {
            if (!wrap)
                return;
            at %= signal.size();
        }
        signal[at] += gain * whiteNoise(i, seed) * std::exp(-decayPerSecond * timeOf(i));
    }
}

// A sine gliding from `fromHz` to `toHz` with an attack and an exponential decay.
void addTone(Signal& signal, std::size_t start, double seconds, double fromHz, double toHz, double gain,
             double decayPerSecond)
{
    const std::size_t length = sampleCount(seconds);
    constexpr double AttackSeconds = 0.005;
    double phase = 0.0;
    for (std::size_t i = 0; i < length && start + i < signal.size(); ++i) {
        const double t = timeOf(i);
        const double hz = fromHz + (toHz - fromHz) * (t / seconds);
        phase += 2.0 * Pi * hz / SoundSampleRate;
        const double attack = std::min(1.0, t / AttackSeconds);
        const double release = std::min(1.0, (seconds - t) / 0.02);  // no click at the end
        signal[start + i] += gain * std::sin(phase) * attack * release * std::exp(-decayPerSecond * t);
    }
}

Signal torchCrackle()
{
    const std::size_t length = sampleCount(2.0);
    Signal signal = loopedFilteredNoise(length, 900.0, 11);
    for (double& s : signal)
        s *= 0.25;
    // Pops at hashed times: the crackle of burning wood.
    for (int pop = 0; pop < 26; ++pop) {
        const std::size_t at = static_cast<std::size_t>(hashUnit(pop, 1, 12) * length);
        const double gain = 0.3 + 0.7 * hashUnit(pop, 2, 12);
        addBurst(signal, at, 0.02, 260.0, gain, 100 + pop, true);
    }
    normalise(signal, 0.6);
    return signal;
}

Signal lavaRumble()
{
    const double seconds = 3.0;
    const std::size_t length = sampleCount(seconds);
    Signal signal = loopedFilteredNoise(length, 120.0, 21);
    normalise(signal, 0.5);
    // Whole numbers of cycles in the loop keep the tones seamless too.
    for (std::size_t i = 0; i < length; ++i) {
        const double t = timeOf(i);
        const double swell = 0.6 + 0.4 * std::sin(2.0 * Pi * t / seconds);
        signal[i] += swell * (0.35 * std::sin(2.0 * Pi * 41.0 * t) + 0.15 * std::sin(2.0 * Pi * 55.0 * t));
    }
    // A few slow bubbles.
    for (int bubble = 0; bubble < 5; ++bubble) {
        const std::size_t at = static_cast<std::size_t>(hashUnit(bubble, 1, 22) * length);
        Signal pop(sampleCount(0.12));
        addTone(pop, 0, 0.12, 90.0, 160.0, 0.3, 25.0);
        for (std::size_t i = 0; i < pop.size(); ++i)
            signal[(at + i) % length] += pop[i];
    }
    normalise(signal, 0.7);
    return signal;
}

Signal spiderSkitter()
{
    const std::size_t length = sampleCount(0.6);
    Signal signal(length, 0.0);
    // Eight legs tapping: about 30 clicks a second, none on the beat.
    for (int click = 0; click < 18; ++click) {
        const double slot = (click + 0.6 * hashUnit(click, 1, 31)) / 18.0;
        const std::size_t at = static_cast<std::size_t>(slot * length);
        addBurst(signal, at, 0.012, 500.0, 0.5 + 0.5 * hashUnit(click, 2, 31), 300 + click, true);
    }
    // Take the low end out so the clicks stay dry and thin.
    double previous = 0.0;
    for (double& s : signal) {
        const double input = s;
        s = input - 0.85 * previous;
        previous = input;
    }
    normalise(signal, 0.6);
    return signal;
}

Signal footstep()
{
    Signal signal = filteredNoise(sampleCount(0.18), 1800.0, 41);
    for (std::size_t i = 0; i < signal.size(); ++i)
        signal[i] *= 0.6 * std::exp(-30.0 * timeOf(i));
    addTone(signal, 0, 0.18, 110.0, 70.0, 0.8, 28.0);
    normalise(signal, 0.55);
    return signal;
}

Signal jump()
{
    const std::size_t length = sampleCount(0.25);
    Signal signal = filteredNoise(length, 2500.0, 51);
    for (std::size_t i = 0; i < length; ++i) {
        const double t = timeOf(i) / 0.25;
        signal[i] *= std::sin(Pi * t);  // a breath: swells and fades
    }
    addTone(signal, 0, 0.12, 140.0, 90.0, 0.5, 30.0);
    normalise(signal, 0.5);
    return signal;
}

Signal landing()
{
    Signal signal = filteredNoise(sampleCount(0.3), 900.0, 61);
    for (std::size_t i = 0; i < signal.size(); ++i)
        signal[i] *= std::exp(-18.0 * timeOf(i));
    addTone(signal, 0, 0.3, 85.0, 45.0, 1.0, 14.0);
    normalise(signal, 0.75);
    return signal;
}

Signal bite()
{
    // A sharp crunch: bright noise that snaps shut, over a falling squeal.
    const std::size_t length = sampleCount(0.32);
    Signal signal(length, 0.0);
    addBurst(signal, 0, 0.32, 22.0, 1.0, 71, false);
    addBurst(signal, sampleCount(0.06), 0.1, 40.0, 0.8, 72, false);
    addTone(signal, 0, 0.32, 620.0, 180.0, 0.45, 8.0);
    normalise(signal, 0.9);
    return signal;
}

// Notes in sequence, each a tone with its overtone.
Signal melody(const std::vector<double>& notesHz, double noteSeconds, double tailSeconds)
{
    Signal signal(sampleCount(noteSeconds * notesHz.size() + tailSeconds), 0.0);
    for (std::size_t n = 0; n < notesHz.size(); ++n) {
        const std::size_t start = sampleCount(noteSeconds * n);
        const double length = (n + 1 == notesHz.size()) ? noteSeconds + tailSeconds : noteSeconds * 1.5;
        addTone(signal, start, length, notesHz[n], notesHz[n], 0.6, 3.0);
        addTone(signal, start, length, 2.0 * notesHz[n], 2.0 * notesHz[n], 0.2, 5.0);
    }
    normalise(signal, 0.7);
    return signal;
}

Signal respawn()
{
    const std::size_t length = sampleCount(0.8);
    Signal signal = filteredNoise(length, 4000.0, 81);
    for (std::size_t i = 0; i < length; ++i)
        signal[i] *= 0.15 * std::sin(Pi * timeOf(i) / 0.8);
    addTone(signal, 0, 0.8, 220.0, 880.0, 0.6, 1.5);
    normalise(signal, 0.6);
    return signal;
}

Signal restart()
{
    Signal signal(sampleCount(0.4), 0.0);
    addTone(signal, 0, 0.15, 660.0, 660.0, 0.6, 10.0);
    addTone(signal, sampleCount(0.15), 0.25, 440.0, 440.0, 0.6, 10.0);
    normalise(signal, 0.5);
    return signal;
}

Signal quickSave()
{
    Signal signal(sampleCount(0.35), 0.0);
    addTone(signal, 0, 0.35, 1320.0, 1320.0, 0.5, 12.0);
    addTone(signal, sampleCount(0.05), 0.3, 1980.0, 1980.0, 0.3, 14.0);
    normalise(signal, 0.45);
    return signal;
}

}  // namespace

std::vector<GeneratedSound> gameSounds()
{
    return {
        {"torch_crackle.wav", torchCrackle()},
        {"lava_rumble.wav", lavaRumble()},
        {"spider_skitter.wav", spiderSkitter()},
        {"footstep.wav", footstep()},
        {"jump.wav", jump()},
        {"landing.wav", landing()},
        {"bite.wav", bite()},
        // A falling minor line for losing, a rising major one for winning.
        {"game_over.wav", melody({392.0, 311.1, 261.6, 196.0}, 0.28, 0.6)},
        {"you_won.wav", melody({261.6, 329.6, 392.0, 523.3}, 0.18, 0.8)},
        {"respawn.wav", respawn()},
        {"restart.wav", restart()},
        {"quick_save.wav", quickSave()},
    };
}
