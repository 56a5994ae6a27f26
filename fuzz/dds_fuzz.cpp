// Feeds arbitrary bytes to the DDS header reader and checks that whatever it
// accepts can be uploaded without reading past the end of the file.
#include <cstddef>
#include <cstdint>

#include "framework/dds_header.h"
#include "fuzz_check.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const DdsParseResult result = parseDds(data, size);
    if (result.failure != DdsFailure::None) {
        fuzzCheck(result.width == 0 && result.height == 0 && result.baseLevelSize == 0 &&
                      result.dataOffset == 0,
                  "a refused file gives no numbers");
        return 0;
    }
    fuzzCheck(result.width >= 1 && result.width <= DdsMaxExtentTexels, "width in range");
    fuzzCheck(result.height >= 1 && result.height <= DdsMaxExtentTexels, "height in range");
    fuzzCheck(result.baseLevelSize == compressedLevelSize(result.width, result.height, result.blockBytes),
              "base level size follows from extent and block size");
    fuzzCheck(result.dataOffset <= size && result.baseLevelSize <= size - result.dataOffset,
              "the base level lies inside the file");
    return 0;
}
