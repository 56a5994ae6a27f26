// Feeds arbitrary bytes to the settings reader as a settings file, then asks
// every stored key for each of the typed values the game reads.
#include <cstddef>
#include <cstdint>

#include "app/settings.h"
#include "fuzz_check.h"
#include "support/scratch_folder.h"

namespace {

// Splits a stored "section=name" key back into its two halves and queries it.
void queryEveryType(const SettingsFile& settings, const std::string& key)
{
    const std::size_t split = key.find('=');
    fuzzCheck(split != std::string::npos, "stored keys hold section=name");
    const std::string section = key.substr(0, split);
    const std::string name = key.substr(split + 1);
    fuzzCheck(settings.getString(section, name, "?") == settings.values.at(key),
              "a stored key is found again by its own section and name");
    settings.getInt(section, name, 0);
    settings.getReal(section, name, 0.0);
    settings.getBool(section, name, false);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const ScratchFolder folder{"korvel-fuzz", ScratchStorage::Memory};
    const std::string path = folder.write("fuzz.ini", data, size);
    const SettingsFile settings("fuzz.ini", path);
    fuzzCheck(settings.parseResult >= 0, "a file that exists is parsed");
    for (const auto& entry : settings.values)
        queryEveryType(settings, entry.first);
    return 0;
}
