// The real level: the map, door, podium and riddle imported as the game does it,
// with the player's capsule standing on the route's floors and stopped by walls.
// Skipped with a message while the level's files are not there.
#include <gtest/gtest.h>
#include "support/skip_or_fail.h"

#include <cmath>
#include <fstream>
#include <memory>

#include <glm/geometric.hpp>
#include <glm/vec2.hpp>

#include "level_geometry.h"
#include "physics/character_controller.h"
#include "physics/collision_scene.h"

namespace {

constexpr const char* MapFile = "assets/geometry/map/Map.obj";
constexpr const char* PropFiles[] = {"assets/geometry/door/Door.obj", "assets/geometry/podium/Podium.obj",
                                     "assets/geometry/riddle/Riddle.obj"};
constexpr double FloorY = 1.0;
constexpr double RestY = FloorY + 0.85;  // floor + skin + h/2 + r
constexpr double StartY = 2.5;           // where the game puts the player
constexpr float FrameTime = 1.0f / 60.0f;
constexpr float WalkSpeed = 5.0f;  // units per second
constexpr float Gravity = 13.81f;  // the player's own, units per second squared
constexpr float MinDistance = 0.001f;
constexpr double WallClearance = 0.6;  // radius + skin
constexpr double WallTolerance = 0.01;

bool fileExists(const std::string& path)
{
    return std::ifstream(path).good();
}

// The player's movement: walking plus its own gravity, grounded by DOWN.
struct Walker {
    CharacterController* controller = nullptr;
    float verticalVelocity = 0.0f;
    bool isAirborne = false;

    CollisionFlags step(const glm::vec3& horizontalVelocity)
    {
        if (isAirborne) {
            verticalVelocity -= FrameTime * Gravity;
        }
        glm::vec3 displacement = horizontalVelocity * FrameTime;
        displacement.y = FrameTime * verticalVelocity;
        const CollisionFlags flags = controller->move(displacement, MinDistance, FrameTime);
        isAirborne = !(flags & CollisionDown);
        if (!isAirborne) {
            verticalVelocity = 0.0f;
        }
        return flags;
    }
};

class LevelTest : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        if (!fileExists(projectFile(MapFile))) {
            return;
        }
        scene = std::make_unique<CollisionScene>();
        meshCount = 0;
        colliderCount = 0;
        std::vector<std::string> files{MapFile};
        files.insert(files.end(), std::begin(PropFiles), std::end(PropFiles));
        for (const std::string& file : files) {
            const std::vector<LevelMesh> meshes = importMeshes(projectFile(file), LevelScale);
            meshCount += meshes.size();
            colliderCount += addToScene(*scene, meshes);
        }
    }

    static void TearDownTestSuite() { scene.reset(); }

    void SetUp() override
    {
        if (!scene) {
            SKIP_OR_FAIL("the level is not generated yet: " << projectFile(MapFile) << " is missing");
        }
        manager = std::make_unique<ControllerManager>(*scene);
    }

    void TearDown() override { manager.reset(); }

    Walker addPlayer(double x, double y, double z) { return addCapsule({x, y, z}, 0.5f, 0.5f); }

    Walker addCapsule(const glm::dvec3& centre, float radius, float height)
    {
        CapsuleControllerDesc desc;
        desc.position = centre;
        desc.radius = radius;
        desc.height = height;
        return Walker{manager->createController(desc)};
    }

    static std::unique_ptr<CollisionScene> scene;
    static std::size_t meshCount;
    static std::size_t colliderCount;
    std::unique_ptr<ControllerManager> manager;
};

std::unique_ptr<CollisionScene> LevelTest::scene;
std::size_t LevelTest::meshCount = 0;
std::size_t LevelTest::colliderCount = 0;

TEST_F(LevelTest, EveryMeshBecomesACollider)
{
    EXPECT_GT(meshCount, 0u);
    EXPECT_EQ(colliderCount, meshCount);
}

struct WayPoint {
    const char* name;
    double x;
    double z;
};

// The route's way points of the level plan.
const WayPoint Route[] = {
    {"1 start", 4.0, 4.0},
    {"2 in line with C1", 2.45, 0.0},
    {"3 crossing A", 2.45, -42.5},
    {"4 before the chasm", 38.5, -42.5},
    {"5 past the chasm", 44.0, -42.5},
    {"6 crossing B", 107.45, -42.5},
    {"7 crossing C", 212.45, -42.5},
    {"8 crossing D", 212.45, -147.5},
    {"9 crossing E", 212.45, -252.5},
    {"10 goal zone", 172.0, -252.5},
};

TEST_F(LevelTest, PlayerLandsAndStandsOnEveryRouteFloor)
{
    for (const WayPoint& point : Route) {
        SCOPED_TRACE(point.name);
        Walker player = addPlayer(point.x, StartY, point.z);
        ASSERT_NE(player.controller, nullptr);
        player.isAirborne = true;
        for (int frame = 0; frame < 120 && player.isAirborne; ++frame) {
            player.step(glm::vec3(0.0f));
        }
        EXPECT_FALSE(player.isAirborne);
        EXPECT_NEAR(player.controller->getPosition().y, RestY, 0.002);
        // Standing still: gravity brings DOWN back every other frame, never sinking.
        for (int frame = 0; frame < 60; ++frame) {
            player.step(glm::vec3(0.0f));
        }
        EXPECT_NEAR(player.controller->getPosition().y, RestY, 0.002);
        player.controller->setPosition({point.x, -1000.0, point.z});
    }
}

struct Segment {
    const char* name;
    glm::dvec2 from;  // x, z
    glm::dvec2 to;
};

// Route stretches without a jump; walls stand 2.2 either side of each centre line.
const Segment Walks[] = {
    {"start room to C1", {4.0, 4.0}, {2.45, 0.0}},
    {"C1 to crossing A", {2.45, 0.0}, {2.45, -42.5}},
    {"crossing A to the chasm", {2.45, -42.5}, {38.5, -42.5}},
    {"past the chasm to B", {44.0, -42.5}, {107.45, -42.5}},
    {"B to C", {107.45, -42.5}, {212.45, -42.5}},
    {"C to D", {212.45, -42.5}, {212.45, -147.5}},
    {"D to E", {212.45, -147.5}, {212.45, -252.5}},
    {"E to the goal", {212.45, -252.5}, {172.0, -252.5}},
};

TEST_F(LevelTest, WalkingTheRouteKeepsThePlayerOnTheFloorAndOffTheWalls)
{
    for (const Segment& walk : Walks) {
        SCOPED_TRACE(walk.name);
        Walker player = addPlayer(walk.from.x, RestY, walk.from.y);
        const glm::dvec2 path = walk.to - walk.from;
        const glm::vec3 velocity =
            glm::vec3(float(path.x), 0.0f, float(path.y)) / float(glm::length(path)) * WalkSpeed;
        const int frames = int(glm::length(path) / (WalkSpeed * FrameTime));
        int sides = 0;
        double lowest = RestY;
        for (int frame = 0; frame < frames; ++frame) {
            sides += (player.step(velocity) & CollisionSides) ? 1 : 0;
            lowest = std::min(lowest, player.controller->getPosition().y);
        }
        EXPECT_EQ(sides, 0);
        EXPECT_NEAR(lowest, RestY, 0.002);
        const glm::dvec3 end = player.controller->getPosition();
        EXPECT_LT(glm::length(glm::dvec2(end.x, end.z) - walk.to), 0.1);
        player.controller->setPosition({walk.from.x, -1000.0, walk.from.y});
    }
}

struct WallPush {
    const char* name;
    glm::dvec2 start;  // x, z
    glm::dvec2 push;   // unit direction in x, z
    double wallPlane;  // x or z of the wall, along the push axis
};

TEST_F(LevelTest, WallsStopThePlayerOneSkinAway)
{
    const WallPush pushes[] = {
        {"C1 east wall", {2.45, -20.0}, {1, 0}, 4.65},
        {"C1 west wall", {2.45, -20.0}, {-1, 0}, 0.25},
        {"C2 north wall", {70.0, -42.5}, {0, -1}, -44.7},
        {"C2 south wall", {70.0, -42.5}, {0, 1}, -40.3},
        {"start room south wall", {5.0, 5.0}, {0, 1}, 8.8},
        {"start room east wall", {5.0, 5.0}, {1, 0}, 8.8},
        {"goal branch end wall", {165.0, -252.5}, {-1, 0}, 160.2},
        {"E-N end wall", {212.45, -300.0}, {0, -1}, -303.7},
    };
    for (const WallPush& push : pushes) {
        SCOPED_TRACE(push.name);
        Walker player = addPlayer(push.start.x, RestY, push.start.y);
        const glm::vec3 velocity(float(push.push.x) * WalkSpeed, 0.0f, float(push.push.y) * WalkSpeed);
        CollisionFlags last = 0;
        for (int frame = 0; frame < 180; ++frame) {
            last = player.step(velocity);
        }
        EXPECT_TRUE(last & CollisionSides);
        const glm::dvec3 end = player.controller->getPosition();
        const double along = push.push.x != 0.0 ? end.x : end.z;
        const double expected = push.wallPlane - (push.push.x + push.push.y) * WallClearance;
        EXPECT_NEAR(along, expected, WallTolerance);
        EXPECT_NEAR(end.y, RestY, 0.002);
        player.controller->setPosition({push.start.x, -1000.0, push.start.y});
    }
}

// The spiders' capsule (r 0.2, h 0.3, centre 1.5) is gravity-free and must hover.
TEST_F(LevelTest, SpiderPatrolsWithoutTouchingAndIsStoppedByAWall)
{
    const float patrolStep = 10.0f * FrameTime;
    Walker spider = addCapsule({56.135, 1.5, -42.508}, 0.2f, 0.3f);
    int touches = 0;
    for (int frame = 0; frame < int(40.0f / patrolStep); ++frame) {
        touches += spider.controller->move({patrolStep, 0.0f, 0.0f}, MinDistance, FrameTime) ? 1 : 0;
    }
    EXPECT_EQ(touches, 0);
    EXPECT_EQ(spider.controller->getPosition().y, 1.5);
    EXPECT_NEAR(spider.controller->getPosition().x, 96.135, 0.01);

    CollisionFlags last = 0;
    for (int frame = 0; frame < 30; ++frame) {
        last = spider.controller->move({0.0f, 0.0f, -patrolStep}, MinDistance, FrameTime);
    }
    EXPECT_TRUE(last & CollisionSides);
    EXPECT_NEAR(spider.controller->getPosition().z, -44.7 + 0.3, WallTolerance);
}

// The skeleton's capsule (r 0.2, h 1.8) falls at a constant 13.81 per second.
TEST_F(LevelTest, SkeletonFallsOntoTheStartRoomFloor)
{
    Walker skeleton = addCapsule({-7.0, 3.0, -8.1}, 0.2f, 1.8f);
    CollisionFlags flags = 0;
    for (int frame = 0; frame < 30 && !(flags & CollisionDown); ++frame) {
        flags = skeleton.controller->move({0.0f, -Gravity * FrameTime, 0.0f}, MinDistance, FrameTime);
    }
    EXPECT_TRUE(flags & CollisionDown);
    EXPECT_NEAR(skeleton.controller->getPosition().y, FloorY + 0.1 + 0.2 + 0.9, 0.002);
}

TEST_F(LevelTest, ChasmDropsThePlayerBelowTheFloorRule)
{
    Walker player = addPlayer(41.0, RestY, -42.5);
    for (int frame = 0; frame < 60; ++frame) {
        player.step(glm::vec3(0.0f));
    }
    EXPECT_LE(player.controller->getPosition().y, 0.0);
}

}  // namespace
