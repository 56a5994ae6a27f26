// The stored bake's file: read back (on the start-up's worker) as written, and
// refused (so the game bakes afresh) when it is missing, stale, for another
// atlas, altered or cut short.
#include "scene/static_light_file.h"
#include "scene/static_light_prefetch.h"

#include <filesystem>
#include <functional>

#include <gtest/gtest.h>

#include "support/scratch_folder.h"
#include "support/test_files.h"

namespace {

constexpr std::uint64_t Key = 0x1234abcdu;

StaticLightTexels sampleTexels()
{
    StaticLightTexels texels;
    texels.width = 3;
    texels.height = 2;
    for (std::uint16_t i = 0; i < 6 * 4; ++i)
        texels.light.push_back(static_cast<std::uint16_t>(0x3c00 + i));
    for (std::uint16_t i = 0; i < 6 * 3; ++i)
        texels.torches.push_back(static_cast<std::uint16_t>(63 + 64 * i));
    return texels;
}

TEST(StaticLightFile, AWrittenFileIsReadBackForItsKeyAndSize)
{
    const ScratchFolder folder;
    const std::string path = folder.path("cache/static_light.bin");  // the folder is made
    ASSERT_TRUE(writeStaticLightFile(path, Key, sampleTexels()));
    const auto read = StaticLightPrefetch(path).take(Key, 3, 2);
    ASSERT_TRUE(read.has_value());
    EXPECT_EQ(read->light, sampleTexels().light);
    EXPECT_EQ(read->torches, sampleTexels().torches);
    EXPECT_FALSE(std::filesystem::exists(path + ".tmp0"));
}

TEST(StaticLightFile, AStaleDamagedOrShortFileIsRefused)
{
    const ScratchFolder folder;
    const std::string path = folder.path("static_light.bin");
    ASSERT_TRUE(writeStaticLightFile(path, Key, sampleTexels()));
    const std::string good = readWholeFile(path);
    const std::size_t header = good.size() - (6 * 4 + 6 * 3) * 2;
    struct Case {
        const char* what;
        std::function<void(std::string&)> damage;
        std::uint64_t key;
        int width;
    };
    const Case cases[] = {
        {"another key", [](std::string&) {}, Key + 1, 3},
        {"another atlas size", [](std::string&) {}, Key, 4},
        {"a texel altered", [header](std::string& bytes) { bytes[header + 5] ^= 1; }, Key, 3},
        {"the key altered", [](std::string& bytes) { bytes[24] ^= 1; }, Key, 3},
        {"cut short", [](std::string& bytes) { bytes.pop_back(); }, Key, 3},
        {"a byte too many", [](std::string& bytes) { bytes.push_back('\0'); }, Key, 3},
        // A header asking for billions of texels is refused before any are made.
        {"a huge width", [](std::string& bytes) { bytes[15] = '\x7f'; }, Key, 3},
        {"a huge atlas", [](std::string& bytes) { bytes.replace(12, 8, std::string("\0\0\1\0\0\0\1\0", 8)); },
         Key, 3},
        {"not ours", [](std::string& bytes) { bytes[0] = 'X'; }, Key, 3},
        {"empty", [](std::string& bytes) { bytes.clear(); }, Key, 3},
    };
    for (const Case& c : cases) {
        std::string bytes = good;
        c.damage(bytes);
        writeWholeFile(path, bytes);
        EXPECT_FALSE(StaticLightPrefetch(path).take(c.key, c.width, 2).has_value()) << c.what;
    }
    EXPECT_FALSE(StaticLightPrefetch(folder.path("missing.bin")).take(Key, 3, 2).has_value());
    EXPECT_FALSE(StaticLightPrefetch("").take(Key, 3, 2).has_value());
    EXPECT_FALSE(writeStaticLightFile(path, Key, StaticLightTexels{}));
}

TEST(StaticLightFile, TheKeyTellsApartWhatWentIn)
{
    StaticLightKey ab, a_b, abAgain;
    ab.add(std::string("ab"));
    a_b.add(std::string("a"));
    a_b.add(std::string("b"));
    abAgain.add(std::string("ab"));
    EXPECT_NE(ab.value(), a_b.value());
    EXPECT_EQ(ab.value(), abAgain.value());
    // The game's build takes part in every key. Where it cannot be read (only
    // the Linux build reads its own), nothing is stored: every start bakes.
#ifdef __linux__
    EXPECT_FALSE(executableBuildId().empty());
#else
    EXPECT_EQ(staticLightCachePath(), "");
#endif
}

}  // namespace
