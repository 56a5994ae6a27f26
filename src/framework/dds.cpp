#include "dds.h"

#include "framework/console.h"
#include "framework/dds_header.h"
#include "framework/file_path.h"

#include <fstream>
#include <iterator>

namespace {

// The whole file, or nothing when it cannot be opened or read.
bool readWholeFile(const std::string& path, std::vector<std::uint8_t>& bytes)
{
    std::ifstream file(filePath(path), std::ios::binary);
    if (!file)
        return false;
    bytes.assign(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
    return !file.bad();
}

void reportFailure(const std::string& path, const DdsParseResult& header, std::size_t fileBytes)
{
    switch (header.failure) {
    case DdsFailure::Unrecognised:
        printLine("Unable to load DDS image file from path[" + path + "]");
        break;
    case DdsFailure::UnsupportedFormat:
        printLine("Unable to load DDS image file [" + path + "] due to an unsupported format.");
        break;
    case DdsFailure::Truncated:
        printLine("Unable to load DDS image file [" + path + "] because the file (" +
                  std::to_string(fileBytes) + " bytes) ends before the end of its base level.");
        break;
    case DdsFailure::OtherContainer:  // KTX and KMG textures are passed over without a word
    case DdsFailure::None:
        break;
    }
}

}  // namespace

DDSImage loadDDS(const std::string& path)
{
    std::vector<std::uint8_t> bytes;
    if (!readWholeFile(path, bytes)) {
        printLine("Unable to load DDS image file from path[" + path + "]");
        return {};
    }
    const DdsParseResult header = parseDds(bytes.data(), bytes.size());
    if (header.failure != DdsFailure::None) {
        reportFailure(path, header, bytes.size());
        return {};
    }

    // parseDds has checked that the base level lies wholly inside the file.
    DDSImage image;
    const auto first = bytes.begin() + std::ptrdiff_t(header.dataOffset);
    image.data.assign(first, first + std::ptrdiff_t(header.baseLevelSize));
    image.width = std::int32_t(header.width);
    image.height = std::int32_t(header.height);
    image.size = std::int32_t(header.baseLevelSize);
    image.format = header.glFormat;
    return image;
}
