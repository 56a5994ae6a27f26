#include "physics/character_controller.h"

#include "physics/collision_filters.h"
#include "physics/collision_scene.h"
#include "physics/controller_state.h"

CharacterController::Impl::Impl(CollisionScene& scene, const CapsuleControllerDesc& desc,
                                CharacterController& owner)
    : scene(scene), desc(desc), centre(desc.position), shape(desc.radius, desc.height),
      queries(scene.world(), object, desc.radius, desc.height, desc.contactOffset)
{
    // The capsule's margin is its radius by construction: sweeps then give exact
    // rounded distances, so no margin is set here.
    object.setCollisionShape(&shape);
    object.setCollisionFlags(btCollisionObject::CF_KINEMATIC_OBJECT |
                             btCollisionObject::CF_NO_CONTACT_RESPONSE);
    object.setUserPointer(&owner);
    object.setUserIndex(ControllerTag);
    object.setWorldTransform(btTransform::getIdentity());
    scene.world().addCollisionObject(&object, CharacterFilter, StaticFilter | CharacterFilter);
    syncObject();
}

CharacterController::Impl::~Impl()
{
    scene.world().removeCollisionObject(&object);
}

// Nothing steps the world, so the broadphase only knows the bounds it was last given.
void CharacterController::Impl::syncObject()
{
    object.getWorldTransform().setOrigin(btVector3(
        static_cast<btScalar>(centre.x), static_cast<btScalar>(centre.y), static_cast<btScalar>(centre.z)));
    scene.world().updateSingleAabb(&object);
}

CharacterController::CharacterController(CollisionScene& scene, const CapsuleControllerDesc& desc)
    : impl(std::make_unique<Impl>(scene, desc, *this))
{
}

CharacterController::~CharacterController() = default;

CollisionFlags CharacterController::move(const glm::vec3& displacement, float minDistance,
                                         float /*elapsedTime*/)
{
    return impl->move(glm::dvec3(displacement), static_cast<double>(minDistance));
}

void CharacterController::setPosition(const glm::dvec3& centre)
{
    impl->centre = centre;
    impl->syncObject();
}

const glm::dvec3& CharacterController::getPosition() const
{
    return impl->centre;
}

glm::dvec3 CharacterController::getFootPosition() const
{
    const double drop = 0.5 * static_cast<double>(impl->desc.height) +
                        static_cast<double>(impl->desc.radius) +
                        static_cast<double>(impl->desc.contactOffset);
    return impl->centre - glm::dvec3(0.0, drop, 0.0);
}

CollisionFlags CharacterController::getCollisionFlags() const
{
    return impl->flags;
}

void CharacterController::setName(std::string name)
{
    impl->name = std::move(name);
}

const std::string& CharacterController::getName() const
{
    return impl->name;
}

float CharacterController::radius() const
{
    return impl->desc.radius;
}

float CharacterController::height() const
{
    return impl->desc.height;
}

float CharacterController::contactOffset() const
{
    return impl->desc.contactOffset;
}

ControllerManager::ControllerManager(CollisionScene& scene) : scene(scene) {}

ControllerManager::~ControllerManager() = default;

CharacterController* ControllerManager::createController(const CapsuleControllerDesc& desc)
{
    if (!desc.isValid()) {
        return nullptr;
    }
    controllers.push_back(std::unique_ptr<CharacterController>(new CharacterController(scene, desc)));
    return controllers.back().get();
}

std::size_t ControllerManager::controllerCount() const
{
    return controllers.size();
}

const CharacterController& ControllerManager::controller(std::size_t index) const
{
    return *controllers.at(index);
}
