#include "app/render_scale.h"

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <optional>
#include <sstream>

namespace {

// The whole text as a finite number; nullopt for anything else ("0.5x", "nan", "").
std::optional<double> wholeNumber(const std::string& text)
{
    if (text.empty())
        return std::nullopt;
    char* end = nullptr;
    errno = 0;
    const double value = std::strtod(text.c_str(), &end);
    if (end != text.c_str() + text.size() || errno == ERANGE || !std::isfinite(value))
        return std::nullopt;
    return value;
}

std::optional<double> numberWithin(const std::string& text, double lowest, double highest)
{
    const std::optional<double> value = wholeNumber(text);
    if (!value || *value < lowest || *value > highest)
        return std::nullopt;
    return value;
}

// 1, 0.75, 59.94: as short as the value allows.
std::string formatNumber(double value)
{
    std::ostringstream text;
    text << value;
    return text.str();
}

std::string refusal(const std::string& source, const std::string& accepted, const std::string& text,
                    const std::string& kept)
{
    return "ERROR: " + source + " takes " + accepted + ", not '" + text + "'; using " + kept;
}

std::string describeScale(const RenderScaleSettings& settings)
{
    return settings.automatic ? "auto" : formatNumber(settings.scale);
}

}  // namespace

std::string readRenderScale(const std::string& text, const std::string& source, RenderScaleSettings& settings)
{
    if (text == "auto") {
        settings.automatic = true;
        return "";
    }
    const std::optional<double> scale = numberWithin(text, MinimumRenderScale, MaximumRenderScale);
    if (!scale)
        return refusal(source, "a number from 0.25 to 1 or auto", text, describeScale(settings));
    settings.automatic = false;
    settings.scale = static_cast<float>(*scale);
    return "";
}

std::string readTargetFps(const std::string& text, const std::string& source, RenderScaleSettings& settings)
{
    const std::optional<double> fps = numberWithin(text, MinimumTargetFps, MaximumTargetFps);
    if (!fps)
        return refusal(source, "frames per second from 1 to 1000", text, formatNumber(settings.targetFps));
    settings.targetFps = *fps;
    return "";
}

std::string readMinRenderScale(const std::string& text, const std::string& source,
                               RenderScaleSettings& settings)
{
    const std::optional<double> scale = numberWithin(text, MinimumRenderScale, MaximumRenderScale);
    if (!scale)
        return refusal(source, "a number from 0.25 to 1", text, formatNumber(settings.minRenderScale));
    settings.minRenderScale = static_cast<float>(*scale);
    return "";
}

bool drawsThroughSceneTarget(const RenderScaleSettings& settings)
{
    return settings.automatic || settings.scale < MaximumRenderScale;
}

PixelSize scaledSize(int width, int height, float scale)
{
    const auto scaled = [scale](int pixels) {
        return std::max(1, static_cast<int>(std::lround(static_cast<double>(pixels) * scale)));
    };
    return {scaled(width), scaled(height)};
}
