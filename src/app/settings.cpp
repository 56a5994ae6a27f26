#include "app/settings.h"

#include <cctype>
#include <cstdio>
#include <cstdlib>

#include <ini.h>

#include "framework/asset_search.h"
#include "framework/console.h"
#include "framework/file_path.h"

namespace {

constexpr int AutomaticNumberBase = 0;  // strtol: decimal, 0x hexadecimal, 0 octal

std::string toLower(std::string text)
{
    for (char& c : text)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

// inih calls this once per name/value pair; values of a repeated key (or of
// continuation lines) are joined with line feeds.
int storeEntry(void* user, const char* section, const char* name, const char* value)
{
    auto& values = *static_cast<std::map<std::string, std::string>*>(user);
    std::string& stored = values[settingsKey(section, name)];
    if (!stored.empty())
        stored += '\n';
    stored += value;
    return 1;
}

}  // namespace

std::string settingsKey(const std::string& section, const std::string& name)
{
    return toLower(section + "=" + name);
}

SettingsFile::SettingsFile(const std::string& path)
{
    parse(path, findFileUpwards(path));
}

SettingsFile::SettingsFile(const std::string& path, const std::string& resolvedPath)
{
    parse(path, resolvedPath);
}

void SettingsFile::parse(const std::string& path, const std::string& resolvedPath)
{
    std::FILE* file = resolvedPath.empty() ? nullptr : openFile(resolvedPath, "r");
    if (file != nullptr) {
        parseResult = ini_parse_file(file, storeEntry, &values);
        std::fclose(file);
    } else {
        parseResult = -1;
    }
    if (parseResult < 0)
        printLine("ERROR: Failed to load '" + path + "'. Using default values instead.");
}

std::string SettingsFile::getString(const std::string& section, const std::string& name,
                                    const std::string& defaultValue) const
{
    const auto found = values.find(settingsKey(section, name));
    return found == values.end() ? defaultValue : found->second;
}

std::int32_t SettingsFile::getInt(const std::string& section, const std::string& name,
                                  std::int32_t defaultValue) const
{
    const std::string text = getString(section, name, "");
    const char* begin = text.c_str();
    char* end = nullptr;
    const long number = std::strtol(begin, &end, AutomaticNumberBase);
    return end > begin ? static_cast<std::int32_t>(number) : defaultValue;
}

double SettingsFile::getReal(const std::string& section, const std::string& name, double defaultValue) const
{
    const std::string text = getString(section, name, "");
    const char* begin = text.c_str();
    char* end = nullptr;
    const double number = std::strtod(begin, &end);
    return end > begin ? number : defaultValue;
}

bool SettingsFile::getBool(const std::string& section, const std::string& name, bool defaultValue) const
{
    const std::string word = toLower(getString(section, name, ""));
    if (word == "true" || word == "yes" || word == "on" || word == "1")
        return true;
    if (word == "false" || word == "no" || word == "off" || word == "0")
        return false;
    return defaultValue;
}
