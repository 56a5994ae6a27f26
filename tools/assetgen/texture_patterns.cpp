#include "texture_patterns.h"

#include "noise.h"

#include <algorithm>
#include <cmath>
#include <tuple>

namespace {

constexpr int Size = TextureSize;

struct Colour {
    double r, g, b;
};

Colour mix(const Colour& a, const Colour& b, double t)
{
    return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}

Colour scaled(const Colour& c, double f)
{
    return {c.r * f, c.g * f, c.b * f};
}

void put(Image& image, int x, int y, const Colour& c)
{
    uint8_t* p = image.at(x, y);
    p[0] = toByte(c.r);
    p[1] = toByte(c.g);
    p[2] = toByte(c.b);
    if (image.channels == 4)
        p[3] = 255;
}

// Noise in texture space: `cells` lattice cells across the image, tiling.
double grain(int x, int y, int cells, int octaves, uint32_t seed)
{
    return fractalNoise(x * cells / double(Size), y * cells / double(Size), cells, octaves, seed);
}

// Distance in pixels to the nearest mortar line of a grid of cellW x cellH with odd rows shifted.
double mortarDistance(int x, int y, int cellW, int cellH, int rowShift, int& cellX, int& cellY)
{
    cellY = y / cellH;
    const int shifted = (x + (cellY % 2) * rowShift) % Size;
    cellX = shifted / cellW;
    const int inX = shifted % cellW, inY = y % cellH;
    return std::min({inX + 0.5, cellW - inX - 0.5, inY + 0.5, cellH - inY - 0.5});
}

// Stones or bricks: raised blocks with tinted faces and soft mortar gaps.
SurfacePicture blockPicture(int cellW, int cellH, int rowShift, double mortar, const Colour& face,
                            const Colour& joint, uint32_t seed)
{
    SurfacePicture out{Image(Size, Size, 3), HeightField(Size, Size)};
    for (int y = 0; y < Size; ++y) {
        for (int x = 0; x < Size; ++x) {
            int cx = 0, cy = 0;
            const double d = mortarDistance(x, y, cellW, cellH, rowShift, cx, cy);
            const double edge = std::clamp((d - mortar) / 2.0, 0.0, 1.0);
            const double tint = 0.8 + 0.35 * hashUnit(cx, cy, seed);
            const double detail = grain(x, y, 16, 4, seed + 7);
            const Colour stone = scaled(face, tint * (0.75 + 0.5 * detail));
            const Colour jointColour = scaled(joint, 0.8 + 0.4 * grain(x, y, 32, 2, seed + 3));
            put(out.diffuse, x, y, mix(jointColour, stone, edge));
            out.height.at(x, y) = edge * (0.85 + 0.15 * detail);
        }
    }
    return out;
}

// Wood: fine grain running down the image, with knots of darker rings.
Colour woodColour(int x, int y, uint32_t seed, double boardTint)
{
    const double warp = grain(x, y, 4, 3, seed) * 6.0;
    const double rings = 0.5 + 0.5 * std::sin(x * 0.45 + warp * 3.0);
    const double fibre = grain(x * 4 % Size, y / 4, 32, 2, seed + 11);
    const Colour light{0.58, 0.40, 0.22}, dark{0.33, 0.20, 0.10};
    return scaled(mix(dark, light, rings * 0.6 + fibre * 0.4), boardTint);
}

// Lava: bright cells of molten rock between dark cooled cracks (cellular noise).
double lavaBrightness(int x, int y)
{
    constexpr int Cells = 8, Cell = Size / Cells;
    double nearest = 1e9, second = 1e9;
    for (int j = -1; j <= 2; ++j) {
        for (int i = -1; i <= 2; ++i) {
            const int gx = x / Cell + i, gy = y / Cell + j;
            const int wx = (gx + Cells) % Cells, wy = (gy + Cells) % Cells;
            const double px = (gx + hashUnit(wx, wy, 41)) * Cell, py = (gy + hashUnit(wx, wy, 42)) * Cell;
            const double d = std::hypot(px - x, py - y);
            if (d < nearest)
                std::tie(second, nearest) = std::make_pair(nearest, d);
            else
                second = std::min(second, d);
        }
    }
    const double crack = std::clamp((second - nearest) / 10.0, 0.0, 1.0);
    return crack * (0.55 + 0.45 * grain(x, y, 16, 3, 43)) + 0.05;
}

// One glyph of the riddle: two to four strokes between points of a 3 x 3 lattice.
void drawGlyph(Image& image, int left, int top, int cellSize, uint32_t glyph)
{
    const int strokes = 2 + static_cast<int>(hash3(glyph, 0, 57) % 3);
    const int margin = cellSize / 5, step = (cellSize - 2 * margin) / 2;
    for (int s = 0; s < strokes; ++s) {
        const uint32_t h = hash3(glyph, s + 1, 58);
        const int a = h % 9, pick = (h / 9) % 8, b = pick < a ? pick : pick + 1;  // never a dot
        const double ax = left + margin + (a % 3) * step, ay = top + margin + (a / 3) * step;
        const double bx = left + margin + (b % 3) * step, by = top + margin + (b / 3) * step;
        const int samples = cellSize * 2;
        for (int k = 0; k <= samples; ++k) {
            const double px = ax + (bx - ax) * k / samples, py = ay + (by - ay) * k / samples;
            for (int dy = -2; dy <= 2; ++dy)
                for (int dx = -2; dx <= 2; ++dx)
                    put(image, std::clamp(int(px) + dx, 0, Size - 1), std::clamp(int(py) + dy, 0, Size - 1),
                        {0.86, 0.84, 0.74});
        }
    }
}

}  // namespace

Image stoneFlagsPicture()
{
    return blockPicture(128, 128, 64, 3.0, {0.55, 0.54, 0.50}, {0.18, 0.17, 0.16}, 11).diffuse;
}

SurfacePicture brickPicture()
{
    return blockPicture(64, 32, 32, 2.0, {0.52, 0.26, 0.18}, {0.30, 0.28, 0.26}, 13);
}

Image woodPicture()
{
    Image image(Size, Size, 3);
    for (int y = 0; y < Size; ++y)
        for (int x = 0; x < Size; ++x)
            put(image, x, y, woodColour(x, y, 17, 1.0));
    return image;
}

Image planksPicture()
{
    constexpr int BoardWidth = 64, Gap = 3;
    Image image(Size, Size, 3);
    for (int y = 0; y < Size; ++y) {
        for (int x = 0; x < Size; ++x) {
            const int board = x / BoardWidth, inBoard = x % BoardWidth;
            const double tint = 0.85 + 0.3 * hashUnit(board, 0, 19);
            const bool inGap = inBoard < Gap;
            put(image, x, y,
                inGap ? Colour{0.08, 0.05, 0.03} : woodColour(x, (y + board * 97) % Size, 19, tint));
        }
    }
    return image;
}

Image lavaPicture()
{
    Image image(Size, Size, 1);
    for (int y = 0; y < Size; ++y)
        for (int x = 0; x < Size; ++x)
            *image.at(x, y) = toByte(lavaBrightness(x, y));
    return image;
}

Image chitinPicture()
{
    Image image(Size, Size, 3);
    const Colour base{0.22, 0.14, 0.08}, hair{0.55, 0.42, 0.28};
    for (int y = 0; y < Size; ++y) {
        for (int x = 0; x < Size; ++x) {
            const double plates = grain(x, y, 8, 3, 23);
            // Hairs: short streaks along the image's rows, from noise stretched across them.
            const double streak = fractalNoise(x * 4.0 / Size, y * 64.0 / Size, 4, 2, 29);
            const double hairAmount = std::clamp((streak - 0.62) * 4.0, 0.0, 1.0);
            put(image, x, y, mix(scaled(base, 0.7 + 0.6 * plates), hair, hairAmount));
        }
    }
    return image;
}

SurfacePicture marblePicture()
{
    SurfacePicture out{Image(Size, Size, 3), HeightField(Size, Size)};
    const Colour white{0.90, 0.89, 0.86}, vein{0.45, 0.45, 0.50};
    for (int y = 0; y < Size; ++y) {
        for (int x = 0; x < Size; ++x) {
            const double turbulence = grain(x, y, 4, 5, 31);
            const double v =
                std::abs(std::sin((x + y) * 2.0 * 3.14159265358979 / Size * 2.0 + turbulence * 9.0));
            const double veinAmount = std::pow(1.0 - v, 6.0);
            put(out.diffuse, x, y, mix(scaled(white, 0.92 + 0.08 * turbulence), vein, veinAmount));
            out.height.at(x, y) = 1.0 - veinAmount * 0.6;
        }
    }
    return out;
}

Image runesPicture()
{
    constexpr int Columns = 4, Rows = 4, CellSize = Size / Columns;
    Image image(Size, Size, 4);
    for (int y = 0; y < Size; ++y)
        for (int x = 0; x < Size; ++x)
            put(image, x, y, scaled({0.20, 0.21, 0.24}, 0.7 + 0.6 * grain(x, y, 16, 4, 53)));
    for (int row = 0; row < Rows; ++row)
        for (int column = 0; column < Columns; ++column)
            drawGlyph(image, column * CellSize, row * (Size / Rows), CellSize, row * Columns + column);
    return image;
}

Image bonePicture()
{
    Image image(Size, Size, 3);
    const Colour ivory{0.88, 0.85, 0.76}, pit{0.30, 0.26, 0.20};
    for (int y = 0; y < Size; ++y) {
        for (int x = 0; x < Size; ++x) {
            const double stain = grain(x, y, 8, 4, 61);
            const double pores = grain(x, y, 64, 1, 67);
            const double pitAmount = std::clamp((pores - 0.78) * 6.0, 0.0, 1.0);
            put(image, x, y, mix(scaled(ivory, 0.8 + 0.25 * stain), pit, pitAmount));
        }
    }
    return image;
}

Image tilesPicture()
{
    return blockPicture(64, 64, 0, 2.5, {0.62, 0.58, 0.50}, {0.15, 0.14, 0.13}, 71).diffuse;
}
