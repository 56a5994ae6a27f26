// The committed assets are the generator's output: regenerating into a scratch
// folder must reproduce them byte for byte, and assets/geometry/ and assets/sounds/
// hold nothing else.
#include "asset_paths.h"
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

std::string fileBytes(const fs::path& path) {
    std::ifstream file(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

class Regeneration : public testing::Test {
protected:
    void SetUp() override {
        // Each test runs in a process of its own, often two at a time, and a
        // sanitizer's allocator hands out the same addresses in every process:
        // only the process id and a random number keep the folders apart.
        scratch = fs::temp_directory_path() /
                  ("assetgen-test-" + std::to_string(::getpid()) + "-" + std::to_string(std::random_device{}()));
        fs::remove_all(scratch);
        written = generateAssets(scratch.string());
    }
    void TearDown() override { fs::remove_all(scratch); }

    fs::path scratch;
    std::vector<std::string> written;
};

}  // namespace

TEST_F(Regeneration, ReproducesEveryCommittedFile) {
    ASSERT_FALSE(written.empty());
    for (const std::string& relative : written) {
        const fs::path committed = committedAsset(relative);
        ASSERT_TRUE(fs::exists(committed)) << relative << " is generated but not committed";
        EXPECT_TRUE(fileBytes(scratch / relative) == fileBytes(committed)) << relative << " differs from a fresh run";
    }
}

TEST_F(Regeneration, LeavesNoStrayGeometryOrSoundFiles) {
    for (const char* folder : {"assets/geometry", "assets/sounds"}) {
        for (const auto& entry : fs::recursive_directory_iterator(committedAsset(folder))) {
            if (!entry.is_regular_file()) continue;
            const std::string relative = fs::relative(entry.path(), KORVEL_SOURCE_DIR).generic_string();
            EXPECT_NE(std::find(written.begin(), written.end(), relative), written.end()) << relative << " is not generated";
        }
    }
}

TEST_F(Regeneration, IsDeterministicAcrossRuns) {
    const fs::path second = scratch / "second";
    const std::vector<std::string> again = generateAssets(second.string());
    ASSERT_EQ(again, written);
    for (const std::string& relative : written)
        EXPECT_TRUE(fileBytes(scratch / relative) == fileBytes(second / relative)) << relative;
}
