// Times the gameplay half of a frame (player, rules, four spiders with damage,
// skeleton) on a flat floor with the game's capsule sizes, and prints the cost.
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <vector>

#define GLFW_INCLUDE_NONE
#include <GLFW/glfw3.h>

#include "game/camera.h"
#include "game/key_input.h"
#include "game/player.h"
#include "game/rules.h"
#include "game/skeleton.h"
#include "game/spider.h"
#include "physics/character_controller.h"
#include "physics/collision_scene.h"

constexpr int FrameCount = 20000;
constexpr float FrameSeconds = 1.0f / 60.0f;
constexpr float FloorHalfSize = 300.0f;

// Holds W and D all the time, so the player walks a long diagonal.
class WalkingKeys : public KeyInput {
public:
    bool isPressed(int key) const override { return key == GLFW_KEY_W || key == GLFW_KEY_D; }
};

static Model capsuleModel(ControllerManager& manager, float radius, float height)
{
    CapsuleControllerDesc desc;
    desc.radius = radius;
    desc.height = height;
    Model model;
    model.controller = manager.createController(desc);
    return model;
}

int main()
{
    CollisionScene scene;
    const float s = FloorHalfSize;
    scene.addStaticMesh({{-s, 0, -s}, {-s, 0, s}, {s, 0, s}, {s, 0, -s}}, {0, 1, 2, 0, 2, 3});
    ControllerManager manager(scene);
    Player player(manager, glm::vec3(4.0f, 1.0f, 4.0f), 0);
    std::vector<Spider> spiders;
    const std::vector<glm::vec3> axes = {{1, 0, 0}, {1, 0, 0}, {0, 0, -1}, {0, 0, -1}};
    for (int i = 0; i < 4; ++i)
        spiders.emplace_back(capsuleModel(manager, 0.6f, 0.8f), glm::vec3(20.0f * i, 1.5f, -40.0f), axes[i],
                             40.0f);
    Skeleton skeleton(capsuleModel(manager, 0.1f, 0.3f), glm::vec3(-7.0f, 3.0f, -8.1f));
    Camera camera;
    const WalkingKeys keys;

    glm::vec3 forward(0.0f);
    int contacts = 0;
    const auto begin = std::chrono::steady_clock::now();
    for (int frame = 0; frame < FrameCount; ++frame) {
        player.update(keys, FrameSeconds, forward);
        forward = viewForward(camera.computeView(player));
        player.refreshPosition();
        applyRules(player);
        if (updateSpiders(spiders, FrameSeconds)) {
            ++contacts;
            applySpiderDamage(player, static_cast<std::int64_t>(frame) * 16'666'667);
        }
        skeleton.update(FrameSeconds);
    }
    const std::chrono::duration<double, std::micro> elapsed = std::chrono::steady_clock::now() - begin;
    std::printf("gameplay frames: %d, spider contacts: %d\n", FrameCount, contacts);
    std::printf("mean gameplay step: %.2f us per frame\n", elapsed.count() / FrameCount);
    return 0;
}
