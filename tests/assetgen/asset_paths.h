// Where the tests find the committed assets: the source tree, never a build folder.
#pragma once

#include <string>

inline std::string committedAsset(const std::string& relative) {
    return std::string(KORVEL_SOURCE_DIR) + "/" + relative;
}
