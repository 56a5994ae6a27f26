// OBJ material libraries that crash the importer are refused before it reads
// them; the files the model fuzzer found are fed back through the real import.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "support/scratch_folder.h"
#include "scene/model_import.h"
#include "scene/model_check/obj_material_check.h"

namespace fs = std::filesystem;

namespace {

const char* const Quad = "v 0 0 0\nv 1 0 0\nv 1 1 0\nf 1 2 3\n";

struct LibraryCase {
    const char* name;
    std::string obj;
    std::string libraryName;  // file the library is written to, next to "model.obj"
    std::string library;
    bool refused;
};

void PrintTo(const LibraryCase& value, std::ostream* out)
{
    *out << value.name;
}

class MaterialLibraryCheck : public testing::TestWithParam<LibraryCase> {};

TEST_P(MaterialLibraryCheck, RefusesExactlyTheLibrariesThatNeedAMaterialBeforeTheyMakeOne)
{
    const LibraryCase& c = GetParam();
    const ScratchFolder folder{"korvel-model"};
    const std::string objPath = folder.write("model.obj", c.obj);
    folder.write(c.libraryName, c.library);
    const auto reason = findUnsafeMaterialLibrary(objPath);
    EXPECT_EQ(reason.has_value(), c.refused) << reason.value_or("accepted");
}

const std::string UsesLibrary = std::string("mtllib model.mtl\n") + Quad;

INSTANTIATE_TEST_SUITE_P(
    Robustness, MaterialLibraryCheck,
    testing::Values(
        LibraryCase{"TextureAfterMaterial", UsesLibrary, "model.mtl", "newmtl a\nmap_Kd a.png\n", false},
        LibraryCase{"TextureBeforeMaterial", UsesLibrary, "model.mtl", "map_Kd a.png\nnewmtl a\n", true},
        LibraryCase{"BumpBeforeMaterial", UsesLibrary, "model.mtl", "# header\nbump a.png\n", true},
        LibraryCase{"NormalMapBeforeMaterial", UsesLibrary, "model.mtl", "norm a.png\n", true},
        LibraryCase{"DisplacementMapBeforeMaterial", UsesLibrary, "model.mtl", "disp a.png\nnewmtl a\n",
                    true},
        LibraryCase{"AnisotropyBeforeMaterial", UsesLibrary, "model.mtl", "\r\r\ra\r\r\r\r", true},
        LibraryCase{"AnisotropyAfterMaterial", UsesLibrary, "model.mtl", "newmtl a\naniso 0.5\n", false},
        LibraryCase{"FirstLineIndentedMakesNoMaterial", UsesLibrary, "model.mtl",
                    " newmtl stone\nmap_Kd stone.png\n", true},
        LibraryCase{"LaterLinesIndentedStillCount", UsesLibrary, "model.mtl",
                    "# stone\n\t newmtl stone\n  map_Kd stone.png\n", false},
        LibraryCase{"ShoutedNewmtlMakesNoMaterial", UsesLibrary, "model.mtl", "NEWMTL a\nmap_Kd a.png\n",
                    true},
        LibraryCase{"CapitalisedNewmtlCounts", UsesLibrary, "model.mtl", "Newmtl a\nmap_Kd a.png\n", false},
        LibraryCase{"ByteOrderMarkBeforeATexture", UsesLibrary, "model.mtl", "\xEF\xBB\xBFmap_Kd a.png\n",
                    true},
        LibraryCase{"ByteOrderMarkBeforeAMaterial", UsesLibrary, "model.mtl",
                    "\xEF\xBB\xBFnewmtl a\nmap_Kd a.png\n", false},
        LibraryCase{"ColoursOnlyBeforeMaterial", UsesLibrary, "model.mtl", "Kd 1 1 1\nNs 5\n", false},
        LibraryCase{"ZeroByteStartsALine", UsesLibrary, "model.mtl",
                    std::string("Kd 1 1 1\0map_Kd a.png\nnewmtl a\n", 31), true},
        LibraryCase{"CommentedMaterialDoesNotCount", UsesLibrary, "model.mtl", "# newmtl a\nmap_Ka a\n",
                    true},
        LibraryCase{"NamedLibraryMissingFallsBackToOwnName", "mtllib other.mtl\n", "model.mtl",
                    "map_Kd a.png\n", true},
        LibraryCase{"NamedLibraryWithSpacesInItsName", "mtllib my materials.mtl  \n", "my materials.mtl",
                    "map_Kd a.png\n", true},
        LibraryCase{"NoLibraryNamed", Quad, "model.mtl", "map_Kd a.png\n", false},
        LibraryCase{"BinaryGarbageAfterAMaterial", UsesLibrary, "model.mtl",
                    std::string("newmtl a\n\0\0\0a0\0\0<", 17), true}),
    [](const testing::TestParamInfo<LibraryCase>& info) { return info.param.name; });

TEST(Robustness, AnEarlyStatementIsNamedWithItsLine)
{
    const ScratchFolder folder{"korvel-model"};
    const std::string objPath = folder.write("model.obj", UsesLibrary);
    const std::string library =
        folder.write("model.mtl", "# made by hand\r\n\r\ndisp rock.png\r\nnewmtl a\r\n");
    EXPECT_EQ(findUnsafeMaterialLibrary(objPath),
              "Material library " + library + " sets 'disp' before its first newmtl (line 3)");
}

// A library name that is a folder (an empty "mtllib" names the model's own
// folder) is left to the importer rather than read.
TEST(Robustness, AFolderNamedAsALibraryIsNotRead)
{
    const ScratchFolder folder{"korvel-model"};
    fs::create_directories(folder.root() / "textures");
    EXPECT_FALSE(
        findUnsafeMaterialLibrary(folder.write("model.obj", "mtllib textures\nmtllib \n")).has_value());
}

TEST(Robustness, OnlyObjFilesAreLookedAt)
{
    const ScratchFolder folder{"korvel-model"};
    folder.write("model.mtl", "map_Kd a.png\n");
    EXPECT_FALSE(findUnsafeMaterialLibrary(folder.write("model.gltf", UsesLibrary)).has_value());
    EXPECT_TRUE(findUnsafeMaterialLibrary(folder.write("model.OBJ", UsesLibrary)).has_value());
}

// Inputs on which the importer crashed, as the model fuzzer saw them: OBJ bytes,
// a zero byte, then the bytes of "model.mtl".
class FuzzFoundObjInput : public testing::TestWithParam<const char*> {};

TEST_P(FuzzFoundObjInput, IsRefusedWithOneLineInsteadOfCrashing)
{
    std::ifstream file(std::string(KORVEL_SOURCE_DIR) + "/fuzz/regressions/model_obj_fuzz/" + GetParam(),
                       std::ios::binary);
    ASSERT_TRUE(file) << GetParam();
    const std::string bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    const std::size_t split = bytes.find('\0');
    ASSERT_NE(split, std::string::npos);
    const ScratchFolder folder{"korvel-model"};
    const std::string objPath = folder.write("model.obj", bytes.substr(0, split));
    folder.write("model.mtl", bytes.substr(split + 1));

    testing::internal::CaptureStdout();
    const ImportedModel model = importModelFile(objPath);
    const std::string output = testing::internal::GetCapturedStdout();
    EXPECT_FALSE(model.imported);
    EXPECT_TRUE(model.meshes.empty());
    EXPECT_EQ(output.rfind("ERROR::ASSIMP:: Material library ", 0), 0u) << output;
}

INSTANTIATE_TEST_SUITE_P(Robustness, FuzzFoundObjInput,
                         testing::Values("texture_before_first_material", "texture_after_zero_byte",
                                         "zero_bytes_in_library", "anisotropy_before_first_material",
                                         "indented_first_material"),
                         [](const testing::TestParamInfo<const char*>& info) {
                             return std::string(info.param);
                         });

}  // namespace
