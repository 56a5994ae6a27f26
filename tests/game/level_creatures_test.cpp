// The four spiders and the skeleton with their real capsules in the real level:
// the map, door, podium and riddle become colliders as the game makes them, and
// each creature is built from the level's own table (game/level_creatures.h):
// its model imported, scaled and measured like the game's, then given its
// capsule by the same set-up call — all without a window.
// Skipped with a message while the level's files are not there.
#include <gtest/gtest.h>
#include "support/skip_or_fail.h"

#include <algorithm>
#include <fstream>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include <glm/geometric.hpp>

#include "game/level_creatures.h"
#include "game/skeleton.h"
#include "game/spider.h"
#include "level_geometry.h"
#include "physics/character_controller.h"
#include "physics/collision_scene.h"
#include "physics/game_position.h"
#include "scene/model_import.h"

namespace {

constexpr float Frame = 1.0f / 60.0f;
// A full patrol (out and home, 8 s) and half of the next one's outward leg.
constexpr int PatrolFrames = 10 * 60;
constexpr float FloorY = 1.0f;
constexpr float Skin = 0.1f;
// Room for float rounding of positions around 200 units from the origin.
constexpr float PositionSlack = 1e-3f;

constexpr const char* LevelFiles[] = {"assets/geometry/map/Map.obj", "assets/geometry/door/Door.obj",
                                      "assets/geometry/podium/Podium.obj",
                                      "assets/geometry/riddle/Riddle.obj"};
// The headings each spider of the table shows on its patrol.
struct SpiderHeadings {
    const char* name;
    float outHeading;   // while walking away from the start
    float homeHeading;  // while walking back
};

const SpiderHeadings Spiders[] = {
    {"spider 1", 0.0f, 180.0f},
    {"spider 2", 0.0f, 180.0f},
    {"spider 3", 90.0f, 270.0f},
    {"spider 4", 90.0f, 270.0f},
};
static_assert(std::size(Spiders) == std::tuple_size_v<decltype(LevelSpiders)>);

bool fileExists(const std::string& path)
{
    return std::ifstream(path).good();
}

// The game's model load without its GPU half: meshes keep no buffers, so the
// scaling touches no GL, then the extents and the capsule come from the model's
// own code with the factors the level gives.
Model creatureModel(const CreatureBody& body, CollisionScene& scene, ControllerManager& manager)
{
    Model model;
    model.controllerRadiusFactor = body.capsuleRadiusFactor;
    model.controllerHeightFactor = body.capsuleHeightFactor;
    ImportedModel imported = importModelFile(projectFile(body.modelFile));
    for (ImportedMesh& source : imported.meshes) {
        Mesh mesh;
        mesh.vertices = std::move(source.vertices);
        mesh.indices = std::move(source.indices);
        model.meshes.push_back(std::move(mesh));
    }
    model.scaleVertices(body.scale);
    model.computeExtents();
    model.setupPhysics(&scene, &manager);
    return model;
}

glm::vec3 centreOf(const Creature& creature)
{
    return toGamePosition(creature.model.controller->getPosition());
}

// One turn of a patrol: where along the axis it happened and the heading after it.
struct Turn {
    float progress;
    float heading;
};

// What one spider did over the run.
struct PatrolRecord {
    int sideContacts = 0;
    std::vector<Turn> turns;
    float widestDrift = 0.0f;  // off the axis, including height
};

class LevelCreatures : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        for (const char* file : LevelFiles) {
            if (!fileExists(projectFile(file)))
                return;
        }
        scene = std::make_unique<CollisionScene>();
        for (const char* file : LevelFiles)
            addToScene(*scene, importMeshes(projectFile(file), LevelScale));
    }

    static void TearDownTestSuite() { scene.reset(); }

    void SetUp() override
    {
        if (!scene)
            SKIP_OR_FAIL("the level is not generated yet: " << projectFile(LevelFiles[0]));
        manager = std::make_unique<ControllerManager>(*scene);
    }

    // The four spiders in the level's order, each with its own capsule, turned
    // as the assembled level turns them.
    std::vector<Spider> makeSpiders()
    {
        std::vector<Spider> spiders;
        spiders.reserve(LevelSpiders.size());
        for (const CreaturePlacement& placement : LevelSpiders) {
            spiders.emplace_back(creatureModel(placement.body, *scene, *manager), placement.start,
                                 placement.patrolAxis, placement.patrolDistance);
            spiders.back().turn(placement.headingDegrees);
        }
        return spiders;
    }

    Skeleton makeSkeleton()
    {
        Skeleton skeleton(creatureModel(LevelSkeleton.body, *scene, *manager), LevelSkeleton.start);
        skeleton.turn(LevelSkeleton.headingDegrees);
        return skeleton;
    }

    static std::unique_ptr<CollisionScene> scene;
    std::unique_ptr<ControllerManager> manager;
};

std::unique_ptr<CollisionScene> LevelCreatures::scene;

// Every spider walks its patrol frame by frame, all of them in the one world as
// in the game; each spider's contacts and turns are kept apart.
std::vector<PatrolRecord> patrolAll(std::vector<Spider>& spiders)
{
    std::vector<PatrolRecord> records(spiders.size());
    for (int frame = 0; frame < PatrolFrames; ++frame) {
        for (std::size_t i = 0; i < spiders.size(); ++i) {
            Spider& spider = spiders[i];
            PatrolRecord& record = records[i];
            const bool wasReversed = spider.reversed;
            record.sideContacts += spider.update(Frame) ? 1 : 0;
            const glm::vec3 offset = centreOf(spider) - spider.startPosition;
            const float progress = glm::dot(offset, spider.patrolAxis);
            const float drift = glm::length(offset - progress * spider.patrolAxis);
            record.widestDrift = std::max(record.widestDrift, drift);
            if (spider.reversed != wasReversed)
                record.turns.push_back({progress, spider.heading});
        }
    }
    return records;
}

TEST_F(LevelCreatures, SpiderCapsulesComeFromTheSpiderModel)
{
    const Model model = creatureModel(SpiderBody, *scene, *manager);
    ASSERT_NE(model.controller, nullptr);
    EXPECT_FLOAT_EQ(model.controller->radius(), model.extentX / 3.0f);
    EXPECT_FLOAT_EQ(model.controller->height(), model.extentY);
    // Hovering at 1.5, the capsule's lowest point plus its skin stays above the floor.
    const float reach = model.controller->height() / 2.0f + model.controller->radius() + Skin;
    EXPECT_LT(reach, LevelSpiders[0].start.y - FloorY);
}

TEST_F(LevelCreatures, SpidersPatrolTheirCorridorsUntouchedAndTurnAtBothEnds)
{
    std::vector<Spider> spiders = makeSpiders();
    for (const Spider& spider : spiders)
        ASSERT_NE(spider.model.controller, nullptr);
    const std::vector<PatrolRecord> records = patrolAll(spiders);
    const float oneStep = SpiderSpeed * Frame + PositionSlack;
    for (std::size_t i = 0; i < records.size(); ++i) {
        const SpiderHeadings& c = Spiders[i];
        const CreaturePlacement& placement = LevelSpiders[i];
        const PatrolRecord& record = records[i];
        SCOPED_TRACE(c.name);
        EXPECT_EQ(record.sideContacts, 0);
        EXPECT_LT(record.widestDrift, PositionSlack);
        ASSERT_EQ(record.turns.size(), 2u);
        EXPECT_GE(record.turns[0].progress, placement.patrolDistance - PositionSlack);
        EXPECT_LE(record.turns[0].progress, placement.patrolDistance + oneStep);
        EXPECT_FLOAT_EQ(record.turns[0].heading, c.homeHeading);
        EXPECT_LE(record.turns[1].progress, PositionSlack);
        EXPECT_GE(record.turns[1].progress, -oneStep);
        EXPECT_FLOAT_EQ(record.turns[1].heading, c.outHeading);
        // Half-way out again on the second patrol.
        EXPECT_FALSE(spiders[i].reversed);
        EXPECT_NEAR(glm::dot(centreOf(spiders[i]) - placement.start, placement.patrolAxis),
                    placement.patrolDistance / 2.0f, oneStep);
        EXPECT_FLOAT_EQ(spiders[i].modelMatrix[3][1], SpiderDrawnHeight);
    }
}

TEST_F(LevelCreatures, SkeletonFallsOntoTheStartRoomFloorAndStays)
{
    Skeleton skeleton = makeSkeleton();
    ASSERT_NE(skeleton.model.controller, nullptr);
    const float radius = skeleton.model.controller->radius();
    const float height = skeleton.model.controller->height();
    const float restY = FloorY + Skin + radius + height / 2.0f;

    // Standing, the skeleton's probe (a zero move) finds no ground and the next
    // frame drops it back onto the floor, so `falling` flips while it rests;
    // its centre must not move for that.
    int landingFrame = -1;
    float lowest = LevelSkeleton.start.y;
    float highestAfterLanding = 0.0f;
    for (int frame = 0; frame < 2 * 60; ++frame) {
        skeleton.update(Frame);
        const float y = centreOf(skeleton).y;
        lowest = std::min(lowest, y);
        if (landingFrame < 0 && frame > 0 && !skeleton.falling)
            landingFrame = frame;
        if (landingFrame >= 0)
            highestAfterLanding = std::max(highestAfterLanding, y);
    }
    ASSERT_GE(landingFrame, 0) << "never found the floor";
    // At 13.81 units per second, 0.8 units take four frames.
    EXPECT_LE(landingFrame, 10);
    const glm::vec3 centre = centreOf(skeleton);
    EXPECT_NEAR(centre.y, restY, 0.002f);
    EXPECT_NEAR(centre.y, 2.2f, 0.05f);
    EXPECT_NEAR(lowest, restY, 0.002f);
    EXPECT_NEAR(highestAfterLanding, restY, 0.002f);
    EXPECT_FLOAT_EQ(centre.x, LevelSkeleton.start.x);
    EXPECT_FLOAT_EQ(centre.z, LevelSkeleton.start.z);
    EXPECT_FLOAT_EQ(skeleton.modelMatrix[3][1], centre.y - SkeletonDrawDrop);
    EXPECT_FLOAT_EQ(skeleton.modelMatrix[3][0], centre.x);
    EXPECT_FLOAT_EQ(skeleton.heading, 90.0f);
}

}  // namespace
