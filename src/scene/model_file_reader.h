// Model files read on a worker thread. Importing the models and decoding their
// images is the CPU half of loading a level and needs no context, so the game
// has it done while the window, the context and the shaders are made (about a
// fifth of a start-up). The level then builds each model from its files in
// the order it always did; every GL call, console line and asset search that
// can end the game stays on the main thread, where it was.
#pragma once

#include <condition_variable>
#include <cstddef>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "scene/model_files.h"

class ModelFileReader {
public:
    // Starts reading `relativePaths` (asset paths; a path may repeat, once per
    // model built from it) in order, each found from `searchFrom` as the asset
    // search finds it. A path the search does not find once is left to the level.
    ModelFileReader(const std::vector<std::string>& relativePaths, const std::string& searchFrom);
    ~ModelFileReader() { stop(); }
    ModelFileReader(const ModelFileReader&) = delete;
    ModelFileReader& operator=(const ModelFileReader&) = delete;

    // The files of `relativePath` for one model: findAssetFile's search (which
    // ends the game when it finds nothing), then the worker's read of that file,
    // waited for, or a read here when the worker has none.
    PreparedModel take(const std::string& relativePath);

    // Lets the worker finish the file it is reading and read no more. Also run
    // at exit: a fatal error ends the game through exit(), which destroys no
    // locals, and the worker must not be left reading while the statics go.
    void stop();

private:
    struct Entry {
        std::string relativePath;
        int uses = 0;  // models still to be built from it
        bool done = false;
        std::string resolvedPath;  // empty when the worker did not read it
        PreparedModel files;
    };

    void readAll(std::string searchFrom);

    std::vector<Entry> entries;
    std::mutex mutex;
    std::condition_variable entryDone;
    bool stopping = false;
    std::thread worker;
};
