#include "level_plan.h"

#include <algorithm>
#include <cmath>
#include <tuple>

namespace {

constexpr double EdgeTolerance = 1e-6;
constexpr double ProbeStep = 1e-3;     // how far across an edge a neighbour cell is probed
constexpr double SnapToEndWall = 0.5;  // zone bounds this close to a branch end reach the wall

enum class Cell { Outside, Pit, Floor };

Cell cellAt(double x, double z)
{
    if (!walkBoxAt(x, z))
        return Cell::Outside;
    return insidePit(x, z) ? Cell::Pit : Cell::Floor;
}

Rect branchRect(const Rect& zone)
{
    const WalkBox* box = walkBoxAt((zone.x0 + zone.x1) / 2, (zone.z0 + zone.z1) / 2);
    const Rect& b = box->area;
    const auto reach = [](double bound, double wall) {
        return std::abs(bound - wall) < SnapToEndWall ? wall : bound;
    };
    if (b.x1 - b.x0 > b.z1 - b.z0)
        return {reach(zone.x0, b.x0), reach(zone.x1, b.x1), b.z0, b.z1};
    return {b.x0, b.x1, reach(zone.z0, b.z0), reach(zone.z1, b.z1)};
}

void addSorted(std::vector<double>& values, double v)
{
    if (std::find(values.begin(), values.end(), v) == values.end())
        values.push_back(v);
}

void gridLines(std::vector<double>& xs, std::vector<double>& zs)
{
    std::vector<Rect> rects;
    for (const WalkBox& b : walkBoxes())
        rects.push_back(b.area);
    for (const Rect& r : pitRects())
        rects.push_back(r);
    for (const Rect& r : trapRects())
        rects.push_back(r);
    rects.push_back(goalRect());
    for (const Rect& r : rects) {
        addSorted(xs, r.x0);
        addSorted(xs, r.x1);
        addSorted(zs, r.z0);
        addSorted(zs, r.z1);
    }
    std::sort(xs.begin(), xs.end());
    std::sort(zs.begin(), zs.end());
}

FloorMaterial materialAt(double x, double z)
{
    if (contains(goalRect(), x, z, -EdgeTolerance))
        return FloorMaterial::Goal;
    for (const Rect& r : trapRects())
        if (contains(r, x, z, -EdgeTolerance))
            return FloorMaterial::Trap;
    return FloorMaterial::Stone;
}

// Which kind of wall separates a cell from its neighbour; false when none does.
bool wallSpan(Cell here, Cell other, double& bottom, double& top)
{
    if (here == Cell::Floor && other == Cell::Outside)
        std::tie(bottom, top) = std::make_pair(FloorY, CeilingY);
    else if (here == Cell::Pit && other == Cell::Outside)
        std::tie(bottom, top) = std::make_pair(PitBottomY, CeilingY);
    else if (here == Cell::Pit && other == Cell::Floor)
        std::tie(bottom, top) = std::make_pair(PitBottomY, FloorY);
    else
        return false;
    return true;
}

auto runKey(const WallRun& w)
{
    return std::make_tuple(w.alongX, w.plane, w.facingX, w.facingZ, w.bottomY, w.topY, w.start);
}

std::vector<WallRun> mergeRuns(std::vector<WallRun> pieces)
{
    std::sort(pieces.begin(), pieces.end(),
              [](const WallRun& a, const WallRun& b) { return runKey(a) < runKey(b); });
    std::vector<WallRun> runs;
    for (const WallRun& w : pieces) {
        if (!runs.empty()) {
            WallRun& last = runs.back();
            const bool sameLine = last.alongX == w.alongX && last.plane == w.plane &&
                                  last.facingX == w.facingX && last.facingZ == w.facingZ &&
                                  last.bottomY == w.bottomY && last.topY == w.topY;
            if (sameLine && std::abs(last.end - w.start) < EdgeTolerance) {
                last.end = w.end;
                continue;
            }
        }
        runs.push_back(w);
    }
    return runs;
}

std::vector<FloorRect> mergeAlongZ(std::vector<FloorRect> rects)
{
    const auto key = [](const FloorRect& r) {
        return std::make_tuple(r.area.x0, r.area.x1, r.material, r.area.z0);
    };
    std::sort(rects.begin(), rects.end(),
              [&](const FloorRect& a, const FloorRect& b) { return key(a) < key(b); });
    std::vector<FloorRect> joined;
    for (const FloorRect& r : rects) {
        if (!joined.empty()) {
            FloorRect& p = joined.back();
            if (p.area.x0 == r.area.x0 && p.area.x1 == r.area.x1 && p.material == r.material &&
                std::abs(p.area.z1 - r.area.z0) < EdgeTolerance) {
                p.area.z1 = r.area.z1;
                continue;
            }
        }
        joined.push_back(r);
    }
    std::sort(joined.begin(), joined.end(), [](const FloorRect& a, const FloorRect& b) {
        return std::make_pair(a.area.z0, a.area.x0) < std::make_pair(b.area.z0, b.area.x0);
    });
    return joined;
}

}  // namespace

const WalkBox* walkBoxAt(double x, double z)
{
    for (const WalkBox& b : walkBoxes())
        if (contains(b.area, x, z, -EdgeTolerance))
            return &b;
    return nullptr;
}

bool insidePit(double x, double z)
{
    for (const Rect& r : pitRects())
        if (contains(r, x, z, -EdgeTolerance))
            return true;
    return false;
}

std::vector<Rect> trapRects()
{
    std::vector<Rect> rects;
    for (const Rect& zone : hazardZones())
        rects.push_back(branchRect(zone));
    return rects;
}

Rect goalRect()
{
    return branchRect(goalZone());
}

std::vector<FloorRect> floorRects()
{
    std::vector<double> xs, zs;
    gridLines(xs, zs);
    std::vector<FloorRect> rects;
    for (size_t j = 0; j + 1 < zs.size(); ++j) {
        const double cz = (zs[j] + zs[j + 1]) / 2;
        bool open = false;
        for (size_t i = 0; i + 1 < xs.size(); ++i) {
            const double cx = (xs[i] + xs[i + 1]) / 2;
            if (cellAt(cx, cz) != Cell::Floor) {
                open = false;
                continue;
            }
            const FloorMaterial material = materialAt(cx, cz);
            if (open && rects.back().material == material) {
                rects.back().area.x1 = xs[i + 1];
                continue;
            }
            rects.push_back({{xs[i], xs[i + 1], zs[j], zs[j + 1]}, material});
            open = true;
        }
    }
    return mergeAlongZ(rects);
}

std::vector<WallRun> wallRuns()
{
    std::vector<double> xs, zs;
    gridLines(xs, zs);
    std::vector<WallRun> pieces;
    double bottom = 0, top = 0;
    for (size_t i = 0; i + 1 < xs.size(); ++i) {
        for (size_t j = 0; j + 1 < zs.size(); ++j) {
            const double cx = (xs[i] + xs[i + 1]) / 2, cz = (zs[j] + zs[j + 1]) / 2;
            const Cell here = cellAt(cx, cz);
            if (here == Cell::Outside)
                continue;
            if (wallSpan(here, cellAt(xs[i + 1] + ProbeStep, cz), bottom, top))
                pieces.push_back({false, xs[i + 1], zs[j], zs[j + 1], -1, 0, bottom, top});
            if (wallSpan(here, cellAt(xs[i] - ProbeStep, cz), bottom, top))
                pieces.push_back({false, xs[i], zs[j], zs[j + 1], 1, 0, bottom, top});
            if (wallSpan(here, cellAt(cx, zs[j + 1] + ProbeStep), bottom, top))
                pieces.push_back({true, zs[j + 1], xs[i], xs[i + 1], 0, -1, bottom, top});
            if (wallSpan(here, cellAt(cx, zs[j] - ProbeStep), bottom, top))
                pieces.push_back({true, zs[j], xs[i], xs[i + 1], 0, 1, bottom, top});
        }
    }
    return mergeRuns(pieces);
}
