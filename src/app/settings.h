// SettingsFile reads one INI settings file into a case-insensitive table and answers
// typed queries with defaults. Files are found by the upward asset search; a missing
// file is reported in one line and every query then returns its default. Settings
// are read once at start-up and never written back.
#pragma once

#include <cstdint>
#include <map>
#include <string>

class SettingsFile {
public:
    // Finds path (a relative asset path such as "assets/settings/window.ini") and
    // parses it. A file that is missing or cannot be opened prints
    // "ERROR: Failed to load '<path>'. Using default values instead.".
    explicit SettingsFile(const std::string& path);

    // Parses resolvedPath as it is, without the asset search; the failure line
    // names path. An empty resolvedPath counts as a file that cannot be opened.
    SettingsFile(const std::string& path, const std::string& resolvedPath);

    // The stored text; a key present with an empty value gives "", not the default.
    std::string getString(const std::string& section, const std::string& name,
                          const std::string& defaultValue) const;
    // strtol with base 0 (0x.. hexadecimal, 0.. octal); trailing text is ignored;
    // default when no character converts.
    std::int32_t getInt(const std::string& section, const std::string& name, std::int32_t defaultValue) const;
    // strtod; trailing text ignored; default when no character converts.
    double getReal(const std::string& section, const std::string& name, double defaultValue) const;
    // true/yes/on/1 and false/no/off/0 in any case; default for anything else.
    bool getBool(const std::string& section, const std::string& name, bool defaultValue) const;

    // 0 = parsed cleanly, > 0 = line of the first syntax error (the rest was still
    // parsed), -1 = the file was not found or could not be opened.
    std::int32_t parseResult = -1;
    // "section=name" in lower case -> every value given for it, joined with "\n".
    std::map<std::string, std::string> values;

private:
    void parse(const std::string& path, const std::string& resolvedPath);
};

// The key under which section/name is stored: "section=name", lower-cased.
std::string settingsKey(const std::string& section, const std::string& name);
