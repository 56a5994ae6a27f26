#include "skeleton_rig.h"

#include "mesh_builder.h"
#include "shapes.h"

#include <glm/common.hpp>
#include <glm/geometric.hpp>

#include <algorithm>
#include <cmath>

namespace {

constexpr double Pi = 3.14159265358979323846;
constexpr double ArmTilt = 20.0 * Pi / 180.0;  // arms lowered this far out of vertical
constexpr double UpperArmLength = 2.0, ForearmLength = 2.0;
constexpr double HandReachX = 3.0;  // outer corners of the hands at x = +-3
constexpr double HandHalfWidth = 0.12;
const glm::dvec3 ArmDirectionL(std::sin(ArmTilt), -std::cos(ArmTilt), 0.0);

// Capsule rules the figure is fitted to (world units at scale 1).
constexpr double CapsuleRadiusPerExtentX = 1.0 / 30.0, CapsuleHalfHeightPerExtentY = 0.075;
// The game draws the figure 2.3 below its capsule centre, and the capsule rests one
// contact offset (0.1) above the floor, so the feet belong at model y 2.2 - (r + h/2).
constexpr double DrawnBelowCentre = 2.3, ContactOffset = 0.1;
constexpr double DrawnHeightMargin = 0.2;

enum JointId {
    Hips,
    Spine,
    Chest,
    Neck,
    Head,
    Jaw,
    ShoulderL,
    ShoulderR,
    UpperArmL,
    UpperArmR,
    ForearmL,
    ForearmR,
    HandL,
    HandR,
    ThighL,
    ThighR,
    ShinL,
    ShinR,
    FootL,
    FootR
};

glm::dvec3 mirrored(const glm::dvec3& v)
{
    return {-v.x, v.y, v.z};
}

struct Influence {
    std::vector<int> joints;
    std::vector<double> weights;
};

Influence only(int joint)
{
    return {{joint}, {1.0}};
}
Influence halves(int a, int b)
{
    return {{a, b}, {0.5, 0.5}};
}

// Appends a builder's faces to a primitive as triangles, all bound to one influence.
void appendPiece(SkinPrimitive& primitive, const MeshBuilder& piece, const Influence& influence)
{
    for (const FaceGroup& g : piece.groups()) {
        for (const Face& f : g.faces) {
            for (size_t k = 1; k + 1 < f.corners.size(); ++k) {
                for (size_t c : {size_t(0), k, k + 1}) {
                    SkinVertex v;
                    v.position = f.corners[c].position;
                    v.normal = f.normal;
                    v.uv = {f.corners[c].uv.x, 1.0 - f.corners[c].uv.y};
                    for (size_t s = 0; s < influence.joints.size(); ++s) {
                        v.joints[s] = influence.joints[s];
                        v.weights[s] = influence.weights[s];
                    }
                    primitive.indices.push_back(static_cast<unsigned>(primitive.vertices.size()));
                    primitive.vertices.push_back(v);
                }
            }
        }
    }
}

void boxPiece(SkinPrimitive& p, const glm::dvec3& lo, const glm::dvec3& hi, const Influence& influence)
{
    MeshBuilder piece;
    addBox(piece, p.material, lo, hi);
    appendPiece(p, piece, influence);
}

void barPiece(SkinPrimitive& p, const glm::dvec3& a, const glm::dvec3& b, double halfWidth,
              const Influence& influence)
{
    MeshBuilder piece;
    addBar(piece, p.material, a, b, halfWidth);
    appendPiece(p, piece, influence);
}

glm::dvec3 bind(int joint)
{
    return skeletonJoints()[joint].bindPosition;
}

void addLimbs(SkinPrimitive& bone, double side)
{
    const auto s = [side](const glm::dvec3& v) { return side > 0 ? v : mirrored(v); };
    const int o = side > 0 ? 0 : 1;  // right-side joints follow their left twins
    const glm::dvec3 dir = s(ArmDirectionL);
    // The hand bar's corners stick out by halfWidth * cos(tilt) beyond its axis.
    const double handLength =
        (HandReachX - HandHalfWidth * std::cos(ArmTilt) - bind(HandL).x) / ArmDirectionL.x;
    barPiece(bone, s({0.15, -3.5, 0}), bind(UpperArmL + o), 0.1, only(ShoulderL + o));
    barPiece(bone, bind(UpperArmL + o), bind(ForearmL + o), 0.1, only(UpperArmL + o));
    barPiece(bone, bind(ForearmL + o), bind(HandL + o), 0.08, only(ForearmL + o));
    barPiece(bone, bind(HandL + o), bind(HandL + o) + dir * handLength, HandHalfWidth, only(HandL + o));
    barPiece(bone, bind(ThighL + o), bind(ShinL + o), 0.12, only(ThighL + o));
    barPiece(bone, bind(ShinL + o), bind(FootL + o), 0.1, only(ShinL + o));
    const glm::dvec3 a = s({0.35, -13.0, -0.2}), b = s({0.85, -12.6, 0.7});
    boxPiece(bone, glm::min(a, b), glm::max(a, b), only(FootL + o));
}

SkinPrimitive bonePrimitive()
{
    SkinPrimitive bone{"bone", {}, {}};
    boxPiece(bone, {-0.6, -7.4, -0.3}, {0.6, -6.7, 0.3}, only(Hips));  // first: vertex 0 on joint 0
    boxPiece(bone, {-0.45, -6.7, -0.25}, {0.45, -6.3, 0.25},
             {{Hips, Spine, ThighL, ThighR}, {0.25, 0.25, 0.25, 0.25}});
    barPiece(bone, {0, -6.3, 0}, bind(Chest), 0.18, halves(Spine, Chest));
    boxPiece(bone, {-0.75, -4.8, -0.4}, {0.75, -3.5, 0.4}, only(Chest));
    barPiece(bone, {0, -3.5, 0}, bind(Head), 0.12, halves(Neck, Head));
    boxPiece(bone, {-0.5, -2.6, -0.5}, {0.5, -1.0, 0.55}, only(Head));
    boxPiece(bone, {-0.35, -2.85, 0.0}, {0.35, -2.55, 0.5}, only(Jaw));
    addLimbs(bone, 1.0);
    addLimbs(bone, -1.0);
    return bone;
}

SkinPrimitive sashPrimitive()
{
    SkinPrimitive sash{"sash", {}, {}};
    boxPiece(sash, {-0.7, -7.0, -0.4}, {0.7, -6.7, 0.4}, only(Hips));  // belt; vertex 0 on joint 0
    boxPiece(sash, {-0.35, -8.3, 0.38}, {0.35, -7.0, 0.45}, only(Hips));
    boxPiece(sash, {-0.35, -8.3, -0.45}, {0.35, -7.0, -0.38}, only(Hips));
    return sash;
}

glm::dquat turn(double degrees, const glm::dvec3& axis)
{
    return glm::angleAxis(degrees * Pi / 180.0, axis);
}

// A track whose rotation follows `angles` (degrees about `axis`) at 0, 0.5, 1, 1.5 and 2 s.
JointTrack swing(int joint, const glm::dvec3& axis, const std::vector<double>& angles)
{
    JointTrack t{joint,
                 {0.0, AnimationSeconds},
                 {0.0, 0.5, 1.0, 1.5, AnimationSeconds},
                 {0.0, AnimationSeconds},
                 {},
                 {},
                 {glm::dvec3(1.0), glm::dvec3(1.0)}};
    const Joint& j = skeletonJoints()[joint];
    const glm::dvec3 local = j.bindPosition - (j.parent < 0 ? glm::dvec3(0.0) : bind(j.parent));
    t.translations = {local, local};
    for (double a : angles)
        t.rotations.push_back(turn(a, axis));
    return t;
}

JointTrack pulse(int joint)
{
    JointTrack t = swing(joint, {0, 0, 1}, {0, 0});
    t.rotationTimes = {0.0, AnimationSeconds};
    t.scaleTimes = {0.0, 1.0, AnimationSeconds};
    t.scales = {glm::dvec3(1.0), glm::dvec3(1.3), glm::dvec3(1.0)};
    return t;
}

JointTrack singleKeys(int joint)
{
    JointTrack t = swing(joint, {1, 0, 0}, {8.0});
    t.translationTimes = t.rotationTimes = t.scaleTimes = {0.0};
    t.translations.resize(1);
    t.scales.resize(1);
    return t;
}

}  // namespace

const std::vector<Joint>& skeletonJoints()
{
    static const std::vector<Joint> joints = [] {
        const glm::dvec3 shoulder(1.3, -3.5, 0.0);
        const glm::dvec3 elbow = shoulder + ArmDirectionL * UpperArmLength;
        const glm::dvec3 wrist = elbow + ArmDirectionL * ForearmLength;
        return std::vector<Joint>{
            {"Hips", -1, {0, -7.0, 0}},           {"Spine", Hips, {0, -5.8, 0}},
            {"Chest", Spine, {0, -4.6, 0}},       {"Neck", Chest, {0, -3.3, 0}},
            {"Head", Neck, {0, -2.7, 0}},         {"Jaw", Head, {0, -2.5, 0.25}},
            {"ShoulderL", Chest, {0.3, -3.5, 0}}, {"ShoulderR", Chest, {-0.3, -3.5, 0}},
            {"UpperArmL", ShoulderL, shoulder},   {"UpperArmR", ShoulderR, mirrored(shoulder)},
            {"ForearmL", UpperArmL, elbow},       {"ForearmR", UpperArmR, mirrored(elbow)},
            {"HandL", ForearmL, wrist},           {"HandR", ForearmR, mirrored(wrist)},
            {"ThighL", Hips, {0.55, -7.3, 0}},    {"ThighR", Hips, {-0.55, -7.3, 0}},
            {"ShinL", ThighL, {0.6, -10.2, 0}},   {"ShinR", ThighR, {-0.6, -10.2, 0}},
            {"FootL", ShinL, {0.6, -12.6, 0}},    {"FootR", ShinR, {-0.6, -12.6, 0}},
        };
    }();
    return joints;
}

std::vector<SkinPrimitive> skeletonPrimitives()
{
    return {bonePrimitive(), sashPrimitive()};
}

std::vector<JointTrack> skeletonTracks()
{
    const glm::dvec3 x(1, 0, 0), z(0, 0, 1);
    return {
        swing(Spine, z, {0, 4, 0, -4, 0}),
        swing(Chest, z, {0, -3, 0, 3, 0}),
        swing(Head, x, {0, 8, 0, -6, 0}),
        singleKeys(Jaw),
        swing(ShoulderL, z, {0, 25, 45, 25, 0}),
        swing(ShoulderR, z, {0, -25, -45, -25, 0}),
        swing(ForearmL, x, {0, -30, -55, -30, 0}),
        swing(ForearmR, x, {0, -30, -55, -30, 0}),
        pulse(HandL),
        pulse(HandR),
    };
}

RootPlacement rootPlacementFor(const std::vector<SkinPrimitive>& primitives)
{
    glm::dvec3 lo(1e9), hi(-1e9);
    for (const SkinPrimitive& p : primitives)
        for (const SkinVertex& v : p.vertices) {
            lo = glm::min(lo, v.position);
            hi = glm::max(hi, v.position);
        }
    const double extentX = hi.x - lo.x, extentY = hi.y - lo.y;
    const double reach = extentX * CapsuleRadiusPerExtentX + extentY * CapsuleHalfHeightPerExtentY;
    RootPlacement placement;
    placement.scale = (2.0 * reach + DrawnHeightMargin) / extentY;
    placement.liftY = DrawnBelowCentre - ContactOffset - reach - placement.scale * lo.y;
    return placement;
}
