// The shipped skeleton drawn as the game draws it: the glTF model, its clip and
// player, the skinning program with the frame's uniforms, the model matrix of
// a skeleton resting on the start room floor. Two poses one second apart must
// both show the figure and must not look alike.
#include <gtest/gtest.h>
#include "support/skip_or_fail.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include <GL/glew.h>
#include <glm/gtc/matrix_transform.hpp>
#include <glm/mat3x3.hpp>

#include "app/lighting.h"
#include "framework/asset_search.h"
#include "framework/shader.h"
#include "game/creature_pose.h"
#include "game/level_creatures.h"
#include "game/skeleton.h"
#include "support/gl_context.h"
#include "scene/animation/animation_clip.h"
#include "scene/animation/animation_player.h"
#include "scene/light_grid_texture.h"
#include "scene/model.h"
#include "scene/skinning_program.h"

namespace {

constexpr int TargetSize = 128;
// Where the skeleton's capsule comes to rest in the start room: below its start,
// on the floor (floor 1 + skin 0.1 + radius 0.2 + half height 0.9).
const glm::vec3 RestingCentre{LevelSkeleton.start.x, 2.2f, LevelSkeleton.start.z};
// Turned by 90 degrees the figure faces along x; the camera stands 3 units in
// front of it, level with the middle of its body (the feet reach the floor at
// y = 1, 1.1 above the drawn origin; the head about 3.4).
const glm::vec3 CameraOffset{3.0f, 2.3f, 0.0f};
const glm::vec3 LookOffset{0.0f, 2.3f, 0.0f};
constexpr float FieldOfViewDegrees = 60.0f;
constexpr int ShadowMapUnit = 9;
// A pixel belongs to the figure when any channel is above this (the background is black).
constexpr int FigureThreshold = 2;
// Two pixels differ when a channel differs by more than this.
constexpr int DifferenceThreshold = 8;

using Image = std::vector<std::uint8_t>;

// The whole bound target as RGBA rows, bottom row first.
Image readTarget()
{
    Image pixels(static_cast<std::size_t>(TargetSize * TargetSize * 4));
    glReadPixels(0, 0, TargetSize, TargetSize, GL_RGBA, GL_UNSIGNED_BYTE, pixels.data());
    return pixels;
}

int brightest(const Image& image, std::size_t pixel)
{
    return std::max({image[pixel * 4], image[pixel * 4 + 1], image[pixel * 4 + 2]});
}

int figurePixels(const Image& image)
{
    int count = 0;
    for (std::size_t p = 0; p < image.size() / 4; ++p)
        count += brightest(image, p) > FigureThreshold ? 1 : 0;
    return count;
}

// How many rows lie between the lowest and the highest figure pixel, inclusive.
int figureHeightInRows(const Image& image)
{
    int lowest = TargetSize;
    int highest = -1;
    for (std::size_t p = 0; p < image.size() / 4; ++p) {
        if (brightest(image, p) <= FigureThreshold)
            continue;
        const int row = static_cast<int>(p) / TargetSize;
        lowest = std::min(lowest, row);
        highest = std::max(highest, row);
    }
    return highest < 0 ? 0 : highest - lowest + 1;
}

int differingPixels(const Image& a, const Image& b)
{
    int count = 0;
    for (std::size_t p = 0; p < a.size() / 4; ++p) {
        for (std::size_t c = 0; c < 3; ++c) {
            if (std::abs(int(a[p * 4 + c]) - int(b[p * 4 + c])) > DifferenceThreshold) {
                ++count;
                break;
            }
        }
    }
    return count;
}

class SkeletonRendering : public testing::Test {
protected:
    void SetUp() override
    {
        if (!ensureGlContext())
            SKIP_OR_FAIL(glContextFailure());
        const std::string path = findAssetFile(SkeletonBody.modelFile);
        if (path.empty())
            SKIP_OR_FAIL(SkeletonBody.modelFile << " is not generated yet");
        target = std::make_unique<OffscreenTarget>(TargetSize);
        testing::internal::CaptureStdout();
        skinning = std::make_shared<Shader>("assets/shaders/skinning.vert", "assets/shaders/skinning.frag");
        model = std::make_unique<Model>(path, false, SkeletonBody.scale);
        clip = std::make_unique<AnimationClip>(path, *model);
        loadLines = testing::internal::GetCapturedStdout();
        player = std::make_unique<AnimationPlayer>(clip.get());
        grid = std::make_unique<LightGridTexture>(lightGrid);
        setFrameUniforms();
    }

    // What the frame sets on the skinning program before the skeleton is drawn.
    void setFrameUniforms()
    {
        const glm::mat4 placement =
            creatureMatrix(glm::vec3(RestingCentre.x, RestingCentre.y - SkeletonDrawDrop, RestingCentre.z),
                           LevelSkeleton.headingDegrees);
        const glm::vec3 origin(placement[3]);
        const glm::vec3 eye = origin + CameraOffset;
        const glm::mat4 view = glm::lookAt(eye, origin + LookOffset, glm::vec3(0.0f, 1.0f, 0.0f));
        const glm::mat4 projection = glm::perspective(glm::radians(FieldOfViewDegrees), 1.0f, 0.1f, 100.0f);
        SkinningProgram typed(skinning);
        typed.setLightingConstants(levelLightingConstants());
        typed.setLightGrid(lightGrid);
        Shader& program = *skinning;
        program.setUniform("viewProjMatrix", projection * view);
        program.setUniform("cameraPos", eye);
        // The shadow light's box is moved away: no fragment is shadowed.
        program.setUniform("lightSpaceMatrix", glm::translate(glm::mat4(1.0f), glm::vec3(50.0f)));
        program.setUniform("shadowMap", ShadowMapUnit);
        program.setUniform("enableHaze", 1);
        const glm::mat4 skeletonPlacement = glm::translate(glm::mat4(1.0f), RestingCentre);
        program.setUniform("normalMatrix", glm::transpose(glm::mat3(glm::inverse(skeletonPlacement))));
        program.setUniform("modelMatrix", placement);
    }

    // Uploads the player's current matrices and draws the skeleton into a cleared target.
    Image drawPose()
    {
        Shader& program = *skinning;
        program.use();
        for (int i = 0; i < MaxBones; ++i)
            program.setUniform("finalBonesMatrices[" + std::to_string(i) + "]",
                               player->finalBoneMatrices[static_cast<std::size_t>(i)]);
        target->clear();
        grid->bind();
        model->draw(skinning);
        return readTarget();
    }

    std::unique_ptr<OffscreenTarget> target;
    std::shared_ptr<Shader> skinning;
    std::unique_ptr<Model> model;
    std::unique_ptr<AnimationClip> clip;
    std::unique_ptr<AnimationPlayer> player;
    std::string loadLines;
    LightGrid lightGrid = buildLightGrid(torchLights());
    std::unique_ptr<LightGridTexture> grid;
};

TEST_F(SkeletonRendering, FigureShowsAndMovesBetweenTheFirstKeyAndOneSecondLater)
{
    ASSERT_TRUE(clip->isPlayable) << loadLines;
    ASSERT_FALSE(model->meshes.empty());
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));

    player->advance(0.0f);
    const Image first = drawPose();
    player->advance(1.0f);
    const Image second = drawPose();
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));

    const int total = TargetSize * TargetSize;
    const int firstFigure = figurePixels(first);
    const int secondFigure = figurePixels(second);
    // Thin bones against a black room: a few percent of the frame, never most of it.
    EXPECT_GT(firstFigure, total / 50);
    EXPECT_LT(firstFigure, total / 4);
    EXPECT_GT(secondFigure, total / 50);
    EXPECT_LT(secondFigure, total / 4);
    // A figure of about 2.4 units seen from 3 units fills some 70 % of the
    // frame's height; the raw pose, five times larger, would overflow it.
    for (const Image* image : {&first, &second}) {
        EXPECT_GT(figureHeightInRows(*image), TargetSize * 55 / 100);
        EXPECT_LT(figureHeightInRows(*image), TargetSize * 90 / 100);
    }
    // The pose one second in has moved a visible share of the figure.
    EXPECT_GT(differingPixels(first, second), firstFigure / 10);
}

}  // namespace
