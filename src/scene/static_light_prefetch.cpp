#include "scene/static_light_prefetch.h"

#include <cstdlib>
#include <utility>

namespace {

// The read that may still run, waited for at exit: a fatal error ends the game
// through exit(), which destroys no locals, and the worker must not be left
// reading while the statics go. Only the main thread makes and destroys these.
StaticLightPrefetch* activePrefetch = nullptr;

void finishActivePrefetch()
{
    if (activePrefetch != nullptr)
        activePrefetch->wait();
}

std::optional<StoredStaticLight> readQuietly(const std::string& path)
{
    try {
        return readStoredStaticLight(path);
    } catch (...) {
        // Out of memory, say: a bake makes the light instead.
        return std::nullopt;
    }
}

}  // namespace

StaticLightPrefetch::StaticLightPrefetch(std::string path) : storedPath(std::move(path))
{
    if (storedPath.empty())
        return;
    static const bool finishesAtExit = std::atexit(finishActivePrefetch) == 0;
    (void)finishesAtExit;
    activePrefetch = this;
    reading = std::async(std::launch::async, readQuietly, storedPath);
}

StaticLightPrefetch::~StaticLightPrefetch()
{
    wait();
}

void StaticLightPrefetch::wait()
{
    if (activePrefetch == this)
        activePrefetch = nullptr;
    if (reading.valid())
        stored = reading.get();
}

std::optional<StaticLightTexels> StaticLightPrefetch::take(std::uint64_t key, int width, int height)
{
    wait();
    std::optional<StoredStaticLight> taken = std::exchange(stored, std::nullopt);
    if (!taken || !isStoredFor(*taken, key, width, height))
        return std::nullopt;
    return std::move(taken->texels);
}
