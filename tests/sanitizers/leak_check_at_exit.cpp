// The sanitizer stage's leak check must survive a process that exits while a
// thread holds a run-time thread-local block at page offset 0x010: the runtime
// reads that offset as an old glibc header, and without the stage's options its
// tracer dies scanning the made-up range ("Tracer caught signal 11"), after the
// tests themselves passed. This program makes exactly that case and exits with
// nothing leaked; run under scripts/sanitize.sh's options it must end with 0.
#include <dlfcn.h>
#include <pthread.h>

#include <atomic>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <memory>
#include <string>
#include <thread>
#include <vector>

namespace {

constexpr std::uintptr_t PageBytes = 4096;
constexpr std::uintptr_t MisreadOffset = 16;  // the size of the old header
constexpr int Attempts = 4000;

using BlockGetter = void* (*)();
BlockGetter threadLocalBlock = nullptr;

pthread_mutex_t holdAtExit = PTHREAD_MUTEX_INITIALIZER;

// What the latest thread saw of its block.
enum class Landing { Pending, Elsewhere, AtMisreadOffset };
std::atomic<Landing> landing{Landing::Pending};

void* firstUseOfThreadLocals(void*)
{
    const auto at = reinterpret_cast<std::uintptr_t>(threadLocalBlock());
    if (at % PageBytes != MisreadOffset) {
        landing = Landing::Elsewhere;
        return nullptr;
    }
    landing = Landing::AtMisreadOffset;
    pthread_mutex_lock(&holdAtExit);  // alive, holding its block, when the process exits
    return nullptr;
}

}  // namespace

int main(int, char** argv)
{
    const std::string library = std::string(argv[0]) + "_block.so";
    void* handle = dlopen(library.c_str(), RTLD_NOW);
    if (handle == nullptr) {
        std::fprintf(stderr, "cannot load %s: %s\n", library.c_str(), dlerror());
        return 2;
    }
    threadLocalBlock = reinterpret_cast<BlockGetter>(dlsym(handle, "threadLocalBlock"));

    pthread_mutex_lock(&holdAtExit);
    // Each small allocation moves the next thread's block one slot along its
    // size class, until one lands at the misread offset.
    std::vector<std::unique_ptr<char[]>> spacers;
    for (int attempt = 0; attempt < Attempts && landing != Landing::AtMisreadOffset; ++attempt) {
        spacers.push_back(std::make_unique<char[]>(48));
        landing = Landing::Pending;
        pthread_t thread;
        pthread_create(&thread, nullptr, firstUseOfThreadLocals, nullptr);
        while (landing == Landing::Pending)
            std::this_thread::sleep_for(std::chrono::microseconds(100));
        if (landing == Landing::Elsewhere)
            pthread_join(thread, nullptr);
    }
    if (landing != Landing::AtMisreadOffset) {
        std::fprintf(stderr, "no thread-local block landed at offset %ju in %d threads\n",
                     std::uintmax_t(MisreadOffset), Attempts);
        return 3;
    }
    std::fprintf(stderr, "a thread-local block sits at the misread offset; exiting\n");
    return 0;
}
