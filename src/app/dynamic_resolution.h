// The controller behind render_scale = auto: from the times recent frames took
// it picks the fraction of the framebuffer the next frames draw, to hold a
// target frame rate. Pure logic, fed one frame time at a time.
//
// The rules, with a frame's cost taken as proportional to its pixels (the
// square of the scale; fixed costs make that a pessimistic guess for the
// scale going up and an optimistic one going down):
//   - Each verdict looks at the median of the last FramesPerVerdict frames drawn
//     at the current scale, so one slow frame (a hitch, a page fault, a shader
//     compiled on first use) never changes the scale.
//   - Over the frame budget (1 / target_fps): down to the scale whose predicted
//     time is DownTo of the budget, at least one step, never below the minimum.
//   - One step up only when the next step's predicted time is below UpBelow of
//     the budget; so climbing is gradual, and climbing never lands over budget.
//   - In between (the dead band) the scale holds: it does not flicker between
//     two neighbours whose times straddle the budget.
// Scales are whole steps of ScaleStep below 1, clamped to the minimum.
#pragma once

#include <map>
#include <vector>

class DynamicResolution {
public:
    static constexpr float ScaleStep = 0.05f;
    static constexpr int FramesPerVerdict = 8;
    static constexpr double DownTo = 0.85;
    static constexpr double UpBelow = 0.8;

    // `targetFps` above 0; `minScale` in (0, 1]. Starts at 1.
    DynamicResolution(double targetFps, float minScale);

    // The scale the next frame draws at.
    float scale() const { return current; }

    // The time the frame drawn at scale() took, in seconds.
    void frameFinished(double seconds);

private:
    float stepDown(double medianSeconds) const;
    double budget = 1.0 / 60.0;
    float minimum = 0.5f;
    float current = 1.0f;
    std::vector<double> recent;  // frames since the last change, oldest first
};

// The scales a run under auto drew its frames at, for the line after the run.
// Kept as a count per scale (there are at most 1 / ScaleStep of them), so an
// evening's play costs no more memory than a minute's.
class ScaleTally {
public:
    void add(float scale);

    bool empty() const { return frames == 0; }
    // The scale of the middle frame in size order (the upper one of an even count).
    float median() const;
    float lowest() const { return counts.begin()->first; }
    float highest() const { return counts.rbegin()->first; }
    // How often a frame's scale differed from the one before it.
    long changes() const { return changeCount; }

private:
    std::map<float, long> counts;
    long frames = 0;
    long changeCount = 0;
    float last = 0.0f;
};
