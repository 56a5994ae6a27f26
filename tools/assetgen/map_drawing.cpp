#include "map_drawing.h"

#include "obj_reader.h"
#include "texture_image.h"

#include <glm/common.hpp>

#include <algorithm>
#include <cmath>
#include <iostream>

namespace {

constexpr double MapObjScale = 0.5;
constexpr double PixelsPerUnit = 3.0;
constexpr double MarginUnits = 8.0;
constexpr double FloorHeight = 1.0, HeightTolerance = 0.01;
constexpr double UpFacing = 0.9;

struct Rgb {
    uint8_t r, g, b;
};

const Rgb Background{18, 18, 26}, WallColour{235, 235, 235}, PitWallColour{150, 150, 150};

Rgb floorColour(const std::string& material)
{
    if (material == "trap")
        return {150, 45, 40};
    if (material == "goal")
        return {215, 175, 40};
    return {120, 120, 112};
}

struct Canvas {
    Image image;
    double minX, minZ;

    void dot(int x, int y, const Rgb& c)
    {
        if (x < 0 || y < 0 || x >= image.width || y >= image.height)
            return;
        uint8_t* p = image.at(x, y);
        p[0] = c.r, p[1] = c.g, p[2] = c.b;
    }
    double px(double x) const { return (x - minX) * PixelsPerUnit; }
    double py(double z) const { return (z - minZ) * PixelsPerUnit; }
};

// Fills a triangle's top-down shadow by testing pixel centres against its edges.
void fillTriangle(Canvas& c, const ObjTriangle& t, const Rgb& colour)
{
    double xs[3], ys[3];
    for (int k = 0; k < 3; ++k)
        xs[k] = c.px(t.corners[k].x), ys[k] = c.py(t.corners[k].z);
    const auto edge = [&](int a, int b, double x, double y) {
        return (xs[b] - xs[a]) * (y - ys[a]) - (ys[b] - ys[a]) * (x - xs[a]);
    };
    const int x0 = int(std::floor(std::min({xs[0], xs[1], xs[2]}))),
              x1 = int(std::ceil(std::max({xs[0], xs[1], xs[2]})));
    const int y0 = int(std::floor(std::min({ys[0], ys[1], ys[2]}))),
              y1 = int(std::ceil(std::max({ys[0], ys[1], ys[2]})));
    for (int y = y0; y <= y1; ++y) {
        for (int x = x0; x <= x1; ++x) {
            const double e0 = edge(0, 1, x + 0.5, y + 0.5), e1 = edge(1, 2, x + 0.5, y + 0.5),
                         e2 = edge(2, 0, x + 0.5, y + 0.5);
            if ((e0 >= 0 && e1 >= 0 && e2 >= 0) || (e0 <= 0 && e1 <= 0 && e2 <= 0))
                c.dot(x, y, colour);
        }
    }
}

void drawLine(Canvas& c, const glm::dvec3& a, const glm::dvec3& b, const Rgb& colour)
{
    const double ax = c.px(a.x), ay = c.py(a.z), bx = c.px(b.x), by = c.py(b.z);
    const int steps = int(std::max(std::abs(bx - ax), std::abs(by - ay))) + 1;
    for (int k = 0; k <= steps; ++k)
        c.dot(int(ax + (bx - ax) * k / steps), int(ay + (by - ay) * k / steps), colour);
}

}  // namespace

bool drawMapPicture(const std::string& mapObjPath, const std::string& pngPath)
{
    const std::vector<ObjTriangle> triangles = readObjTriangles(mapObjPath, MapObjScale);
    if (triangles.empty()) {
        std::cerr << "assetgen: no triangles in " << mapObjPath << std::endl;
        return false;
    }
    glm::dvec3 lo(1e9), hi(-1e9);
    for (const ObjTriangle& t : triangles)
        for (const glm::dvec3& p : t.corners)
            lo = glm::min(lo, p), hi = glm::max(hi, p);
    Canvas canvas{Image(int((hi.x - lo.x + 2 * MarginUnits) * PixelsPerUnit),
                        int((hi.z - lo.z + 2 * MarginUnits) * PixelsPerUnit), 3),
                  lo.x - MarginUnits, lo.z - MarginUnits};
    for (int y = 0; y < canvas.image.height; ++y)
        for (int x = 0; x < canvas.image.width; ++x)
            canvas.dot(x, y, Background);
    for (const ObjTriangle& t : triangles) {
        const bool isFloor =
            t.normal().y > UpFacing && std::abs(t.centroid().y - FloorHeight) < HeightTolerance;
        if (isFloor)
            fillTriangle(canvas, t, floorColour(t.material));
    }
    // Walls are vertical: their top-down shadow is the line under their lowest edge.
    for (const ObjTriangle& t : triangles) {
        if (std::abs(t.normal().y) > 1.0 - UpFacing)
            continue;
        const Rgb colour = t.material == "pit" ? PitWallColour : WallColour;
        for (int k = 0; k < 3; ++k)
            drawLine(canvas, t.corners[k], t.corners[(k + 1) % 3], colour);
    }
    writePng(pngPath, canvas.image);
    return true;
}
