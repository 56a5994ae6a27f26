#include "scene/model_check/checked_import.h"

#include <algorithm>
#include <fstream>
#include <sstream>
#include <vector>

#include <assimp/BaseImporter.h>
#include <assimp/importerdesc.h>

#include "framework/file_path.h"
#include "scene/model_check/file_extension.h"
#include "scene/model_check/gltf_check.h"
#include "scene/model_check/obj_material_check.h"

using model_check::lowerCaseExtension;

namespace {

// When several of Assimp's readers claim a file's extension (".gltf" is claimed
// by two), Assimp 5.2 asks each whether it recognises the file, and when none
// does it hands the file to every other reader in turn; some of those crash on
// what they get. Such a file is refused instead. With one claimant the reader
// is used as it is, and an unknown extension is left to Assimp's own search.
bool claimingReaderAccepts(const Assimp::Importer& importer, const std::string& path)
{
    const std::string extension = lowerCaseExtension(path);
    if (extension.empty())
        return true;
    std::vector<const Assimp::BaseImporter*> claimants;
    for (std::size_t i = 0; i < importer.GetImporterCount(); ++i) {
        std::istringstream extensions(importer.GetImporterInfo(i)->mFileExtensions);
        for (std::string known; extensions >> known;) {
            if (known == extension)
                claimants.push_back(importer.GetImporter(i));
        }
    }
    if (claimants.size() < 2)
        return true;
    return std::any_of(claimants.begin(), claimants.end(), [&](const Assimp::BaseImporter* reader) {
        return reader->CanRead(path, importer.GetIOHandler(), true);
    });
}

}  // namespace

const aiScene* importCheckedScene(Assimp::Importer& importer, const std::string& path, unsigned flags,
                                  std::string& error)
{
    for (const auto& unsafe : {findUnsafeMaterialLibrary(path), findUnsafeGltf(path)}) {
        if (unsafe) {
            error = *unsafe;
            return nullptr;
        }
    }
    // A file that cannot be opened is left to the importer, whose message says so.
    if (std::ifstream(filePath(path)).good() && !claimingReaderAccepts(importer, path)) {
        error = "No reader for the extension of " + path + " recognises the file";
        return nullptr;
    }
    const aiScene* scene = importer.ReadFile(path, flags);
    if (!scene)
        error = importer.GetErrorString();
    return scene;
}
