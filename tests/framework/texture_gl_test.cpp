// Texture upload on a real (software) GL context: run under Xvfb. Checks what the
// GL holds afterwards, not just that nothing failed.
#include "dds_bytes.h"
#include "framework/asset_search.h"
#include "framework/texture.h"

#include "support/gl_test.h"
#include "support/scratch_folder.h"
#include "support/test_files.h"

#include <filesystem>
#include <unistd.h>

namespace {

GLint levelParameter(GLint level, GLenum name)
{
    GLint value = -1;
    glGetTexLevelParameteriv(GL_TEXTURE_2D, level, name, &value);
    return value;
}

GLint textureParameter(GLenum name)
{
    GLint value = -1;
    glGetTexParameteriv(GL_TEXTURE_2D, name, &value);
    return value;
}

class TextureUpload : public GlTest {
protected:
    void SetUp() override
    {
        GlTest::SetUp();
        if (IsSkipped() || HasFatalFailure())
            return;
        ASSERT_TRUE(GLEW_EXT_texture_compression_s3tc) << "the GL cannot take S3TC blocks";
    }
    void TearDown() override
    {
        if (window == nullptr)
            return;
        EXPECT_EQ(glGetError(), GLenum(GL_NO_ERROR));
    }

    std::string write(const DdsBytesOptions& options)
    {
        const std::string path = folder.path("texture.dds");
        writeBytes(path, makeDdsBytes(options));
        return path;
    }

    const ScratchFolder folder{"korvel-texture-gl"};
};

struct MipCase {
    const char* name;
    DdsBytesOptions file;
    GLint glFormat;
    GLint baseLevelBytes;
    GLint lastLevel;  // floor(log2(max(w, h)))
};

const MipCase MipCases[] = {
    {"Dxt5Square256", fourCcFile(256, 256, "DXT5", 65536 + 16384), 0x83F3, 65536, 8},
    {"Dxt1OddFiveByThree", fourCcFile(5, 3, "DXT1", 16), 0x83F1, 16, 2},
    {"Dxt3Tall4x32", fourCcFile(4, 32, "DXT3", 128), 0x83F2, 128, 5},
};

void PrintTo(const MipCase& c, std::ostream* out)
{
    *out << c.name;
}

class TextureMipChain : public TextureUpload, public testing::WithParamInterface<MipCase> {};

TEST_P(TextureMipChain, UploadsBaseLevelAndGeneratesTheRest)
{
    const MipCase& c = GetParam();
    const std::shared_ptr<Texture> texture = Texture::fromFile(write(c.file));
    ASSERT_TRUE(texture->valid);
    GLint bound = 0;
    glGetIntegerv(GL_TEXTURE_BINDING_2D, &bound);
    EXPECT_EQ(GLuint(bound), texture->handle);

    EXPECT_EQ(levelParameter(0, GL_TEXTURE_INTERNAL_FORMAT), c.glFormat);
    EXPECT_EQ(levelParameter(0, GL_TEXTURE_COMPRESSED_IMAGE_SIZE), c.baseLevelBytes);
    EXPECT_EQ(levelParameter(0, GL_TEXTURE_WIDTH), GLint(c.file.width));
    EXPECT_EQ(levelParameter(c.lastLevel, GL_TEXTURE_WIDTH), 1);
    EXPECT_EQ(levelParameter(c.lastLevel, GL_TEXTURE_HEIGHT), 1);
    EXPECT_EQ(levelParameter(c.lastLevel + 1, GL_TEXTURE_WIDTH), 0);
}

INSTANTIATE_TEST_SUITE_P(Formats, TextureMipChain, testing::ValuesIn(MipCases),
                         [](const testing::TestParamInfo<MipCase>& info) { return info.param.name; });

TEST_F(TextureUpload, SetsFilteringAndWrapping)
{
    const std::shared_ptr<Texture> texture = Texture::fromFile(write(fourCcFile(8, 8, "DXT1", 32)));
    ASSERT_TRUE(texture->valid);
    EXPECT_EQ(textureParameter(GL_TEXTURE_MIN_FILTER), GL_LINEAR_MIPMAP_LINEAR);
    EXPECT_EQ(textureParameter(GL_TEXTURE_MAG_FILTER), GL_LINEAR);
    EXPECT_EQ(textureParameter(GL_TEXTURE_WRAP_R), GL_REPEAT);
    EXPECT_EQ(textureParameter(GL_TEXTURE_WRAP_S), GL_REPEAT);
    EXPECT_EQ(textureParameter(GL_TEXTURE_WRAP_T), GL_REPEAT);
}

TEST_F(TextureUpload, ExtendedHeaderBlocksArriveUnshifted)
{
    DdsBytesOptions options = fourCcFile(8, 4, "DX10", 32);
    options.dxgiFormat = 78;
    const std::shared_ptr<Texture> texture = Texture::fromFile(write(options));
    ASSERT_TRUE(texture->valid);
    EXPECT_EQ(levelParameter(0, GL_TEXTURE_INTERNAL_FORMAT), 0x83F3);
    std::vector<std::uint8_t> stored(32, 0);
    glGetCompressedTexImage(GL_TEXTURE_2D, 0, stored.data());
    for (std::size_t i = 0; i < stored.size(); ++i)
        ASSERT_EQ(stored[i], payloadByte(i)) << "byte " << i;
}

TEST_F(TextureUpload, UnsupportedFileLeavesNoGlObject)
{
    DdsBytesOptions options = fourCcFile(4, 4, "", 64);
    options.uncompressed = true;
    GLint boundBefore = 0;
    glGetIntegerv(GL_TEXTURE_BINDING_2D, &boundBefore);
    testing::internal::CaptureStdout();
    const std::shared_ptr<Texture> texture = Texture::fromFile(write(options));
    testing::internal::GetCapturedStdout();
    EXPECT_FALSE(texture->valid);
    EXPECT_EQ(texture->handle, 0u);
    GLint boundAfter = 0;
    glGetIntegerv(GL_TEXTURE_BINDING_2D, &boundAfter);
    EXPECT_EQ(boundAfter, boundBefore);
}

TEST_F(TextureUpload, LastOwnerDeletesTheGlTexture)
{
    std::shared_ptr<Texture> texture = Texture::fromFile(write(fourCcFile(4, 4, "DXT1", 8)));
    ASSERT_TRUE(texture->valid);
    const GLuint handle = texture->handle;
    EXPECT_EQ(glIsTexture(handle), GL_TRUE);
    std::shared_ptr<Texture> secondOwner = texture;
    texture.reset();
    EXPECT_EQ(glIsTexture(handle), GL_TRUE);
    secondOwner.reset();
    EXPECT_EQ(glIsTexture(handle), GL_FALSE);
}

// The game's constructor finds its file through the asset search, which starts in
// the test executable's own folder; a uniquely named folder there keeps it unambiguous.
TEST_F(TextureUpload, GameConstructorResolvesPathThroughAssetSearch)
{
    const std::string relativeFolder = "korvel_texture_probe_" + std::to_string(::getpid());
    const std::filesystem::path probeFolder = std::filesystem::path(executableDirectory()) / relativeFolder;
    std::filesystem::create_directories(probeFolder);
    writeBytes((probeFolder / "probe.dds").string(), makeDdsBytes(fourCcFile(16, 16, "DXT5", 256)));
    const auto texture = std::make_shared<Texture>(relativeFolder + "/probe.dds");
    std::filesystem::remove_all(probeFolder);
    ASSERT_TRUE(texture->valid);
    EXPECT_EQ(levelParameter(4, GL_TEXTURE_WIDTH), 1);
}

}  // namespace
