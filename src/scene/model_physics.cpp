// The collision half of a physics-aware model: static triangle meshes for the
// level's props, one capsule controller for a creature.
#include <cmath>
#include <string>

#include "framework/console.h"
#include "physics/character_controller.h"
#include "physics/collision_scene.h"
#include "scene/model.h"

namespace {

// Capsule behaviour shared by every creature's controller (world units).
constexpr float ControllerContactOffset = 0.1f;
constexpr float ControllerStepOffset = 0.5f;
constexpr float ControllerSlopeLimit = 0.707f;  // cosine of about 45 degrees
// Where a new controller is parked until its creature moves it to its start.
const glm::dvec3 ControllerParkingPosition{5.0, 2.0, 5.0};

std::vector<glm::vec3> positionsOf(const Mesh& mesh)
{
    std::vector<glm::vec3> positions;
    positions.reserve(mesh.vertices.size());
    for (const Vertex& vertex : mesh.vertices)
        positions.push_back(vertex.position);
    return positions;
}

bool extentsAreFinite(const Model& model)
{
    return std::isfinite(model.extentX) && std::isfinite(model.extentY) && std::isfinite(model.extentZ);
}

// One collider per mesh; a mesh that makes none is reported and skipped.
void addStaticColliders(Model& model, CollisionScene& collisionScene)
{
    for (std::size_t i = 0; i < model.meshes.size(); ++i) {
        const Mesh& mesh = model.meshes[i];
        StaticMeshCollider* collider = collisionScene.addStaticMesh(positionsOf(mesh), mesh.indices);
        if (!collider) {
            printLine("Failed to create triangle mesh");
            printErrorLine("Failed to create triangle mesh for mesh: " + std::to_string(i));
            continue;
        }
        printLine("Triangle mesh created successfully");
        model.staticActors.push_back(collider);
        model.staticActor = collider;
    }
}

// A capsule sized from the extents; a model without usable extents (a failed
// import leaves them at negative infinity) gets none.
void addController(Model& model, ControllerManager& controllerManager)
{
    CapsuleControllerDesc desc;
    desc.radius = model.extentX / 3.0f * model.controllerRadiusFactor;
    desc.height = model.extentY * model.controllerHeightFactor;
    desc.contactOffset = ControllerContactOffset;
    desc.stepOffset = ControllerStepOffset;
    desc.slopeLimit = ControllerSlopeLimit;
    if (extentsAreFinite(model) && desc.isValid())
        model.controller = controllerManager.createController(desc);
    if (!model.controller) {
        printErrorLine("Failed to create character controller");
        return;
    }
    model.controller->setPosition(ControllerParkingPosition);
}

}  // namespace

void Model::setupPhysics(CollisionScene* collisionScene, ControllerManager* controllerManager)
{
    scene = collisionScene;
    if (controllerManager) {
        addController(*this, *controllerManager);
        return;
    }
    if (!collisionScene) {
        printErrorLine("No collision scene: the model gets no colliders");
        return;
    }
    addStaticColliders(*this, *collisionScene);
}
