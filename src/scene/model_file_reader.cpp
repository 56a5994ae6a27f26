#include "scene/model_file_reader.h"

#include <algorithm>
#include <cstdlib>
#include <utility>

#include "framework/asset_search.h"

namespace {

// The reader whose worker may still run, for the stop at exit (see stop()).
// Only the main thread makes, stops and destroys readers.
ModelFileReader* activeReader = nullptr;

void stopActiveReader()
{
    if (activeReader != nullptr)
        activeReader->stop();
}

}  // namespace

ModelFileReader::ModelFileReader(const std::vector<std::string>& relativePaths, const std::string& searchFrom)
{
    for (const std::string& path : relativePaths) {
        const auto known = std::find_if(entries.begin(), entries.end(),
                                        [&path](const Entry& entry) { return entry.relativePath == path; });
        if (known != entries.end())
            ++known->uses;
        else
            entries.push_back(Entry{path, 1, false, {}, {}});
    }
    static const bool stopsAtExit = std::atexit(stopActiveReader) == 0;
    (void)stopsAtExit;
    activeReader = this;
    worker = std::thread(&ModelFileReader::readAll, this, searchFrom);
}

void ModelFileReader::stop()
{
    {
        const std::lock_guard<std::mutex> lock(mutex);
        stopping = true;
    }
    if (worker.joinable())
        worker.join();
    if (activeReader == this)
        activeReader = nullptr;
}

void ModelFileReader::readAll(std::string searchFrom)
{
    for (Entry& entry : entries) {
        {
            const std::lock_guard<std::mutex> lock(mutex);
            if (stopping)
                break;
        }
        std::string resolved;
        PreparedModel files;
        // No search here may end the game: a missing or doubled file is left to
        // the level's own search, which reports it where it always did.
        const std::vector<std::string> candidates = findCandidatesUpwards(searchFrom, entry.relativePath);
        if (candidates.size() == 1) {
            try {
                files = prepareModelFiles(candidates.front());
                resolved = candidates.front();
            } catch (...) {
                // Out of memory, say: the level reads the file itself and meets it there.
            }
        }
        const std::lock_guard<std::mutex> lock(mutex);
        entry.resolvedPath = std::move(resolved);
        entry.files = std::move(files);
        entry.done = true;
        entryDone.notify_all();
    }
    // Whatever was not reached counts as done and unread.
    const std::lock_guard<std::mutex> lock(mutex);
    for (Entry& entry : entries)
        entry.done = true;
    entryDone.notify_all();
}

PreparedModel ModelFileReader::take(const std::string& relativePath)
{
    const std::string resolved = findAssetFile(relativePath);
    std::unique_lock<std::mutex> lock(mutex);
    const auto entry = std::find_if(entries.begin(), entries.end(), [&relativePath](const Entry& candidate) {
        return candidate.relativePath == relativePath;
    });
    if (entry == entries.end())
        return prepareModelFiles(resolved);
    entryDone.wait(lock, [&entry] { return entry->done; });
    if (entry->resolvedPath != resolved || entry->uses <= 0)
        return prepareModelFiles(resolved);
    // The last model built from these files takes them; the others copy.
    return --entry->uses == 0 ? std::move(entry->files) : entry->files;
}
