// The animated skeleton: its 20 joints, its skinned mesh in raw model units, and
// its looping animation.
//
// Raw coordinates put the skull top at y -1 and the feet at y -13, so the mesh
// lies wholly below the floor when drawn without bone matrices; the root node lifts
// and scales it onto the floor. The figure faces +z, its left hand is on +x.
#pragma once

#include <glm/gtc/quaternion.hpp>
#include <glm/vec2.hpp>
#include <glm/vec3.hpp>

#include <string>
#include <vector>

struct Joint {
    std::string name;
    int parent = -1;          // index into the joint list; -1 hangs under the root node
    glm::dvec3 bindPosition;  // raw units, relative to the root node
};

struct SkinVertex {
    glm::dvec3 position{0.0};  // raw units
    glm::dvec3 normal{0.0};
    glm::dvec2 uv{0.0};  // v down (the glTF convention)
    int joints[4] = {0, 0, 0, 0};
    double weights[4] = {0, 0, 0, 0};  // sum to 1
};

struct SkinPrimitive {
    std::string material;
    std::vector<SkinVertex> vertices;
    std::vector<unsigned> indices;
};

// Keys of one animated joint; every animated joint has all three kinds.
struct JointTrack {
    int joint = 0;
    std::vector<double> translationTimes, rotationTimes, scaleTimes;  // seconds
    std::vector<glm::dvec3> translations;
    std::vector<glm::dquat> rotations;
    std::vector<glm::dvec3> scales;
};

constexpr double AnimationSeconds = 2.0;

const std::vector<Joint>& skeletonJoints();       // parents before children, joint 0 is Hips
std::vector<SkinPrimitive> skeletonPrimitives();  // "bone" then "sash"
std::vector<JointTrack> skeletonTracks();

// Root node placement measured from the raw mesh so that the capsule the game
// builds (radius extentX/30, height 0.15 extentY) stands on the floor and the
// drawn figure fills it.
struct RootPlacement {
    double scale = 1, liftY = 0;
};
RootPlacement rootPlacementFor(const std::vector<SkinPrimitive>& primitives);
