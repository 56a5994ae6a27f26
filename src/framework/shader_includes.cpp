#include "framework/shader_includes.h"

#include <regex>
#include <sstream>

#include "framework/console.h"

namespace {

const std::regex IncludeLine(R"re(^\s*#\s*include\s+"([^"]+)"\s*$)re");

std::string folderOf(const std::string& path)
{
    const std::size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

class IncludeExpander {
public:
    explicit IncludeExpander(const ShaderFileReader& read) : read(read) {}

    ShaderSourceText expand(const std::string& path)
    {
        ShaderSourceText result;
        appendFile(path, result);
        return result;
    }

private:
    void appendFile(const std::string& path, ShaderSourceText& result)
    {
        const std::optional<std::string> content = read(path);
        if (!content)
            fatalError("Unable to load file[" + path + "]!");
        const std::string number = std::to_string(result.files.size());
        result.files.push_back(path);
        open.push_back(path);

        std::istringstream lines(*content);
        std::string line;
        int lineNumber = 0;
        std::smatch include;
        while (std::getline(lines, line)) {
            ++lineNumber;
            if (!std::regex_match(line, include, IncludeLine)) {
                result.text += line + "\n";
                continue;
            }
            const std::string included = folderOf(path) + include[1].str();
            for (const std::string& outer : open)
                if (outer == included)
                    fatalError("Shader " + path + " includes " + included + ", which includes it");
            result.text += "#line 1 " + std::to_string(result.files.size()) + "\n";
            appendFile(included, result);
            result.text += "#line " + std::to_string(lineNumber + 1) + " " + number + "\n";
        }
        open.pop_back();
    }

    const ShaderFileReader& read;
    std::vector<std::string> open;  // the files being expanded, outermost first
};

}  // namespace

ShaderSourceText expandShaderIncludes(const std::string& path, const ShaderFileReader& read)
{
    return IncludeExpander(read).expand(path);
}

std::string nameShaderSources(const std::string& log, const std::vector<std::string>& files)
{
    // An optional severity word, then the source number right before ':' or '('.
    const std::regex sourceNumber(R"(^((?:[A-Z]+: )?)(\d+)([:(]))");
    std::istringstream lines(log);
    std::string named;
    std::string line;
    std::smatch match;
    while (std::getline(lines, line)) {
        // Longer numbers than any file count are left as they stand (and unparsed).
        if (std::regex_search(line, match, sourceNumber) && match[2].length() < 6) {
            const std::size_t number = std::stoul(match[2].str());
            if (number < files.size())
                line = match[1].str() + files[number] + match[3].str() + match.suffix().str();
        }
        named += line + "\n";
    }
    if (!log.empty() && log.back() != '\n')
        named.pop_back();
    return named;
}
