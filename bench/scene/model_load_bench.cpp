// Prints how long each model under assets/geometry/ takes to load (import,
// images, GPU upload, scaling), and the total. Figures only; nothing asserted.
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include <GL/glew.h>

#include "scene/model.h"
#include "support/gl_context.h"

namespace {

// Loads per model, so one slow first load (caches, driver warm-up) shows up.
constexpr int LoadsPerModel = 3;

double millisecondsToLoad(const std::string& path, std::size_t& meshCount)
{
    const auto start = std::chrono::steady_clock::now();
    const Model model(path, false, 1.0f);
    glFinish();
    meshCount = model.meshes.size();
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

}  // namespace

int main()
{
    if (!ensureGlContext()) {
        std::printf("%s\n", glContextFailure().c_str());
        return 1;
    }
    const std::filesystem::path root = std::filesystem::path(KORVEL_PROJECT_DIR) / "assets/geometry";
    std::vector<std::string> paths;
    if (std::filesystem::exists(root))
        for (const auto& entry : std::filesystem::recursive_directory_iterator(root))
            if (entry.path().extension() == ".obj" || entry.path().extension() == ".gltf")
                paths.push_back(entry.path().generic_string());
    double total = 0.0;
    std::printf("%-48s %8s %10s %10s\n", "model", "meshes", "first ms", "best ms");
    for (const std::string& path : paths) {
        std::size_t meshes = 0;
        const double first = millisecondsToLoad(path, meshes);
        double best = first;
        for (int i = 1; i < LoadsPerModel; ++i)
            best = std::min(best, millisecondsToLoad(path, meshes));
        total += first;
        const std::string name = std::filesystem::relative(path, root).generic_string();
        std::printf("%-48s %8zu %10.1f %10.1f\n", name.c_str(), meshes, first, best);
    }
    std::printf("total of first loads: %.1f ms for %zu models\n", total, paths.size());
    return 0;
}
