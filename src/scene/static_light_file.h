// The baked static light kept between runs, so that a start-up reads it
// instead of baking it again (about a tenth of a start-up, and with an empty
// shader cache the compile of the bake's shader too).
//
// A stored bake is only as good as the match of everything that went into it,
// so each file carries a key made of all of it (StaticLightKey: the game's own
// build, the GL driver, the shaders and the geometry drawn) and a checksum of
// its texels. A file whose key differs, whose size or checksum is wrong, or
// that ends early is refused, and the caller bakes afresh and writes a new
// one. Files are written to a temporary name and renamed, so a reader never
// sees half a file. Pure file work, no GL.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// FNV-1a over everything added, in order; 64 bits tell one bake from another
// (nothing here guards against a forger, only against a stale or broken file).
class StaticLightKey {
public:
    void add(const void* bytes, std::size_t size);
    void add(const std::string& text);
    template <typename Value>
    void addValues(const std::vector<Value>& values)
    {
        add(values.data(), values.size() * sizeof(Value));
    }
    std::uint64_t value() const { return hash; }

private:
    std::uint64_t hash = 14695981039346656037ull;
};

// The atlas's two layers as the textures hold them.
struct StaticLightTexels {
    int width = 0;
    int height = 0;
    std::vector<std::uint16_t> light;    // RGBA half floats, width * height * 4, rows bottom up
    std::vector<std::uint16_t> torches;  // the three packed torch-index channels, width * height * 3
};

// False when the file could not be written whole (nothing is left behind then).
bool writeStaticLightFile(const std::string& path, std::uint64_t key, const StaticLightTexels& texels);

// A whole, undamaged stored bake, whatever it was made for: `key` and the
// texels' size say that.
struct StoredStaticLight {
    std::uint64_t key = 0;
    StaticLightTexels texels;
};

// The bake stored at `path`; nullopt when it is missing, not ours, damaged or
// cut short. Refuses a file that is not the size its header says before
// reading any of it.
std::optional<StoredStaticLight> readStoredStaticLight(const std::string& path);

// Whether `stored` was made for `key` and an atlas of `width` x `height`.
bool isStoredFor(const StoredStaticLight& stored, std::uint64_t key, int width, int height);

// Where the game keeps its stored bake: beside its executable, as
// "static_light.bin", so that every build (and every copy of the game's tree)
// keeps its own. Empty where the game cannot name its own build (the key needs it).
std::string staticLightCachePath();

// What identifies the running executable's code (its linker build id); empty
// when the platform does not say.
std::string executableBuildId();
