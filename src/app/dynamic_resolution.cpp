#include "app/dynamic_resolution.h"

#include <algorithm>
#include <cmath>

namespace {

double median(std::vector<double> values)
{
    const std::size_t middle = values.size() / 2;
    std::nth_element(values.begin(), values.begin() + middle, values.end());
    const double upper = values[middle];
    if (values.size() % 2 == 1)
        return upper;
    const double lower = *std::max_element(values.begin(), values.begin() + middle);
    return (lower + upper) / 2.0;
}

// The largest whole step at or below `scale` (1, 0.95, 0.9, ...); a hair of
// tolerance keeps 0.7 from rounding to 0.65 through float error.
float wholeStepBelow(float scale)
{
    const float steps = std::floor(scale / DynamicResolution::ScaleStep + 1e-3f);
    return steps * DynamicResolution::ScaleStep;
}

}  // namespace

DynamicResolution::DynamicResolution(double targetFps, float minScale)
    : budget(1.0 / targetFps), minimum(std::clamp(minScale, ScaleStep, 1.0f))
{
    recent.reserve(FramesPerVerdict);
}

float DynamicResolution::stepDown(double medianSeconds) const
{
    const float aimed = current * static_cast<float>(std::sqrt(DownTo * budget / medianSeconds));
    const float oneStep = wholeStepBelow(current - ScaleStep * 0.5f);
    return std::max(minimum, std::min(wholeStepBelow(aimed), oneStep));
}

void DynamicResolution::frameFinished(double seconds)
{
    recent.push_back(seconds);
    if (static_cast<int>(recent.size()) < FramesPerVerdict)
        return;
    const double typical = median(recent);
    recent.clear();

    float next = current;
    if (typical > budget) {
        next = stepDown(typical);
    } else if (current < 1.0f) {
        const float up = std::min(1.0f, wholeStepBelow(current + ScaleStep * 1.5f));
        const double predicted = typical * (up / current) * (up / current);
        if (predicted < UpBelow * budget)
            next = up;
    }
    current = next;
}

void ScaleTally::add(float scale)
{
    if (frames > 0 && scale != last)
        ++changeCount;
    last = scale;
    ++counts[scale];
    ++frames;
}

float ScaleTally::median() const
{
    long before = frames / 2;
    for (const auto& [scale, count] : counts) {
        if (before < count)
            return scale;
        before -= count;
    }
    return 0.0f;
}
