// Model files read ahead: what a model is built from is what reading its files
// on the spot gives, for every use of a repeated path, and whatever the worker
// could not read (a path it did not find, a reader stopped early) is read on
// the spot. Reading prints nothing; the lines wait for the model's build.
#include "scene/model_file_reader.h"

#include <gtest/gtest.h>

#include "framework/asset_search.h"
#include "support/scratch_folder.h"

namespace {

const char* const Door = "assets/geometry/door/Door.obj";
const char* const Map = "assets/geometry/map/Map.obj";
const char* const Riddle = "assets/geometry/riddle/Riddle.obj";

void expectSameFiles(const PreparedModel& read, const std::string& relativePath)
{
    const PreparedModel onTheSpot = prepareModelFiles(findAssetFile(relativePath));
    EXPECT_EQ(read.path, onTheSpot.path);
    ASSERT_TRUE(read.imported.imported) << relativePath;
    ASSERT_EQ(read.imported.meshes.size(), onTheSpot.imported.meshes.size());
    for (std::size_t i = 0; i < read.imported.meshes.size(); ++i)
        EXPECT_EQ(read.imported.meshes[i].indices, onTheSpot.imported.meshes[i].indices) << relativePath;
    ASSERT_EQ(read.textures.size(), onTheSpot.textures.size()) << relativePath;
    for (std::size_t i = 0; i < read.textures.size(); ++i) {
        EXPECT_EQ(read.textures[i].first, onTheSpot.textures[i].first);
        ASSERT_TRUE(read.textures[i].second.image.has_value()) << read.textures[i].first;
        EXPECT_EQ(read.textures[i].second.image->pixels, onTheSpot.textures[i].second.image->pixels);
    }
}

TEST(ModelFileReader, EveryModelGetsTheFilesAReadOnTheSpotGives)
{
    const std::vector<std::string> paths{Riddle, Riddle, Door};
    const ScratchFolder nowhere;
    // From the game's folder the worker finds every file; from an empty folder none.
    for (const std::string& searchFrom : {executableDirectory(), nowhere.root().string()}) {
        ModelFileReader reader(paths, searchFrom);
        for (const std::string& path : paths)
            expectSameFiles(reader.take(path), path);
        expectSameFiles(reader.take(Riddle), Riddle);  // one use more than announced
        expectSameFiles(reader.take(Map), Map);        // never announced
    }
}

TEST(ModelFileReader, AReaderStoppedEarlyLeavesTheRestToBeReadOnTheSpot)
{
    ModelFileReader reader({Map, Door, Riddle}, executableDirectory());
    reader.stop();
    for (const char* path : {Map, Door, Riddle})
        expectSameFiles(reader.take(path), path);
}

TEST(ModelFiles, EachImageIsReadOnceAndAFailureWaitsToBePrinted)
{
    ::testing::internal::CaptureStdout();
    const PreparedModel map = prepareModelFiles(findAssetFile(Map));
    const PreparedModel missing = prepareModelFiles("no/such/model.obj");
    EXPECT_EQ(::testing::internal::GetCapturedStdout(), "");
    // Floor and pit share the stone; the walls add the brick and its normal map.
    ASSERT_EQ(map.textures.size(), 3u);
    EXPECT_NE(map.texture("textures/brick_normal.png"), nullptr);
    EXPECT_EQ(map.texture("textures/none.png"), nullptr);
    EXPECT_FALSE(missing.imported.imported);
    EXPECT_EQ(missing.imported.error.rfind("ERROR::ASSIMP:: ", 0), 0u) << missing.imported.error;
}

}  // namespace
