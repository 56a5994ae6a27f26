// The stored static light read on a worker from the start of a run. Reading
// and checking its ten megabytes was a tenth of a warm start on the main
// thread, and needs nothing the level makes except the key it is checked
// against; so the file is read while the window, the context and the models
// are made, and compared with the key once the level can compute it.
#pragma once

#include <cstdint>
#include <future>
#include <optional>
#include <string>

#include "scene/static_light_file.h"

class StaticLightPrefetch {
public:
    // Starts reading the bake stored at `path`; an empty path (nowhere to
    // store, or a run that does not use stored light) reads nothing.
    explicit StaticLightPrefetch(std::string path);
    // Waits for the read: the worker never outlives what it reads into.
    ~StaticLightPrefetch();
    StaticLightPrefetch(const StaticLightPrefetch&) = delete;
    StaticLightPrefetch& operator=(const StaticLightPrefetch&) = delete;

    // Where the bake is stored (and a new one is written); empty for none.
    const std::string& path() const { return storedPath; }

    // The stored texels when the file was whole and made for `key` and an atlas
    // of `width` x `height`; nullopt otherwise, and on every call after the first.
    std::optional<StaticLightTexels> take(std::uint64_t key, int width, int height);

    // Lets the read end, keeping what it found for take().
    void wait();

private:
    std::string storedPath;
    std::future<std::optional<StoredStaticLight>> reading;
    std::optional<StoredStaticLight> stored;
};
