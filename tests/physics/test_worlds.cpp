#include "test_worlds.h"

#include <cmath>

#include <glm/geometric.hpp>

#include "physics/capsule_geometry.h"

namespace {

constexpr double DegreesToRadians = 3.14159265358979323846 / 180.0;

}  // namespace

TestWorld::TestWorld(const glm::dvec3& origin) : origin(origin) {}

glm::dvec3 TestWorld::at(double x, double y, double z) const
{
    return origin + glm::dvec3(x, y, z);
}

void TestWorld::addQuad(const glm::dvec3& a, const glm::dvec3& b, const glm::dvec3& c, const glm::dvec3& d,
                        const glm::dvec3& facing)
{
    std::vector<glm::vec3> positions{glm::vec3(origin + a), glm::vec3(origin + b), glm::vec3(origin + c),
                                     glm::vec3(origin + d)};
    std::vector<std::uint32_t> indices{0, 1, 2, 0, 2, 3};
    if (glm::dot(windingNormal(a, b, c), facing) < 0.0) {
        indices = {0, 2, 1, 0, 3, 2};
    }
    scene.addStaticMesh(positions, indices);
}

void TestWorld::addFloor(double y, double x0, double x1, double z0, double z1, int cells)
{
    std::vector<glm::vec3> positions;
    std::vector<std::uint32_t> indices;
    const double dx = (x1 - x0) / cells;
    const double dz = (z1 - z0) / cells;
    for (int i = 0; i <= cells; ++i) {
        for (int j = 0; j <= cells; ++j) {
            positions.emplace_back(origin + glm::dvec3(x0 + i * dx, y, z0 + j * dz));
        }
    }
    const auto index = [cells](int i, int j) { return std::uint32_t(i * (cells + 1) + j); };
    // Counter-clockwise seen from above: the winding normal points up.
    for (int i = 0; i < cells; ++i) {
        for (int j = 0; j < cells; ++j) {
            indices.insert(indices.end(), {index(i, j), index(i, j + 1), index(i + 1, j + 1), index(i, j),
                                           index(i + 1, j + 1), index(i + 1, j)});
        }
    }
    scene.addStaticMesh(positions, indices);
}

void TestWorld::addBox(const glm::dvec3& lo, const glm::dvec3& hi)
{
    const glm::dvec3 up(0, 1, 0), east(1, 0, 0), south(0, 0, 1);
    addQuad({lo.x, hi.y, lo.z}, {hi.x, hi.y, lo.z}, {hi.x, hi.y, hi.z}, {lo.x, hi.y, hi.z}, up);
    addQuad({lo.x, lo.y, lo.z}, {hi.x, lo.y, lo.z}, {hi.x, lo.y, hi.z}, {lo.x, lo.y, hi.z}, -up);
    addQuad({hi.x, lo.y, lo.z}, {hi.x, hi.y, lo.z}, {hi.x, hi.y, hi.z}, {hi.x, lo.y, hi.z}, east);
    addQuad({lo.x, lo.y, lo.z}, {lo.x, hi.y, lo.z}, {lo.x, hi.y, hi.z}, {lo.x, lo.y, hi.z}, -east);
    addQuad({lo.x, lo.y, hi.z}, {hi.x, lo.y, hi.z}, {hi.x, hi.y, hi.z}, {lo.x, hi.y, hi.z}, south);
    addQuad({lo.x, lo.y, lo.z}, {hi.x, lo.y, lo.z}, {hi.x, hi.y, lo.z}, {lo.x, hi.y, lo.z}, -south);
}

void TestWorld::addRamp(double x0, double y0, double degrees, double length, double z0, double z1)
{
    const double rise = length * std::tan(degrees * DegreesToRadians);
    addQuad({x0, y0, z0}, {x0 + length, y0 + rise, z0}, {x0 + length, y0 + rise, z1}, {x0, y0, z1},
            glm::dvec3(0, 1, 0));
}

CharacterController* TestWorld::addPlayer(double x, double y, double z)
{
    CapsuleControllerDesc desc;
    desc.position = at(x, y, z);
    desc.radius = PlayerRadius;
    desc.height = PlayerHeight;
    return addController(desc);
}

CharacterController* TestWorld::addController(const CapsuleControllerDesc& desc)
{
    return manager.createController(desc);
}

double TestWorld::relativeY(const CharacterController& controller) const
{
    return controller.getPosition().y - origin.y;
}

std::vector<CollisionFlags> repeatMove(CharacterController& controller, const glm::vec3& displacement,
                                       int count)
{
    std::vector<CollisionFlags> flags;
    for (int i = 0; i < count; ++i) {
        flags.push_back(controller.move(displacement, MinDistance, FrameTime));
    }
    return flags;
}

int countFlag(const std::vector<CollisionFlags>& flags, CollisionFlag flag)
{
    int count = 0;
    for (CollisionFlags f : flags) {
        count += (f & flag) ? 1 : 0;
    }
    return count;
}
