// Prints what the collision layer costs on the level: building its colliders and
// one controller move (the player walking with its gravity, pushing into a wall,
// and a gravity-free patrolling mover). Figures only; nothing is asserted.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "level_geometry.h"
#include "physics/character_controller.h"
#include "physics/collision_scene.h"
#include "synthetic_level.h"

namespace {

using Clock = std::chrono::steady_clock;

constexpr const char* LevelFiles[] = {"assets/geometry/map/Map.obj", "assets/geometry/door/Door.obj",
                                      "assets/geometry/podium/Podium.obj",
                                      "assets/geometry/riddle/Riddle.obj"};
constexpr int MovesPerCase = 20000;
constexpr float FrameTime = 1.0f / 60.0f;
constexpr float WalkSpeed = 5.0f;
constexpr float Gravity = 13.81f;
constexpr float MinDistance = 0.001f;
constexpr double RestY = 1.85;
constexpr double PatrolLength = 40.0;

double microsecondsSince(Clock::time_point start)
{
    return std::chrono::duration<double, std::micro>(Clock::now() - start).count();
}

std::vector<LevelMesh> loadLevel(bool isSyntheticForced, bool& isReal)
{
    std::vector<LevelMesh> meshes;
    if (!isSyntheticForced && std::ifstream(projectFile(LevelFiles[0])).good()) {
        for (const char* file : LevelFiles) {
            std::vector<LevelMesh> part = importMeshes(projectFile(file), LevelScale);
            meshes.insert(meshes.end(), part.begin(), part.end());
        }
    }
    isReal = !meshes.empty();
    return isReal ? meshes : makeSyntheticLevel();
}

struct Figures {
    double median = 0.0;
    double p90 = 0.0;
    double max = 0.0;
};

Figures summarise(std::vector<double> samples)
{
    std::sort(samples.begin(), samples.end());
    return {samples[samples.size() / 2], samples[samples.size() * 9 / 10], samples.back()};
}

CharacterController* makeController(ControllerManager& manager, const glm::dvec3& at, float radius,
                                    float height)
{
    CapsuleControllerDesc desc;
    desc.position = at;
    desc.radius = radius;
    desc.height = height;
    return manager.createController(desc);
}

// Times `moves` calls of `nextDisplacement(flags of the previous move)`.
template <typename Step>
Figures timeMoves(CharacterController& controller, Step nextDisplacement)
{
    std::vector<double> samples;
    samples.reserve(MovesPerCase);
    CollisionFlags flags = CollisionDown;
    for (int i = 0; i < MovesPerCase; ++i) {
        const glm::vec3 displacement = nextDisplacement(i, flags);
        const Clock::time_point start = Clock::now();
        flags = controller.move(displacement, MinDistance, FrameTime);
        samples.push_back(microsecondsSince(start));
    }
    return summarise(samples);
}

void printFigures(const char* name, const Figures& f)
{
    std::printf("%-40s median %7.2f us   p90 %7.2f us   max %8.2f us\n", name, f.median, f.p90, f.max);
}

}  // namespace

// "--synthetic" measures the stand-in level even when the real one exists.
int main(int argc, char** argv)
{
    const bool isSyntheticForced = argc > 1 && std::string(argv[1]) == "--synthetic";
    bool isReal = false;
    const std::vector<LevelMesh> meshes = loadLevel(isSyntheticForced, isReal);
    std::size_t triangles = 0;
    for (const LevelMesh& mesh : meshes) {
        triangles += mesh.indices.size() / 3;
    }
    CollisionScene scene;
    const Clock::time_point buildStart = Clock::now();
    const std::size_t colliders = addToScene(scene, meshes);
    const double buildMs = microsecondsSince(buildStart) / 1000.0;
    std::printf("level: %s, %zu meshes, %zu colliders, %zu triangles\n",
                isReal ? "assets/geometry (map, door, podium, riddle)" : "synthetic stand-in", meshes.size(),
                colliders, triangles);
    std::printf("collider build: %.1f ms\n", buildMs);

    ControllerManager manager(scene);
    // The player walks back and forth along corridor C2's centre line with its gravity.
    CharacterController* player = makeController(manager, {60.0, RestY, -42.5}, 0.5f, 0.5f);
    float verticalVelocity = 0.0f;
    printFigures("player walking (gravity)", timeMoves(*player, [&](int i, CollisionFlags flags) {
                     verticalVelocity =
                         (flags & CollisionDown) ? 0.0f : verticalVelocity - FrameTime * Gravity;
                     const float direction = (i / 600) % 2 == 0 ? 1.0f : -1.0f;
                     return glm::vec3(direction * WalkSpeed * FrameTime, FrameTime * verticalVelocity, 0.0f);
                 }));
    // The player pushing diagonally into C2's north wall.
    player->setPosition({70.0, RestY, -43.5});
    printFigures("player pushing into a wall", timeMoves(*player, [&](int, CollisionFlags flags) {
                     verticalVelocity =
                         (flags & CollisionDown) ? 0.0f : verticalVelocity - FrameTime * Gravity;
                     return glm::vec3(0.06f, FrameTime * verticalVelocity, -0.06f);
                 }));
    // A spider-sized, gravity-free mover patrolling C3 while hovering above the floor.
    CharacterController* spider = makeController(manager, {161.6, 1.5, -42.3}, 0.2f, 0.5f);
    const float patrolStep = 10.0f * FrameTime;
    const int patrolMoves = int(PatrolLength / patrolStep);
    printFigures("gravity-free patrol", timeMoves(*spider, [&](int i, CollisionFlags) {
                     const float direction = (i / patrolMoves) % 2 == 0 ? 1.0f : -1.0f;
                     return glm::vec3(direction * patrolStep, 0.0f, 0.0f);
                 }));
    std::printf("(%d moves per case)\n", MovesPerCase);
    return 0;
}
