#include "physics/collider_outlines.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <set>
#include <utility>

#include <glm/gtc/constants.hpp>

#include "physics/character_controller.h"
#include "physics/collision_scene.h"
#include "physics/game_position.h"
#include "physics/static_mesh_collider.h"

namespace {

// Point at `angle` around the vertical axis through `centre`, `radius` out.
glm::vec3 onRing(const glm::vec3& centre, float radius, float angle)
{
    return centre + glm::vec3(radius * std::cos(angle), 0.0f, radius * std::sin(angle));
}

void appendRing(LineList& lines, const glm::vec3& centre, float radius)
{
    const float step = glm::two_pi<float>() / CapsuleOutlineSegments;
    for (int i = 0; i < CapsuleOutlineSegments; ++i) {
        lines.push_back(onRing(centre, radius, step * i));
        lines.push_back(onRing(centre, radius, step * (i + 1)));
    }
}

// Half circle over a hemisphere centred at `centre`, in the vertical plane
// holding `across` (unit, horizontal); `up` is +1 for the top, -1 for the bottom.
void appendArc(LineList& lines, const glm::vec3& centre, float radius, const glm::vec3& across, float up)
{
    const int segments = CapsuleOutlineSegments / 2;
    const float step = glm::pi<float>() / segments;
    auto point = [&](int i) {
        const float angle = step * i;
        return centre + radius * (std::cos(angle) * across + glm::vec3(0.0f, up * std::sin(angle), 0.0f));
    };
    for (int i = 0; i < segments; ++i) {
        lines.push_back(point(i));
        lines.push_back(point(i + 1));
    }
}

void appendMeshEdges(LineList& lines, const StaticMeshCollider& mesh)
{
    std::set<std::pair<std::uint32_t, std::uint32_t>> edges;
    for (std::size_t corner = 0; corner + 2 < mesh.indices.size(); corner += 3) {
        for (int side = 0; side < 3; ++side) {
            const std::uint32_t a = mesh.indices[corner + side];
            const std::uint32_t b = mesh.indices[corner + (side + 1) % 3];
            edges.insert(std::minmax(a, b));
        }
    }
    for (const auto& [a, b] : edges) {
        lines.push_back(mesh.positions[a]);
        lines.push_back(mesh.positions[b]);
    }
}

}  // namespace

void appendCapsuleOutline(LineList& lines, const glm::vec3& centre, float radius, float height)
{
    const glm::vec3 top = centre + glm::vec3(0.0f, 0.5f * height, 0.0f);
    const glm::vec3 bottom = centre - glm::vec3(0.0f, 0.5f * height, 0.0f);
    appendRing(lines, top, radius);
    appendRing(lines, centre, radius);
    appendRing(lines, bottom, radius);
    for (int quarter = 0; quarter < 4; ++quarter) {
        const float angle = glm::half_pi<float>() * quarter;
        lines.push_back(onRing(top, radius, angle));
        lines.push_back(onRing(bottom, radius, angle));
    }
    for (const glm::vec3& across : {glm::vec3(1.0f, 0.0f, 0.0f), glm::vec3(0.0f, 0.0f, 1.0f)}) {
        appendArc(lines, top, radius, across, 1.0f);
        appendArc(lines, bottom, radius, across, -1.0f);
    }
}

LineList staticMeshEdges(const CollisionScene& scene)
{
    LineList lines;
    for (std::size_t i = 0; i < scene.staticMeshCount(); ++i)
        appendMeshEdges(lines, scene.staticMesh(i));
    return lines;
}

ControllerOutlines controllerOutlines(const ControllerManager& controllers)
{
    ControllerOutlines outlines;
    for (std::size_t i = 0; i < controllers.controllerCount(); ++i) {
        const CharacterController& controller = controllers.controller(i);
        const glm::vec3 centre = toGamePosition(controller.getPosition());
        appendCapsuleOutline(outlines.capsules, centre, controller.radius(), controller.height());
        appendCapsuleOutline(outlines.contactOffsets, centre,
                             controller.radius() + controller.contactOffset(), controller.height());
    }
    return outlines;
}
