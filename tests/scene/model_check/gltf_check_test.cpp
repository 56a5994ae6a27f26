// Damaged glTF models are refused before the importer follows their
// references: each case breaks one thing in a small valid skinned (and
// animated) triangle, while what the format allows and the importer reads
// safely passes. The files under the fuzzer's regressions are fed back
// through the real import, which crashed, hung or asked for gigabytes on
// every one of them.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "scene/model_check/gltf_check.h"
#include "scene/model_check/gltf_checker.h"
#include "scene/model_check/json_document.h"
#include "support/scratch_folder.h"
#include "support/test_files.h"
#include "scene/model_import.h"

namespace fs = std::filesystem;

namespace {

using model_check::MaxFreeNestingDepth;
using model_check::MaxJsonDepth;

// The animated, skinned seed: nodes Root > {Body (mesh 0, skin 0), Hip > Knee},
// accessors 0..6 (positions, indices, joints, weights, 2 inverse binds, 2 key
// times, 2 rotations of Knee), one view each, in one 272-byte buffer.
const std::string& animatedSkin()
{
    static const std::string text =
        readWholeFile(sourceTreePath("fuzz/corpus/model_gltf_fuzz/animated_skin.gltf"));
    return text;
}

std::string replaced(std::string text, const std::string& from, const std::string& to)
{
    const std::size_t at = text.find(from);
    EXPECT_NE(at, std::string::npos) << "the seed no longer holds " << from;
    return at == std::string::npos ? text : text.replace(at, from.size(), to);
}

std::string compact(const std::string& json)
{
    std::string out;
    bool inString = false;
    for (const char c : json) {
        if (c == '"')
            inString = !inString;
        if (inString || (c != ' ' && c != '\n'))
            out += c;
    }
    return out;
}

struct DamageCase {
    const char* name;
    const char* from;  // in the compacted seed
    const char* to;
    const char* problem;
};

void PrintTo(const DamageCase& value, std::ostream* out)
{
    *out << value.name;
}

class GltfDamage : public testing::TestWithParam<DamageCase> {};

TEST(GltfCheck, TheUndamagedSeedPasses)
{
    ASSERT_FALSE(animatedSkin().empty());
    const auto problem = findUnsafeGltfContent(compact(animatedSkin()));
    EXPECT_FALSE(problem.has_value()) << *problem;
}

TEST_P(GltfDamage, IsRefusedWithWhatIsWrong)
{
    const std::string damaged = replaced(compact(animatedSkin()), GetParam().from, GetParam().to);
    const auto problem = findUnsafeGltfContent(damaged);
    ASSERT_TRUE(problem.has_value());
    EXPECT_EQ(*problem, GetParam().problem);
}

INSTANTIATE_TEST_SUITE_P(
    Robustness, GltfDamage,
    testing::Values(
        DamageCase{"NodeUnderTwoParents", "\"children\":[3]", "\"children\":[3,1]",
                   "nodes[1]: has more than one parent"},
        DamageCase{"SkinWithoutInverseBinds", ",\"inverseBindMatrices\":4", "",
                   "skins[0]: \"inverseBindMatrices\" is missing"},
        DamageCase{"FewerInverseBindsThanJoints", "\"count\":2,\"type\":\"MAT4\"",
                   "\"count\":1,\"type\":\"MAT4\"",
                   "skins[0].inverseBindMatrices: fewer matrices than joints"},
        DamageCase{"JointsWithoutWeights", ",\"WEIGHTS_0\":3", "",
                   "meshes[0].primitives[0].attributes.JOINTS_0: has no matching WEIGHTS_0"},
        DamageCase{"JointsShortOfTheVertices", "\"count\":3,\"type\":\"VEC4\"}",
                   "\"count\":2,\"type\":\"VEC4\"}",
                   "meshes[0].primitives[0].attributes.JOINTS_0: does not have one value per vertex"},
        DamageCase{
            "PositionsFromTheIndices", "\"POSITION\":0", "\"POSITION\":1",
            "meshes[0].primitives[0].attributes.POSITION: accessor 1 has the wrong type (SCALAR of 5123)"},
        DamageCase{"BoundsOfTheWrongLength", "\"max\":[1,1,0]", "\"max\":[1,0]",
                   "accessors[0].max: not 3 numbers"},
        DamageCase{"AccessorPastItsView", "\"count\":3,\"type\":\"VEC3\"", "\"count\":4,\"type\":\"VEC3\"",
                   "accessors[0]: reaches past the end of its buffer view"},
        DamageCase{"ViewPastItsBuffer", "\"byteOffset\":240,\"byteLength\":32",
                   "\"byteOffset\":244,\"byteLength\":32",
                   "bufferViews[6]: reaches past the end of its buffer"},
        DamageCase{"BufferLongerThanItsData", "\"byteLength\":272", "\"byteLength\":276",
                   "buffers[0].uri: damaged or shorter than byteLength"},
        DamageCase{"DataUriNotBase64", "base64,AAAA", "base64,A*AA",
                   "buffers[0].uri: damaged or shorter than byteLength"},
        DamageCase{"MeshThatDoesNotExist", "\"mesh\":0", "\"mesh\":1",
                   "nodes[1].mesh: not an index into meshes (it has 1)"},
        DamageCase{"IndexWrittenAsAFraction", "\"mesh\":0", "\"mesh\":0.0",
                   "nodes[1].mesh: a whole number written with a fraction or exponent, which the importer "
                   "does not read"},
        DamageCase{"ByteOffsetWithoutAView", "{\"bufferView\":0,", "{\"byteOffset\":0,",
                   "accessors[0].byteOffset: given without a bufferView"},
        DamageCase{"PrimitiveWithoutAttributes", "\"POSITION\":0,\"JOINTS_0\":2,\"WEIGHTS_0\":3", "",
                   "meshes[0].primitives[0].attributes: missing or empty"},
        // The importer animates another node with such a channel.
        DamageCase{"ChannelWithoutItsNode", "\"node\":3,", "",
                   "animations[0].channels[0].target: \"node\" is missing"},
        DamageCase{"InterpolationNotAName", "\"interpolation\":\"LINEAR\"", "\"interpolation\":1",
                   "animations[0].channels[0] (sampler 0).interpolation: not a string"},
        DamageCase{"NegativeIndex", "\"source\":0", "\"source\":-1",
                   "textures[0].source: not an index into images (it has 1)"},
        DamageCase{"IndicesNotWholeTriangles", "\"count\":3,\"type\":\"SCALAR\"",
                   "\"count\":2,\"type\":\"SCALAR\"",
                   "meshes[0].primitives[0]: its vertex or index count does not fit its mode"},
        DamageCase{"SkinOnANodeWithoutMesh", "\"mesh\":0,", "", "nodes[1]: has a skin but no mesh"},
        DamageCase{"AnimationOutputShort", "\"count\":2,\"type\":\"VEC4\"", "\"count\":1,\"type\":\"VEC4\"",
                   "animations[0].channels[0] (sampler 0).output: fewer values than key times"},
        DamageCase{"AnimationOfAMissingNode", "\"node\":3", "\"node\":4",
                   "animations[0].channels[0].target.node: not an index into nodes (it has 4)"},
        DamageCase{"AnimationOfAnUnknownPath", "\"path\":\"rotation\"", "\"path\":\"colour\"",
                   "animations[0].channels[0].target.path: not translation, rotation, scale or weights"},
        DamageCase{"FirstVersionFile", "\"version\":\"2.0\"", "\"version\":\"1.0\"",
                   "asset.version: only glTF 2.x files are read"},
        DamageCase{"TrailingComma", "\"scene\":0,", "\"scene\":0,,",
                   "not valid JSON (missing a name for object member at byte 37)"}),
    [](const testing::TestParamInfo<DamageCase>& info) { return info.param.name; });

// What glTF 2.0 allows and the importer reads without harm passes, even where
// the importer then refuses the file with its own message.
struct AllowedCase {
    const char* name;
    const char* from;  // in the compacted seed
    const char* to;
};

void PrintTo(const AllowedCase& value, std::ostream* out)
{
    *out << value.name;
}

class GltfAllowed : public testing::TestWithParam<AllowedCase> {};

TEST_P(GltfAllowed, Passes)
{
    const auto problem =
        findUnsafeGltfContent(replaced(compact(animatedSkin()), GetParam().from, GetParam().to));
    EXPECT_FALSE(problem.has_value()) << *problem;
}

// Zero-filled positions whose first two vertices the sparse part patches with
// the first six weights (0.5, 0.5, 0, 0, 0.5, 0.5): the first two indices name them.
const char* const SparsePositions =
    R"({"componentType":5126,"count":3,"type":"VEC3","sparse":{"count":2,)"
    R"("indices":{"bufferView":1,"componentType":5123},"values":{"bufferView":3}})";

INSTANTIATE_TEST_SUITE_P(
    Robustness, GltfAllowed,
    testing::Values(
        AllowedCase{"SparseAccessorWithoutAView",
                    "{\"bufferView\":0,\"componentType\":5126,\"count\":3,\"type\":\"VEC3\"",
                    SparsePositions},
        AllowedCase{"AccessorWithoutAView", "\"bufferView\":4,", ""},
        AllowedCase{"PrimitiveWithoutPositions", "\"POSITION\":0,", ""},
        AllowedCase{"InterpolationOfAnExtension", "\"LINEAR\"", "\"SMOOTH\""},
        AllowedCase{"TextureObjectInExtras", "\"materials\":[{",
                    "\"materials\":[{\"extras\":{\"detailTexture\":{\"file\":\"d.png\"}},"},
        AllowedCase{"TextureObjectOfAnotherMakersExtension", "\"materials\":[{",
                    "\"materials\":[{\"extensions\":{\"VENDOR_paint\":{\"strokeTexture\":{\"brush\":1}}},"}),
    [](const testing::TestParamInfo<AllowedCase>& info) { return info.param.name; });

TEST(GltfCheck, ZerosWithoutAViewAreCountedAcrossTheFile)
{
    // Unused accessors of 11184811 VEC3 floats, just over 128 MiB each: one
    // passes, two are more than 256 MiB.
    std::string big = SparsePositions;
    big.replace(big.find("\"count\":3"), 9, "\"count\":11184811");
    const std::string last = "{\"bufferView\":6,\"componentType\":5126,\"count\":2,\"type\":\"VEC4\"}";
    const std::string seed = compact(animatedSkin());
    EXPECT_FALSE(findUnsafeGltfContent(replaced(seed, last, last + "," + big + "}")).has_value());
    EXPECT_EQ(findUnsafeGltfContent(replaced(seed, last, last + "," + big + "}," + big + "}")),
              "accessors[8]: accessors without a bufferView add up to more than 256 MiB of zeros");
}

TEST(GltfCheck, ExtrasNestedDeeperThanTheImporterReadsInTimeAreRefused)
{
    const auto nested = [](int depth) {
        std::string value = "1";
        for (int level = 0; level < depth; ++level)
            value = "{\"a\":" + value + "}";
        return value;
    };
    const auto nodeExtras = [&](int depth) {
        return replaced(compact(animatedSkin()), "\"name\":\"Body\",",
                        "\"name\":\"Body\",\"extras\":" + nested(depth) + ",");
    };
    const auto sceneExtension = [&](int depth) {
        return replaced(compact(animatedSkin()), "\"scenes\":[{",
                        "\"scenes\":[{\"extensions\":" + nested(depth) + ",");
    };
    const std::string tooDeep = " nested more than " + std::to_string(MaxFreeNestingDepth) + " levels deep";
    EXPECT_FALSE(findUnsafeGltfContent(nodeExtras(MaxFreeNestingDepth)).has_value());
    EXPECT_EQ(findUnsafeGltfContent(nodeExtras(MaxFreeNestingDepth + 1)), "nodes[1].extras:" + tooDeep);
    EXPECT_FALSE(findUnsafeGltfContent(sceneExtension(MaxFreeNestingDepth)).has_value());
    EXPECT_EQ(findUnsafeGltfContent(sceneExtension(MaxFreeNestingDepth + 1)),
              "scenes[0].extensions:" + tooDeep);
}

TEST(GltfCheck, AByteOrderMarkIsRefusedForWhatItIs)
{
    EXPECT_EQ(findUnsafeGltfContent("\xEF\xBB\xBF" + compact(animatedSkin())),
              "it starts with a byte order mark, which the importer does not read");
}

TEST(GltfCheck, NodesThatAreTheirOwnAncestorsAreRefused)
{
    // Hip and Knee each other's parent, out of reach of the scene's root.
    std::string looped = replaced(compact(animatedSkin()), "\"children\":[1,2]", "\"children\":[1]");
    looped = replaced(looped, "\"name\":\"Knee\",", "\"name\":\"Knee\",\"children\":[2],");
    EXPECT_EQ(findUnsafeGltfContent(looped), "nodes[2]: is its own ancestor");
}

TEST(GltfCheck, NestingBeyondTheReadersDepthIsRefused)
{
    const auto nested = [](int depth) {
        return R"({"asset":{"version":"2.0"},"extras":)" + std::string(static_cast<std::size_t>(depth), '[') +
               std::string(static_cast<std::size_t>(depth), ']') + "}";
    };
    // The document itself is the first level.
    EXPECT_FALSE(findUnsafeGltfContent(nested(MaxJsonDepth - 1)).has_value());
    const auto problem = findUnsafeGltfContent(nested(MaxJsonDepth));
    ASSERT_TRUE(problem.has_value());
    const std::string tooDeep =
        "not valid JSON (nested more than " + std::to_string(MaxJsonDepth) + " levels deep";
    EXPECT_EQ(problem->rfind(tooDeep, 0), 0u) << *problem;
}

// The binary container: header, JSON chunk, then the binary chunk.
std::string binaryGltf(const std::string& json, const std::string& binary, std::uint32_t version = 2)
{
    const auto word = [](std::uint32_t value) {
        std::string bytes(4, '\0');
        for (int i = 0; i < 4; ++i)
            bytes[static_cast<std::size_t>(i)] = static_cast<char>((value >> (8 * i)) & 0xFF);
        return bytes;
    };
    std::string paddedJson = json;
    while (paddedJson.size() % 4 != 0)
        paddedJson += ' ';
    std::string body = word(static_cast<std::uint32_t>(paddedJson.size())) + "JSON" + paddedJson;
    if (!binary.empty())
        body += word(static_cast<std::uint32_t>(binary.size())) + std::string("BIN\0", 4) + binary;
    return "glTF" + word(version) + word(static_cast<std::uint32_t>(12 + body.size())) + body;
}

const char* const BinaryTriangle =
    R"({"asset":{"version":"2.0"},"buffers":[{"byteLength":36}],)"
    R"("bufferViews":[{"buffer":0,"byteLength":36}],)"
    R"("accessors":[{"bufferView":0,"componentType":5126,"count":3,"type":"VEC3"}],)"
    R"("meshes":[{"primitives":[{"attributes":{"POSITION":0}}]}],"nodes":[{"mesh":0}]})";

TEST(GltfCheck, BinaryContainersAreMeasuredBeforeTheirChunksAreRead)
{
    const std::string positions(36, '\0');
    EXPECT_FALSE(findUnsafeGltfContent(binaryGltf(BinaryTriangle, positions)).has_value());

    EXPECT_EQ(findUnsafeGltfContent(binaryGltf(BinaryTriangle, positions.substr(0, 32))),
              "buffers[0]: no uri and no binary chunk large enough to hold it");
    EXPECT_EQ(findUnsafeGltfContent(binaryGltf(BinaryTriangle, positions, 1)),
              "only binary glTF version 2 is read");
    const std::string whole = binaryGltf(BinaryTriangle, positions);
    EXPECT_EQ(findUnsafeGltfContent(whole.substr(0, 19)), "the binary header is cut short");
    EXPECT_EQ(findUnsafeGltfContent(whole.substr(0, whole.size() - 1)),
              "the binary header's lengths do not fit the file");
}

ImportedModel importPrinting(const std::string& path, std::string& printed)
{
    testing::internal::CaptureStdout();
    ImportedModel model = importModelFile(path);
    printed = testing::internal::GetCapturedStdout();
    return model;
}

TEST(GltfCheck, ASoundModelStillImportsWithItsSkin)
{
    const ScratchFolder folder{"korvel-model"};
    std::string printed;
    const ImportedModel model = importPrinting(folder.write("skin.gltf", animatedSkin()), printed);
    EXPECT_TRUE(model.imported) << printed;
    ASSERT_EQ(model.meshes.size(), 1u);
    EXPECT_EQ(model.bones.count, 2);
}

TEST(GltfCheck, AZeroFilledSparseAccessorImportsWithItsPatchedValues)
{
    const ScratchFolder folder{"korvel-model"};
    const std::string path = folder.write(
        "sparse.gltf",
        replaced(compact(animatedSkin()),
                 "{\"bufferView\":0,\"componentType\":5126,\"count\":3,\"type\":\"VEC3\"", SparsePositions));
    std::string printed;
    const ImportedModel model = importPrinting(path, printed);
    ASSERT_TRUE(model.imported) << printed;
    ASSERT_EQ(model.meshes.size(), 1u);
    const auto& vertices = model.meshes[0].vertices;
    ASSERT_EQ(vertices.size(), 3u);
    EXPECT_EQ(vertices[0].position, glm::vec3(0.5f, 0.5f, 0.0f));
    EXPECT_EQ(vertices[1].position, glm::vec3(0.0f, 0.5f, 0.5f));
    EXPECT_EQ(vertices[2].position, glm::vec3(0.0f));
    EXPECT_EQ(model.bones.count, 2);
}

// Allowed by the format, but more than this importer reads (positions left
// out, an accessor of zeros without a sparse part): it says so itself.
TEST(GltfCheck, AllowedFilesTheImporterCannotReadCostItsOwnLine)
{
    const ScratchFolder folder{"korvel-model"};
    for (const auto& [from, to] : {std::pair<const char*, const char*>{"\"POSITION\":0,", ""},
                                   std::pair<const char*, const char*>{"\"bufferView\":4,", ""}}) {
        const std::string path = folder.write("allowed.gltf", replaced(compact(animatedSkin()), from, to));
        std::string printed;
        const ImportedModel model = importPrinting(path, printed);
        EXPECT_EQ(printed.find("Damaged glTF"), std::string::npos) << printed;
        if (!model.imported) {
            EXPECT_TRUE(model.meshes.empty());
            EXPECT_EQ(printed.rfind("ERROR::ASSIMP:: ", 0), 0u) << printed;
            EXPECT_EQ(std::count(printed.begin(), printed.end(), '\n'), 1) << printed;
        }
    }
}

TEST(GltfCheck, ADamagedModelCostsOneLineAndNoMeshes)
{
    const ScratchFolder folder{"korvel-model"};
    const std::string path =
        folder.write("skin.gltf", replaced(compact(animatedSkin()), ",\"inverseBindMatrices\":4", ""));
    std::string printed;
    const ImportedModel model = importPrinting(path, printed);
    EXPECT_FALSE(model.imported);
    EXPECT_TRUE(model.meshes.empty());
    EXPECT_EQ(printed, "ERROR::ASSIMP:: Damaged glTF file " + path +
                           ": skins[0]: \"inverseBindMatrices\" is missing\n");
}

// A ".glb" holding text is recognised by neither glTF reader; the importer
// would then offer it to every other reader it has.
TEST(GltfCheck, AFileItsGltfReadersDoNotRecogniseIsNotOfferedToOtherReaders)
{
    const ScratchFolder folder{"korvel-model"};
    const std::string path = folder.write("skin.glb", animatedSkin());
    std::string printed;
    const ImportedModel model = importPrinting(path, printed);
    EXPECT_FALSE(model.imported);
    EXPECT_EQ(printed, "ERROR::ASSIMP:: No reader for the extension of " + path + " recognises the file\n");
}

TEST(GltfCheck, TheFuzzFoundModelsAreRefusedBeforeTheImporterReadsThem)
{
    const fs::path folder = fs::path(KORVEL_SOURCE_DIR) / "fuzz/regressions/model_gltf_fuzz";
    int files = 0;
    for (const auto& entry : fs::directory_iterator(folder)) {
        ++files;
        std::string printed;
        const ImportedModel model = importPrinting(entry.path().string(), printed);
        EXPECT_FALSE(model.imported) << entry.path();
        EXPECT_EQ(printed.rfind("ERROR::ASSIMP:: Damaged glTF file " + entry.path().string() + ": ", 0), 0u)
            << printed;
    }
    EXPECT_GE(files, 10);
}

}  // namespace
