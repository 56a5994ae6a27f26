#include "noise.h"

#include <cmath>

namespace {

int wrap(int v, int period)
{
    return ((v % period) + period) % period;
}

double smooth(double t)
{
    return t * t * (3.0 - 2.0 * t);
}

}  // namespace

uint32_t hash3(int32_t x, int32_t y, uint32_t seed)
{
    uint32_t h =
        seed * 0x9E3779B9u ^ static_cast<uint32_t>(x) * 0x85EBCA6Bu ^ static_cast<uint32_t>(y) * 0xC2B2AE35u;
    h ^= h >> 16;
    h *= 0x7FEB352Du;
    h ^= h >> 15;
    h *= 0x846CA68Bu;
    h ^= h >> 16;
    return h;
}

double hashUnit(int32_t x, int32_t y, uint32_t seed)
{
    return hash3(x, y, seed) / 4294967296.0;
}

double valueNoise(double x, double y, int period, uint32_t seed)
{
    const int ix = static_cast<int>(std::floor(x)), iy = static_cast<int>(std::floor(y));
    const double fx = smooth(x - ix), fy = smooth(y - iy);
    const auto at = [&](int dx, int dy) {
        return hashUnit(wrap(ix + dx, period), wrap(iy + dy, period), seed);
    };
    const double top = at(0, 0) + (at(1, 0) - at(0, 0)) * fx;
    const double bottom = at(0, 1) + (at(1, 1) - at(0, 1)) * fx;
    return top + (bottom - top) * fy;
}

double fractalNoise(double x, double y, int period, int octaves, uint32_t seed)
{
    double sum = 0, weight = 1, total = 0, scale = 1;
    for (int o = 0; o < octaves; ++o) {
        sum += valueNoise(x * scale, y * scale, period * static_cast<int>(scale), seed + o) * weight;
        total += weight;
        weight *= 0.5;
        scale *= 2;
    }
    return sum / total;
}
