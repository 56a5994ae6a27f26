#include "scene/static_light_file.h"

#include <array>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <system_error>

#include "framework/asset_search.h"
#include "framework/file_path.h"

#ifdef __linux__
#include <elf.h>
#include <link.h>
#include <unistd.h>
#endif

namespace {

constexpr std::array<char, 8> Magic{'K', 'V', 'S', 'L', 'I', 'G', 'H', 'T'};
constexpr std::uint32_t FormatVersion = 1;

// The header as it lies at the start of the file (little-endian, as every
// platform the game runs on is).
struct Header {
    std::array<char, 8> magic{};
    std::uint32_t version = 0;
    std::uint32_t width = 0;
    std::uint32_t height = 0;
    std::uint32_t reserved = 0;
    std::uint64_t key = 0;
    std::uint64_t checksum = 0;
};
static_assert(sizeof(Header) == 40, "the header has no padding");

std::uint64_t checksumOf(const StaticLightTexels& texels)
{
    StaticLightKey sum;
    sum.addValues(texels.light);
    sum.addValues(texels.torches);
    return sum.value();
}

// Four half floats of light and three torch-index channels.
constexpr std::size_t TexelBytes = 7 * sizeof(std::uint16_t);
// Far beyond any atlas a driver gives; a side above it is a damaged header.
constexpr std::uint32_t MaxSide = 1u << 16;

std::size_t texelCount(int width, int height)
{
    return static_cast<std::size_t>(width) * static_cast<std::size_t>(height);
}

}  // namespace

void StaticLightKey::add(const void* bytes, std::size_t size)
{
    const auto* byte = static_cast<const unsigned char*>(bytes);
    for (std::size_t i = 0; i < size; ++i) {
        hash ^= byte[i];
        hash *= 1099511628211ull;
    }
}

void StaticLightKey::add(const std::string& text)
{
    // The length first, so that "ab" + "c" and "a" + "bc" differ.
    const std::uint64_t length = text.size();
    add(&length, sizeof length);
    add(text.data(), text.size());
}

bool writeStaticLightFile(const std::string& path, std::uint64_t key, const StaticLightTexels& texels)
{
    const std::size_t count = texelCount(texels.width, texels.height);
    if (count == 0 || texels.light.size() != count * 4 || texels.torches.size() != count * 3)
        return false;
    std::error_code error;
    const std::filesystem::path target = filePath(path);
    if (target.has_parent_path())
        std::filesystem::create_directories(target.parent_path(), error);
    // Unique per process, so two games writing at once each rename a whole file.
#ifdef __linux__
    const long process = static_cast<long>(getpid());
#else
    const long process = 0;
#endif
    const std::filesystem::path temporary = filePath(path + ".tmp" + std::to_string(process));
    Header header;
    header.magic = Magic;
    header.version = FormatVersion;
    header.width = static_cast<std::uint32_t>(texels.width);
    header.height = static_cast<std::uint32_t>(texels.height);
    header.key = key;
    header.checksum = checksumOf(texels);
    {
        std::ofstream file(temporary, std::ios::binary | std::ios::trunc);
        file.write(reinterpret_cast<const char*>(&header), sizeof header);
        file.write(reinterpret_cast<const char*>(texels.light.data()),
                   static_cast<std::streamsize>(texels.light.size() * sizeof(std::uint16_t)));
        file.write(reinterpret_cast<const char*>(texels.torches.data()),
                   static_cast<std::streamsize>(texels.torches.size() * sizeof(std::uint16_t)));
        file.close();
        if (!file) {
            std::filesystem::remove(temporary, error);
            return false;
        }
    }
    std::filesystem::rename(temporary, target, error);
    if (error) {
        std::filesystem::remove(temporary, error);
        return false;
    }
    return true;
}

std::optional<StoredStaticLight> readStoredStaticLight(const std::string& path)
{
    std::ifstream file(filePath(path), std::ios::binary);
    Header header;
    if (!file.read(reinterpret_cast<char*>(&header), sizeof header))
        return std::nullopt;
    if (header.magic != Magic || header.version != FormatVersion)
        return std::nullopt;
    // The file must be exactly as long as its header says before anything is
    // made that size: a damaged header could ask for gigabytes.
    if (header.width > MaxSide || header.height > MaxSide)
        return std::nullopt;
    const std::size_t count = texelCount(static_cast<int>(header.width), static_cast<int>(header.height));
    std::error_code error;
    const std::uintmax_t fileSize = std::filesystem::file_size(filePath(path), error);
    if (error || count == 0 || fileSize != sizeof header + count * TexelBytes)
        return std::nullopt;
    StoredStaticLight stored;
    stored.key = header.key;
    StaticLightTexels& texels = stored.texels;
    texels.width = static_cast<int>(header.width);
    texels.height = static_cast<int>(header.height);
    texels.light.resize(count * 4);
    texels.torches.resize(count * 3);
    file.read(reinterpret_cast<char*>(texels.light.data()),
              static_cast<std::streamsize>(texels.light.size() * sizeof(std::uint16_t)));
    file.read(reinterpret_cast<char*>(texels.torches.data()),
              static_cast<std::streamsize>(texels.torches.size() * sizeof(std::uint16_t)));
    // Short, long or altered: not this bake.
    if (!file || file.peek() != std::ifstream::traits_type::eof() || checksumOf(texels) != header.checksum)
        return std::nullopt;
    return stored;
}

bool isStoredFor(const StoredStaticLight& stored, std::uint64_t key, int width, int height)
{
    return stored.key == key && stored.texels.width == width && stored.texels.height == height;
}

std::string staticLightCachePath()
{
    if (executableBuildId().empty())
        return "";
    return executableDirectory() + "/static_light.bin";
}

std::string executableBuildId()
{
#ifdef __linux__
    // The GNU build id note of the executable itself (the first object
    // dl_iterate_phdr reports): a hash of everything the linker put in it.
    std::string id;
    dl_iterate_phdr(
        [](dl_phdr_info* info, std::size_t, void* data) -> int {
            auto& found = *static_cast<std::string*>(data);
            for (int i = 0; i < info->dlpi_phnum; ++i) {
                const ElfW(Phdr)& segment = info->dlpi_phdr[i];
                if (segment.p_type != PT_NOTE)
                    continue;
                const char* note = reinterpret_cast<const char*>(info->dlpi_addr + segment.p_vaddr);
                const char* const end = note + segment.p_memsz;
                while (note + sizeof(ElfW(Nhdr)) <= end) {
                    ElfW(Nhdr) header;
                    std::memcpy(&header, note, sizeof header);
                    const char* name = note + sizeof header;
                    const char* desc = name + ((header.n_namesz + 3) & ~3u);
                    if (header.n_type == NT_GNU_BUILD_ID && header.n_namesz == 4 &&
                        std::memcmp(name, "GNU", 4) == 0 && desc + header.n_descsz <= end) {
                        found.assign(desc, header.n_descsz);
                        return 1;
                    }
                    note = desc + ((header.n_descsz + 3) & ~3u);
                }
            }
            return 1;  // only the executable, never the libraries after it
        },
        &id);
    return id;
#else
    return "";
#endif
}
