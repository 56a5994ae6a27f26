#include "scene/model_check/obj_material_check.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <vector>

#include "framework/file_path.h"
#include "scene/model_check/file_extension.h"

using model_check::lowerCaseExtension;

namespace {

std::string lowerCase(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

std::string firstWord(const std::string& line)
{
    std::istringstream words(line);
    std::string word;
    words >> word;
    return lowerCase(word);
}

// Statements the importer applies to the current material even when no
// "newmtl" has made one yet, and then crashes: textures, and anything starting
// with "a", which it reads as anisotropy. It matches keywords by their first
// letters, so "bumpy" counts as "bump".
bool needsMaterial(const std::string& keyword)
{
    for (const char* prefix : {"map_", "bump", "norm", "disp", "refl", "decal", "a"}) {
        if (keyword.rfind(prefix, 0) == 0)
            return true;
    }
    return false;
}

// The file's lines, split where the importer ends a line: at line feeds,
// carriage returns, form feeds and zero bytes. Empty when it is not a file that
// can be read.
std::vector<std::string> importerLines(const std::string& path)
{
    std::error_code error;
    if (!std::filesystem::is_regular_file(filePath(path), error))
        return {};  // a folder named as a library reads as nothing, not as an error
    std::ifstream file(filePath(path), std::ios::binary);
    std::string text((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    // The importer reads text as UTF-8 without its byte order mark.
    if (text.rfind("\xEF\xBB\xBF", 0) == 0)
        text.erase(0, 3);
    // A "\r\n" pair is one line end, so line numbers match the player's editor.
    for (std::size_t at = text.find("\r\n"); at != std::string::npos; at = text.find("\r\n", at))
        text.erase(at, 1);
    std::replace_if(
        text.begin(), text.end(), [](char c) { return c == '\0' || c == '\r' || c == '\f'; }, '\n');
    std::vector<std::string> lines;
    std::istringstream stream(text);
    for (std::string line; std::getline(stream, line);)
        lines.push_back(line);
    return lines;
}

// The importer misreads binary garbage in a library (and has crashed on it).
bool holdsZeroByte(const std::string& path)
{
    std::ifstream file(filePath(path), std::ios::binary);
    return std::find(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>(), '\0') !=
           std::istreambuf_iterator<char>();
}

struct Statement {
    int line = 0;  // from 1; 0 when there is none
    std::string keyword;
};

// A line's keyword as the library reader sees it: it skips blanks and tabs at
// the start of every line but the file's first (" newmtl a" as the first line
// makes no material), and it tells "newmtl" by its case.
std::string importerKeyword(const std::string& line, bool firstLine)
{
    const std::size_t start = firstLine ? 0 : line.find_first_not_of(" \t");
    if (start == std::string::npos)
        return {};
    const std::size_t end = line.find_first_of(" \t", start);
    return line.substr(start, end == std::string::npos ? std::string::npos : end - start);
}

// The first statement that needs a material and comes before any "newmtl".
// Where the reader's view is unclear, this errs towards finding one: keywords
// are compared in lower case for that, but "newmtl" only as the reader takes
// it ("newmtl" or "Newmtl", not "NEWMTL").
Statement statementBeforeMaterial(const std::vector<std::string>& lines)
{
    for (std::size_t index = 0; index < lines.size(); ++index) {
        const std::string keyword = importerKeyword(lines[index], index == 0);
        if (keyword == "newmtl" || keyword == "Newmtl")
            return {};
        if (needsMaterial(lowerCase(keyword)))
            return {static_cast<int>(index) + 1, lowerCase(keyword)};
    }
    return {};
}

// The text after "mtllib" on each such line of the OBJ file, trimmed.
std::vector<std::string> materialLibraryNames(const std::string& objPath)
{
    std::vector<std::string> names;
    for (const std::string& line : importerLines(objPath)) {
        if (firstWord(line) != "mtllib")
            continue;
        const std::size_t start = line.find_first_not_of(" \t", line.find_first_not_of(" \t") + 6);
        const std::size_t end = line.find_last_not_of(" \t");
        if (start != std::string::npos && end >= start)
            names.push_back(line.substr(start, end - start + 1));
    }
    return names;
}

std::string folderOf(const std::string& path)
{
    const std::size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? "" : path.substr(0, slash + 1);
}

std::optional<std::string> checkLibrary(const std::string& path)
{
    std::error_code error;
    if (!std::filesystem::is_regular_file(filePath(path), error))
        return std::nullopt;
    if (holdsZeroByte(path))
        return "Material library " + path + " is not text (it holds a zero byte)";
    const Statement early = statementBeforeMaterial(importerLines(path));
    if (early.line == 0)
        return std::nullopt;
    return "Material library " + path + " sets '" + early.keyword + "' before its first newmtl (line " +
           std::to_string(early.line) + ")";
}

}  // namespace

std::optional<std::string> findUnsafeMaterialLibrary(const std::string& objPath)
{
    if (lowerCaseExtension(objPath) != "obj")
        return std::nullopt;
    const std::string ownLibrary = objPath.substr(0, objPath.size() - 3) + "mtl";
    for (const std::string& name : materialLibraryNames(objPath)) {
        const std::string path = folderOf(objPath) + name;
        const bool exists = std::ifstream(filePath(path)).good();
        if (auto reason = checkLibrary(exists ? path : ownLibrary))
            return reason;
    }
    return std::nullopt;
}
