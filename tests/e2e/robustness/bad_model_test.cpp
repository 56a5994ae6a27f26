// Models beyond the game's skinning limit, and a damaged one, through the real
// executable.
#include <gtest/gtest.h>

#include "support/ppm_image.h"
#include "bad_files.h"
#include "support/game_tree.h"
#include "support/output_lines.h"

namespace {

const char* const SkeletonModel = "assets/geometry/magicSkeleton/scene.gltf";
constexpr int SkinningMatrices = 100;

TEST(Robustness, ASkinWithMoreJointsThanSkinningMatricesRefusesTheExtraBones)
{
    GameTree tree;
    tree.useSmallWindow();
    tree.writeFile(SkeletonModel, makeSkinnedGltf(SkinningMatrices + 1));
    const GameRun run = tree.run("--run_headless --filename shot");
    ASSERT_EQ(run.exitStatus, 0) << run.output;
    EXPECT_GE(lineIndex(run.output, "Bone ignored, a model holds at most 100 bones: Joint100"), 0)
        << run.output;
    EXPECT_EQ(linesContaining(run.output, "Bone ignored"), 1) << run.output;
    EXPECT_TRUE(readPpm((tree.root() / "shot.ppm").string()).valid);
}

TEST(Robustness, ASkinWithExactlyOneHundredJointsLoadsWithoutALine)
{
    GameTree tree;
    tree.useSmallWindow();
    tree.writeFile(SkeletonModel, makeSkinnedGltf(SkinningMatrices));
    const GameRun run = tree.run("--run_headless --filename shot");
    ASSERT_EQ(run.exitStatus, 0) << run.output;
    EXPECT_EQ(linesContaining(run.output, "Bone ignored"), 0) << run.output;
}

// The importer crashed on a skin without inverse bind matrices; the game now
// names what is wrong, draws without the model and goes on.
TEST(Robustness, ASkinWithoutInverseBindMatricesCostsTheModelAndOneLine)
{
    GameTree tree;
    tree.useSmallWindow();
    std::string damaged = makeSkinnedGltf(2);
    const std::string binds = R"(,"inverseBindMatrices":3)";
    damaged.erase(damaged.find(binds), binds.size());
    tree.writeFile(SkeletonModel, damaged);
    const GameRun run = tree.run("--run_headless --filename shot");
    ASSERT_EQ(run.exitStatus, 0) << run.output;
    EXPECT_GE(lineIndexMatching(run.output, "ERROR::ASSIMP:: Damaged glTF file ",
                                "scene.gltf: skins[0]: \"inverseBindMatrices\" is missing"),
              0)
        << run.output;
    EXPECT_TRUE(readPpm((tree.root() / "shot.ppm").string()).valid);
}

}  // namespace
