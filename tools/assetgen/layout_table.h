// The level's layout as fixed numbers: walkable boxes, pits, rule zones, torches,
// spider patrols and the route, all in world units (+y up, north is -z).
//
// This is the one place the generator keeps the layout; walls, floor pieces and
// materials are derived from it (level_plan.h). OBJ files hold twice these numbers.
#pragma once

#include <string>
#include <vector>

// Axis-aligned rectangle on the ground plane, world units, bounds inclusive.
struct Rect {
    double x0 = 0, x1 = 0, z0 = 0, z1 = 0;
};

enum class BoxKind { Room, Route, Crossing, DeadEnd, GoalBranch };

// A walkable box with floor at floorY and ceiling at ceilingY.
struct WalkBox {
    std::string name;
    BoxKind kind = BoxKind::Route;
    Rect area;
};

struct GroundPoint {
    double x = 0, z = 0;
};

// A spider's home point and outbound direction (unit, horizontal).
struct SpiderPatrol {
    GroundPoint start;
    GroundPoint axis;
};

constexpr double FloorY = 1.0;
constexpr double CeilingY = 5.0;
constexpr double PitBottomY = -2.0;
constexpr double TorchY = 3.3;
constexpr double PatrolDistance = 40.0;
constexpr double PatrolOvershoot = 1.0;  // one long frame's step beyond either end

const std::vector<WalkBox>& walkBoxes();
const std::vector<Rect>& pitRects();     // lava pit first, then the chasm
const std::vector<Rect>& hazardZones();  // in the order the rules test them
const Rect& goalZone();
const std::vector<GroundPoint>& torchPositions();  // y is torchY
const std::vector<SpiderPatrol>& spiderPatrols();
const std::vector<GroundPoint>& routeWaypoints();
const GroundPoint& playerStart();
const GroundPoint& winTeleport();

bool contains(const Rect& r, double x, double z, double tolerance = 0.0);
