// Every model the game ships under assets/geometry/ loads without a single
// problem line: importer errors, missing or undecodable images, refused bones.
#include <gtest/gtest.h>
#include "support/skip_or_fail.h"

#include <filesystem>
#include <string>
#include <vector>

#include "support/gl_context.h"
#include "scene/model.h"

namespace {

std::vector<std::string> shippedModels()
{
    std::vector<std::string> paths;
    const std::filesystem::path root = std::filesystem::path(KORVEL_PROJECT_DIR) / "assets/geometry";
    if (!std::filesystem::exists(root))
        return paths;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(root)) {
        const std::string extension = entry.path().extension().string();
        if (extension == ".obj" || extension == ".gltf")
            paths.push_back(entry.path().generic_string());
    }
    return paths;
}

TEST(ShippedModels, AllLoadWithoutAnErrorLine)
{
    if (!ensureGlContext())
        SKIP_OR_FAIL(glContextFailure());
    const std::vector<std::string> paths = shippedModels();
    if (paths.empty())
        SKIP_OR_FAIL("no models under assets/geometry yet");
    for (const std::string& path : paths) {
        testing::internal::CaptureStdout();
        const Model model(path, false, 1.0f);
        const std::string output = testing::internal::GetCapturedStdout();
        EXPECT_EQ(output, "") << path;
        EXPECT_FALSE(model.meshes.empty()) << path;
        EXPECT_LE(model.boneCount, MaxBones) << path;
        for (const Mesh& mesh : model.meshes) {
            EXPECT_EQ(mesh.indices.size() % 3, 0u) << path;
            for (const MeshTexture& texture : mesh.textures)
                EXPECT_NE(texture.id, 0u) << path;
        }
    }
}

}  // namespace
