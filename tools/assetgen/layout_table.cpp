#include "layout_table.h"

#include <cmath>

namespace {

constexpr double HalfWidth = 2.2;                                // corridors are 4.4 wide
constexpr double LineA = 2.45, LineB = 107.45, LineC = 212.45;   // north-south centre lines (x)
constexpr double Line1 = -42.5, LineD = -147.5, LineE = -252.5;  // east-west centre lines (z)

// Edges computed from different centre lines must compare equal, so they are
// rounded to the layout's 1 mm grid.
double snap(double v)
{
    return std::round(v * 1000.0) / 1000.0;
}

Rect snapped(double x0, double x1, double z0, double z1)
{
    return {snap(x0), snap(x1), snap(z0), snap(z1)};
}

WalkBox northSouth(const char* name, BoxKind kind, double xc, double z0, double z1)
{
    return {name, kind, snapped(xc - HalfWidth, xc + HalfWidth, z0, z1)};
}

WalkBox eastWest(const char* name, BoxKind kind, double x0, double x1, double zc)
{
    return {name, kind, snapped(x0, x1, zc - HalfWidth, zc + HalfWidth)};
}

WalkBox crossing(const char* name, double xc, double zc)
{
    return {name, BoxKind::Crossing, snapped(xc - HalfWidth, xc + HalfWidth, zc - HalfWidth, zc + HalfWidth)};
}

}  // namespace

const std::vector<WalkBox>& walkBoxes()
{
    using K = BoxKind;
    static const std::vector<WalkBox> boxes = {
        {"R0", K::Room, {-8.8, 8.8, -9.7, 8.8}},
        northSouth("C1", K::Route, LineA, Line1 + HalfWidth, -9.7),
        crossing("JA", LineA, Line1),
        eastWest("A-W", K::DeadEnd, -48.8, LineA - HalfWidth, Line1),
        northSouth("A-N", K::DeadEnd, LineA, -93.7, Line1 - HalfWidth),
        eastWest("C2", K::Route, LineA + HalfWidth, LineB - HalfWidth, Line1),
        crossing("JB", LineB, Line1),
        northSouth("B-N", K::DeadEnd, LineB, -93.7, Line1 - HalfWidth),
        northSouth("B-S", K::DeadEnd, LineB, Line1 + HalfWidth, 8.7),
        eastWest("C3", K::Route, LineB + HalfWidth, LineC - HalfWidth, Line1),
        crossing("JC", LineC, Line1),
        northSouth("C-S", K::DeadEnd, LineC, Line1 + HalfWidth, 8.7),
        eastWest("C-E", K::DeadEnd, LineC + HalfWidth, 263.7, Line1),
        northSouth("C4", K::Route, LineC, LineD + HalfWidth, Line1 - HalfWidth),
        crossing("JD", LineC, LineD),
        eastWest("D-W", K::DeadEnd, 161.3, LineC - HalfWidth, LineD),
        eastWest("D-E", K::DeadEnd, LineC + HalfWidth, 263.7, LineD),
        northSouth("C5", K::Route, LineC, LineE + HalfWidth, LineD - HalfWidth),
        crossing("JE", LineC, LineE),
        eastWest("E-W", K::GoalBranch, 160.2, LineC - HalfWidth, LineE),
        eastWest("E-E", K::DeadEnd, LineC + HalfWidth, 263.7, LineE),
        northSouth("E-N", K::DeadEnd, LineC, -303.7, LineE - HalfWidth),
    };
    return boxes;
}

const std::vector<Rect>& pitRects()
{
    static const std::vector<Rect> pits = {
        {-3.2, 2.4, 2.9, 7.9},
        snapped(40.0, 42.0, Line1 - HalfWidth, Line1 + HalfWidth),
    };
    return pits;
}

const std::vector<Rect>& hazardZones()
{
    static const std::vector<Rect> zones = {
        {-48.5, -20.5, -44.5, -40.5},   {0.5, 4.4, -93.4, -72.1},       {105.5, 109.4, -93.4, -72.1},
        {105.5, 109.4, -13.1, 8.4},     {210.5, 214.4, -25.9, 8.4},     {235.6, 263.4, -44.4, -40.5},
        {161.6, 183.2, -149.5, -145.5}, {235.6, 263.4, -149.4, -145.5}, {241.9, 263.4, -254.4, -250.5},
        {210.5, 214.4, -303.4, -283.3},
    };
    return zones;
}

const Rect& goalZone()
{
    static const Rect goal = {160.5, 183.2, -254.5, -250.5};
    return goal;
}

const std::vector<GroundPoint>& torchPositions()
{
    static const std::vector<GroundPoint> torches = {
        {0.5, -12.6},    {4.4, -12.4},    {0.5, -37.7},    {4.4, -37.7},    {-1.4, -44.4},   {-1.5, -40.6},
        {0.56, -47.4},   {4.36, -47.3},   {6.7, -40.6},    {6.8, -44.4},    {46.1, -44.4},   {46.0, -40.6},
        {74.8, -44.4},   {74.7, -40.6},   {103.6, -44.4},  {103.5, -40.6},  {105.6, -46.7},  {109.4, -46.8},
        {111.9, -44.4},  {111.8, -40.6},  {109.4, -38.5},  {105.6, -38.5},  {152.0, -44.4},  {152.0, -40.6},
        {183.9, -44.4},  {183.9, -40.6},  {208.3, -44.4},  {208.3, -40.6},  {210.5, -46.6},  {214.4, -46.6},
        {216.9, -44.4},  {216.8, -40.6},  {214.4, -37.6},  {210.5, -37.7},  {210.6, -89.5},  {214.4, -89.5},
        {210.6, -118.5}, {214.4, -118.3}, {210.5, -143.5}, {214.4, -143.4}, {207.3, -145.6}, {207.4, -149.4},
        {210.6, -152.0}, {214.4, -151.9}, {216.7, -149.4}, {216.6, -145.6}, {210.6, -194.9}, {214.4, -194.8},
        {210.6, -219.1}, {214.4, -219.1}, {210.6, -247.5}, {208.6, -250.6}, {208.6, -254.4}, {210.6, -256.8},
        {214.4, -256.7}, {216.8, -254.3}, {8.5, -9.2},     {-8.4, -9.4},    {-8.5, 8.4},     {8.4, 8.5},
    };
    return torches;
}

const std::vector<SpiderPatrol>& spiderPatrols()
{
    static const std::vector<SpiderPatrol> spiders = {
        {{56.135, -42.508}, {1, 0}},
        {{161.625, -42.339}, {1, 0}},
        {{212.445, -100.04}, {0, -1}},
        {{212.44, -199.82}, {0, -1}},
    };
    return spiders;
}

const std::vector<GroundPoint>& routeWaypoints()
{
    static const std::vector<GroundPoint> route = {
        {4.0, 4.0},     {LineA, 0.0},   {LineA, Line1}, {38.5, Line1},  {44.0, Line1},
        {LineB, Line1}, {LineC, Line1}, {LineC, LineD}, {LineC, LineE}, {172.0, LineE},
    };
    return route;
}

const GroundPoint& playerStart()
{
    static const GroundPoint start = {4.0, 4.0};
    return start;
}

const GroundPoint& winTeleport()
{
    static const GroundPoint teleport = {5.0, 5.0};
    return teleport;
}

bool contains(const Rect& r, double x, double z, double tolerance)
{
    return x >= r.x0 - tolerance && x <= r.x1 + tolerance && z >= r.z0 - tolerance && z <= r.z1 + tolerance;
}
