// The committed assets are the generator's output: regenerating into a scratch
// folder must reproduce them byte for byte, and assets/geometry/ and assets/sounds/
// hold nothing else.
#include "support/scratch_folder.h"
#include "support/test_files.h"
#include "asset_set.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>

#include <unistd.h>

namespace fs = std::filesystem;

namespace {

class Regeneration : public testing::Test {
protected:
    void SetUp() override { written = generateAssets(scratch.string()); }

    const ScratchFolder folder{"assetgen-test"};
    const fs::path scratch = folder.root();
    std::vector<std::string> written;
};

}  // namespace

TEST_F(Regeneration, ReproducesEveryCommittedFile)
{
    ASSERT_FALSE(written.empty());
    for (const std::string& relative : written) {
        const fs::path committed = sourceTreePath(relative);
        ASSERT_TRUE(fs::exists(committed)) << relative << " is generated but not committed";
        EXPECT_TRUE(readWholeFile((scratch / relative).string()) == readWholeFile(committed.string()))
            << relative << " differs from a fresh run";
    }
}

TEST_F(Regeneration, LeavesNoStrayGeometryOrSoundFiles)
{
    for (const char* folder : {"assets/geometry", "assets/sounds"}) {
        for (const auto& entry : fs::recursive_directory_iterator(sourceTreePath(folder))) {
            if (!entry.is_regular_file())
                continue;
            const std::string relative = fs::relative(entry.path(), KORVEL_SOURCE_DIR).generic_string();
            EXPECT_NE(std::find(written.begin(), written.end(), relative), written.end())
                << relative << " is not generated";
        }
    }
}

TEST_F(Regeneration, IsDeterministicAcrossRuns)
{
    const fs::path second = scratch / "second";
    const std::vector<std::string> again = generateAssets(second.string());
    ASSERT_EQ(again, written);
    for (const std::string& relative : written)
        EXPECT_TRUE(readWholeFile((scratch / relative).string()) ==
                    readWholeFile((second / relative).string()))
            << relative;
}
