// Upward asset search over directory trees built in a temporary folder whose
// name holds a space and letters from outside any one code page.
#include "framework/asset_search.h"

#include <unistd.h>

#include <filesystem>
#include <fstream>

#include <gtest/gtest.h>

#include "support/fatal_child.h"
#include "support/scratch_folder.h"

namespace fs = std::filesystem;

namespace {

const char* const AwkwardName = "korvel-assets Spiele – Ärger 迷宫";

// Paths as "/"-separated UTF-8: the search joins with the platform's separator
// ("\\" on Windows) and keeps a relative path's own "/".
std::vector<std::string> generic(const std::vector<std::string>& paths)
{
    std::vector<std::string> result;
    for (const std::string& path : paths)
        result.push_back(fs::u8path(path).generic_u8string());
    return result;
}

// Every tree has the executable in <root>/build/bin; paths are relative to <root>,
// and a trailing "/" makes a directory instead of a file.
struct SearchCase {
    const char* name;
    std::vector<std::string> entries;
    std::string relativePath;
    std::vector<std::string> expected;  // candidates relative to <root>, nearest first
};

// Names the case in test listings instead of dumping its bytes.
void PrintTo(const SearchCase& c, std::ostream* os)
{
    *os << c.name;
}

const SearchCase SearchCases[] = {
    {"BesideExecutable",
     {"CMakeLists.txt", "build/bin/assets/a.ini"},
     "assets/a.ini",
     {"build/bin/assets/a.ini"}},
    {"InMarkerFolder", {"CMakeLists.txt", "assets/a.ini"}, "assets/a.ini", {"assets/a.ini"}},
    {"OnlyAboveMarker", {"build/CMakeLists.txt", "assets/a.ini"}, "assets/a.ini", {}},
    {"MarkerBesideExecutable", {"build/bin/CMakeLists.txt", "build/assets/a.ini"}, "assets/a.ini", {}},
    {"TwoLevelsNearestFirst",
     {"CMakeLists.txt", "assets/a.ini", "build/bin/assets/a.ini"},
     "assets/a.ini",
     {"build/bin/assets/a.ini", "assets/a.ini"}},
    {"DirectoryIsNoCandidate", {"CMakeLists.txt", "build/bin/assets/a.ini/"}, "assets/a.ini", {}},
    {"DirectoryIsNoMarker",
     {"build/CMakeLists.txt/", "CMakeLists.txt", "assets/a.ini"},
     "assets/a.ini",
     {"assets/a.ini"}},
    {"ParentComponentsKept", {"CMakeLists.txt", "build/x.ini"}, "../x.ini", {"build/bin/../x.ini"}},
    {"Missing", {"CMakeLists.txt"}, "assets/a.ini", {}},
};

class AssetSearchTree : public ::testing::TestWithParam<SearchCase> {
protected:
    void SetUp() override
    {
        fs::create_directories(root / "build" / "bin");
        for (const std::string& entry : GetParam().entries) {
            if (entry.back() == '/')
                fs::create_directories(root / entry);
            else
                folder.write(entry, "x");
        }
    }
    std::string at(const std::string& relative) const { return (root / relative).u8string(); }

    const ScratchFolder folder{AwkwardName};
    const fs::path root = folder.root();
};

}  // namespace

TEST_P(AssetSearchTree, FindsExpectedCandidates)
{
    std::vector<std::string> expected;
    for (const std::string& relative : GetParam().expected)
        expected.push_back(at(relative));
    EXPECT_EQ(generic(findCandidatesUpwards(at("build/bin"), GetParam().relativePath)), generic(expected));
}

INSTANTIATE_TEST_SUITE_P(Trees, AssetSearchTree, ::testing::ValuesIn(SearchCases),
                         [](const auto& info) { return std::string(info.param.name); });

class AssetSearch : public ::testing::Test {
protected:
    void SetUp() override
    {
        fs::create_directories(root / "build" / "bin");
        folder.write("CMakeLists.txt", "marker");
        folder.write("assets/a.ini", "x");
    }
    std::string at(const std::string& relative) const { return (root / relative).u8string(); }

    const ScratchFolder folder{AwkwardName};
    const fs::path root = folder.root();
};

// "--init_camera /somewhere/camera.ini" names that file, not one per folder walked.
TEST_F(AssetSearch, AbsolutePathIsItsOwnSingleCandidate)
{
    const std::string absolute = at("assets/a.ini");
    EXPECT_EQ(findCandidatesUpwards(at("build/bin"), absolute), std::vector<std::string>{absolute});
    EXPECT_EQ(findFileUpwardsFrom(at("build/bin"), absolute), absolute);
    EXPECT_TRUE(findCandidatesUpwards(at("build/bin"), at("assets/missing.ini")).empty());
}

TEST_F(AssetSearch, AmbiguityReportListsEveryCandidateInOrder)
{
    const std::vector<std::string> lines = ambiguityReport("assets/a.ini", {"/x/a", "/y/a"});
    const std::vector<std::string> expected = {
        "Ambiguous asset file path: 'assets/a.ini'Found this path at multiple locations. "
        "Don't know which one shall be used. Candidates are:",
        "  - /x/a", "  - /y/a", "Remove all duplicates to fix this!"};
    EXPECT_EQ(lines, expected);
}

TEST_F(AssetSearch, AmbiguousPathEndsTheGame)
{
    std::ofstream(root / "build" / "bin" / "dup.ini") << "x";
    std::ofstream(root / "dup.ini") << "x";
    // Any folder before the file: where a death test's child runs the whole test
    // again (Windows), its scratch folder is another one. "." is the separator.
    const std::string report = "  - .*" + literalPattern("build/bin") + "." + literalPattern("dup.ini") +
                               "\n  - .*." + literalPattern("dup.ini") +
                               "\nRemove all duplicates to fix this!";
    EXPECT_EXIT(
        {
            prepareFatalChild();
            findFileUpwardsFrom(at("build/bin"), "dup.ini");
        },
        ::testing::ExitedWithCode(1), report);
}

TEST_F(AssetSearch, MissingFileIsEmptyAndSilent)
{
    ::testing::internal::CaptureStdout();
    const std::string found = findFileUpwards("assets/korvel_no_such_file.ini");
    EXPECT_EQ(::testing::internal::GetCapturedStdout(), "");
    EXPECT_EQ(found, "");
}

TEST(AssetSearchStrict, MissingTextureEndsTheGame)
{
    EXPECT_EXIT(
        {
            prepareFatalChild();
            findAssetFile("assets/korvel_no_such_file.dds");
        },
        ::testing::ExitedWithCode(1),
        "^" + literalPattern("Could not find texture file: assets/korvel_no_such_file.dds\n") + "$");
}

TEST(AssetSearchStrict, MissingShaderEndsTheGame)
{
    EXPECT_EXIT(
        {
            prepareFatalChild();
            findShaderFile("assets/shaders/korvel_no_such.vert");
        },
        ::testing::ExitedWithCode(1),
        "^" + literalPattern("Could not find shader file: assets/shaders/korvel_no_such.vert\n") + "$");
}

TEST(AssetSearchStrict, ExecutableFolderHoldsTheRunningTest)
{
    const fs::path self = fs::u8path(executablePath());
    EXPECT_TRUE(fs::is_regular_file(self));
    EXPECT_EQ(fs::u8path(executableDirectory()), self.parent_path());
}
