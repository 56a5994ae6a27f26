// loadDDS on files written to a temporary folder: what it hands back, and the one
// console line (or silence) for each kind of unusable file.
#include "dds_bytes.h"
#include "framework/dds.h"

#include <gtest/gtest.h>

#include "support/scratch_folder.h"
#include "support/test_files.h"

#include <algorithm>
#include <filesystem>
#include <iterator>
#include <unistd.h>

namespace {

class LoadDds : public testing::Test {
protected:
    std::string write(const std::vector<std::uint8_t>& bytes)
    {
        const std::string path = folder.path("texture.dds");
        writeBytes(path, bytes);
        return path;
    }

    // Loads `path` and returns what was printed.
    std::string loadQuietly(const std::string& path, DDSImage& image)
    {
        testing::internal::CaptureStdout();
        image = loadDDS(path);
        return testing::internal::GetCapturedStdout();
    }

    const ScratchFolder folder{"korvel-load-dds"};
};

void expectEmpty(const DDSImage& image)
{
    EXPECT_FALSE(image.isLoaded());
    EXPECT_EQ(image.width, 0);
    EXPECT_EQ(image.height, 0);
    EXPECT_EQ(image.size, 0);
    EXPECT_EQ(image.format, 0u);
}

TEST_F(LoadDds, HandsBackOnlyTheBaseLevel)
{
    // 8x8 DXT5 with two stored mip levels behind the 64-byte base level.
    DdsBytesOptions options = fourCcFile(8, 8, "DXT5", 64 + 16 + 16);
    options.linearSize = 96;
    DDSImage image;
    EXPECT_EQ(loadQuietly(write(makeDdsBytes(options)), image), "");
    ASSERT_TRUE(image.isLoaded());
    EXPECT_EQ(image.width, 8);
    EXPECT_EQ(image.height, 8);
    EXPECT_EQ(image.size, 64);
    EXPECT_EQ(image.format, 0x83F3u);
    ASSERT_EQ(image.data.size(), 64u);
    for (std::size_t i = 0; i < image.data.size(); ++i)
        ASSERT_EQ(image.data[i], payloadByte(i)) << "byte " << i;
}

TEST_F(LoadDds, ReadsExtendedHeaderImageFrom148)
{
    DdsBytesOptions options = fourCcFile(4, 4, "DX10", 16);
    options.dxgiFormat = 75;
    DDSImage image;
    EXPECT_EQ(loadQuietly(write(makeDdsBytes(options)), image), "");
    ASSERT_EQ(image.data.size(), 16u);
    EXPECT_EQ(image.format, 0x83F2u);
    EXPECT_EQ(image.data.front(), payloadByte(0));
    EXPECT_EQ(image.data.back(), payloadByte(15));
}

TEST_F(LoadDds, UncompressedFileGetsTheUnsupportedLine)
{
    DdsBytesOptions options = fourCcFile(4, 4, "", 64);
    options.uncompressed = true;
    const std::string path = write(makeDdsBytes(options));
    DDSImage image;
    EXPECT_EQ(loadQuietly(path, image),
              "Unable to load DDS image file [" + path + "] due to an unsupported format.\n");
    expectEmpty(image);
}

TEST_F(LoadDds, MissingFileGetsTheUnableToLoadLine)
{
    const std::string path = folder.path("absent.dds");
    DDSImage image;
    EXPECT_EQ(loadQuietly(path, image), "Unable to load DDS image file from path[" + path + "]\n");
    expectEmpty(image);
}

TEST_F(LoadDds, DamagedHeaderGetsTheUnableToLoadLine)
{
    const std::string path = write(makeDdsBytes(fourCcFile(0, 4, "DXT1", 8)));
    DDSImage image;
    EXPECT_EQ(loadQuietly(path, image), "Unable to load DDS image file from path[" + path + "]\n");
    expectEmpty(image);
}

TEST_F(LoadDds, OtherContainerIsPassedOverSilently)
{
    std::vector<std::uint8_t> bytes = makeDdsBytes(fourCcFile(4, 4, "DXT1", 8));
    const std::uint8_t ktx[] = {0xAB, 'K', 'T', 'X', ' ', '1', '1', 0xBB, '\r', '\n', 0x1A, '\n'};
    std::copy(std::begin(ktx), std::end(ktx), bytes.begin());
    DDSImage image;
    EXPECT_EQ(loadQuietly(write(bytes), image), "");
    expectEmpty(image);
}

// A texture file that holds no image this game knows (a PNG renamed, text, nothing)
// is named, so the player can tell which file to fix.
TEST_F(LoadDds, FilesThatAreNoTextureAtAllGetTheUnableToLoadLine)
{
    const std::vector<std::vector<std::uint8_t>> contents = {
        {},
        {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n', 0, 0, 0, 13, 'I', 'H', 'D', 'R'},
        {'n', 'o', 't', ' ', 'a', ' ', 't', 'e', 'x', 't', 'u', 'r', 'e', '\n'},
    };
    for (const std::vector<std::uint8_t>& bytes : contents) {
        const std::string path = write(bytes);
        DDSImage image;
        EXPECT_EQ(loadQuietly(path, image), "Unable to load DDS image file from path[" + path + "]\n")
            << bytes.size() << " bytes";
        expectEmpty(image);
    }
}

TEST_F(LoadDds, FilesEndingInsideTheBaseLevelAreRejectedWithOneLine)
{
    const std::uint32_t payloads[] = {0, 7, 15};
    for (const std::uint32_t payload : payloads) {
        const std::string path = write(makeDdsBytes(fourCcFile(5, 3, "DXT1", payload)));
        DDSImage image;
        const std::string printed = loadQuietly(path, image);
        EXPECT_NE(printed.find("Unable to load DDS image file [" + path + "]"), std::string::npos) << printed;
        EXPECT_NE(printed.find(std::to_string(128 + payload) + " bytes"), std::string::npos) << printed;
        EXPECT_EQ(std::count(printed.begin(), printed.end(), '\n'), 1) << printed;
        expectEmpty(image);
    }
}

}  // namespace
