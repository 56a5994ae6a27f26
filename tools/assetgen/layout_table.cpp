#include "layout_table.h"

#include <cmath>

namespace {

constexpr double halfWidth = 2.2;  // corridors are 4.4 wide
constexpr double lineA = 2.45, lineB = 107.45, lineC = 212.45;  // north-south centre lines (x)
constexpr double line1 = -42.5, lineD = -147.5, lineE = -252.5;  // east-west centre lines (z)

// Edges computed from different centre lines must compare equal, so they are
// rounded to the layout's 1 mm grid.
double snap(double v) { return std::round(v * 1000.0) / 1000.0; }

Rect snapped(double x0, double x1, double z0, double z1) { return {snap(x0), snap(x1), snap(z0), snap(z1)}; }

WalkBox northSouth(const char* name, BoxKind kind, double xc, double z0, double z1) {
    return {name, kind, snapped(xc - halfWidth, xc + halfWidth, z0, z1)};
}

WalkBox eastWest(const char* name, BoxKind kind, double x0, double x1, double zc) {
    return {name, kind, snapped(x0, x1, zc - halfWidth, zc + halfWidth)};
}

WalkBox crossing(const char* name, double xc, double zc) {
    return {name, BoxKind::crossing, snapped(xc - halfWidth, xc + halfWidth, zc - halfWidth, zc + halfWidth)};
}

}  // namespace

const std::vector<WalkBox>& walkBoxes() {
    using K = BoxKind;
    static const std::vector<WalkBox> boxes = {
        {"R0", K::room, {-8.8, 8.8, -9.7, 8.8}},
        northSouth("C1", K::route, lineA, line1 + halfWidth, -9.7),
        crossing("JA", lineA, line1),
        eastWest("A-W", K::deadEnd, -48.8, lineA - halfWidth, line1),
        northSouth("A-N", K::deadEnd, lineA, -93.7, line1 - halfWidth),
        eastWest("C2", K::route, lineA + halfWidth, lineB - halfWidth, line1),
        crossing("JB", lineB, line1),
        northSouth("B-N", K::deadEnd, lineB, -93.7, line1 - halfWidth),
        northSouth("B-S", K::deadEnd, lineB, line1 + halfWidth, 8.7),
        eastWest("C3", K::route, lineB + halfWidth, lineC - halfWidth, line1),
        crossing("JC", lineC, line1),
        northSouth("C-S", K::deadEnd, lineC, line1 + halfWidth, 8.7),
        eastWest("C-E", K::deadEnd, lineC + halfWidth, 263.7, line1),
        northSouth("C4", K::route, lineC, lineD + halfWidth, line1 - halfWidth),
        crossing("JD", lineC, lineD),
        eastWest("D-W", K::deadEnd, 161.3, lineC - halfWidth, lineD),
        eastWest("D-E", K::deadEnd, lineC + halfWidth, 263.7, lineD),
        northSouth("C5", K::route, lineC, lineE + halfWidth, lineD - halfWidth),
        crossing("JE", lineC, lineE),
        eastWest("E-W", K::goalBranch, 160.2, lineC - halfWidth, lineE),
        eastWest("E-E", K::deadEnd, lineC + halfWidth, 263.7, lineE),
        northSouth("E-N", K::deadEnd, lineC, -303.7, lineE - halfWidth),
    };
    return boxes;
}

const std::vector<Rect>& pitRects() {
    static const std::vector<Rect> pits = {
        {-3.2, 2.4, 2.9, 7.9},
        snapped(40.0, 42.0, line1 - halfWidth, line1 + halfWidth),
    };
    return pits;
}

const std::vector<Rect>& hazardZones() {
    static const std::vector<Rect> zones = {
        {-48.5, -20.5, -44.5, -40.5}, {0.5, 4.4, -93.4, -72.1},     {105.5, 109.4, -93.4, -72.1},
        {105.5, 109.4, -13.1, 8.4},   {210.5, 214.4, -25.9, 8.4},   {235.6, 263.4, -44.4, -40.5},
        {161.6, 183.2, -149.5, -145.5}, {235.6, 263.4, -149.4, -145.5}, {241.9, 263.4, -254.4, -250.5},
        {210.5, 214.4, -303.4, -283.3},
    };
    return zones;
}

const Rect& goalZone() {
    static const Rect goal = {160.5, 183.2, -254.5, -250.5};
    return goal;
}

const std::vector<GroundPoint>& torchPositions() {
    static const std::vector<GroundPoint> torches = {
        {0.5, -12.6},   {4.4, -12.4},   {0.5, -37.7},   {4.4, -37.7},   {-1.4, -44.4},  {-1.5, -40.6},
        {0.56, -47.4},  {4.36, -47.3},  {6.7, -40.6},   {6.8, -44.4},   {46.1, -44.4},  {46.0, -40.6},
        {74.8, -44.4},  {74.7, -40.6},  {103.6, -44.4}, {103.5, -40.6}, {105.6, -46.7}, {109.4, -46.8},
        {111.9, -44.4}, {111.8, -40.6}, {109.4, -38.5}, {105.6, -38.5}, {152.0, -44.4}, {152.0, -40.6},
        {183.9, -44.4}, {183.9, -40.6}, {208.3, -44.4}, {208.3, -40.6}, {210.5, -46.6}, {214.4, -46.6},
        {216.9, -44.4}, {216.8, -40.6}, {214.4, -37.6}, {210.5, -37.7}, {210.6, -89.5}, {214.4, -89.5},
        {210.6, -118.5}, {214.4, -118.3}, {210.5, -143.5}, {214.4, -143.4}, {207.3, -145.6},
        {207.4, -149.4}, {210.6, -152.0}, {214.4, -151.9}, {216.7, -149.4}, {216.6, -145.6},
        {210.6, -194.9}, {214.4, -194.8}, {210.6, -219.1}, {214.4, -219.1}, {210.6, -247.5},
        {208.6, -250.6}, {208.6, -254.4}, {210.6, -256.8}, {214.4, -256.7}, {216.8, -254.3},
        {8.5, -9.2},    {-8.4, -9.4},   {-8.5, 8.4},    {8.4, 8.5},
    };
    return torches;
}

const std::vector<SpiderPatrol>& spiderPatrols() {
    static const std::vector<SpiderPatrol> spiders = {
        {{56.135, -42.508}, {1, 0}},
        {{161.625, -42.339}, {1, 0}},
        {{212.445, -100.04}, {0, -1}},
        {{212.44, -199.82}, {0, -1}},
    };
    return spiders;
}

const std::vector<GroundPoint>& routeWaypoints() {
    static const std::vector<GroundPoint> route = {
        {4.0, 4.0},     {lineA, 0.0},   {lineA, line1}, {38.5, line1},  {44.0, line1},
        {lineB, line1}, {lineC, line1}, {lineC, lineD}, {lineC, lineE}, {172.0, lineE},
    };
    return route;
}

const GroundPoint& playerStart() {
    static const GroundPoint start = {4.0, 4.0};
    return start;
}

const GroundPoint& winTeleport() {
    static const GroundPoint teleport = {5.0, 5.0};
    return teleport;
}

bool contains(const Rect& r, double x, double z, double tolerance) {
    return x >= r.x0 - tolerance && x <= r.x1 + tolerance && z >= r.z0 - tolerance && z <= r.z1 + tolerance;
}
