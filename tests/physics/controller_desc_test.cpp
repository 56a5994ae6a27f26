#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "physics/character_controller.h"
#include "physics/collision_scene.h"

namespace {

CapsuleControllerDesc playerDesc()
{
    CapsuleControllerDesc desc;
    desc.position = {4.0, 2.5, 4.0};
    desc.radius = 0.5f;
    desc.height = 0.5f;
    return desc;
}

struct DescCase {
    const char* name;
    void (*change)(CapsuleControllerDesc&);
    bool isValid;
};

TEST(CapsuleControllerDesc, RejectsNonFiniteAndOutOfRangeValues)
{
    constexpr float NaN = std::numeric_limits<float>::quiet_NaN();
    constexpr float Infinity = std::numeric_limits<float>::infinity();
    const DescCase cases[] = {
        {"player settings", [](CapsuleControllerDesc&) {}, true},
        {"no step offset", [](CapsuleControllerDesc& d) { d.stepOffset = 0.0f; }, true},
        {"step offset equal to total height", [](CapsuleControllerDesc& d) { d.stepOffset = 1.5f; }, true},
        {"no slope rule", [](CapsuleControllerDesc& d) { d.slopeLimit = 0.0f; }, true},
        {"zero radius", [](CapsuleControllerDesc& d) { d.radius = 0.0f; }, false},
        {"negative radius", [](CapsuleControllerDesc& d) { d.radius = -0.5f; }, false},
        {"zero height", [](CapsuleControllerDesc& d) { d.height = 0.0f; }, false},
        {"zero skin", [](CapsuleControllerDesc& d) { d.contactOffset = 0.0f; }, false},
        {"negative step offset", [](CapsuleControllerDesc& d) { d.stepOffset = -0.1f; }, false},
        {"step offset above total height", [](CapsuleControllerDesc& d) { d.stepOffset = 1.51f; }, false},
        {"tiny capsule with the usual step",
         [](CapsuleControllerDesc& d) {
             d.radius = 0.05f;
             d.height = 0.1f;
         },
         false},
        {"negative slope limit", [](CapsuleControllerDesc& d) { d.slopeLimit = -0.1f; }, false},
        {"NaN position", [](CapsuleControllerDesc& d) { d.position.y = std::nan(""); }, false},
        {"infinite position",
         [](CapsuleControllerDesc& d) { d.position.x = -std::numeric_limits<double>::infinity(); }, false},
        {"NaN radius", [](CapsuleControllerDesc& d) { d.radius = NaN; }, false},
        {"infinite height", [](CapsuleControllerDesc& d) { d.height = Infinity; }, false},
        {"NaN skin", [](CapsuleControllerDesc& d) { d.contactOffset = NaN; }, false},
        {"NaN step offset", [](CapsuleControllerDesc& d) { d.stepOffset = NaN; }, false},
        {"infinite slope limit", [](CapsuleControllerDesc& d) { d.slopeLimit = Infinity; }, false},
    };
    CollisionScene scene;
    ControllerManager manager(scene);
    std::size_t created = 0;
    for (const DescCase& test : cases) {
        SCOPED_TRACE(test.name);
        CapsuleControllerDesc desc = playerDesc();
        test.change(desc);
        EXPECT_EQ(desc.isValid(), test.isValid);
        CharacterController* controller = manager.createController(desc);
        EXPECT_EQ(controller != nullptr, test.isValid);
        created += test.isValid ? 1 : 0;
        EXPECT_EQ(manager.controllerCount(), created);
    }
}

TEST(CharacterController, KeepsItsDescriptorAndName)
{
    CollisionScene scene;
    ControllerManager manager(scene);
    CharacterController* controller = manager.createController(playerDesc());
    ASSERT_NE(controller, nullptr);
    EXPECT_EQ(controller->getPosition(), glm::dvec3(4.0, 2.5, 4.0));
    EXPECT_EQ(controller->getCollisionFlags(), 0);
    controller->setName("Player");
    EXPECT_EQ(controller->getName(), "Player");
}

}  // namespace
