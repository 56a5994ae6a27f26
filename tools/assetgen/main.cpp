// assetgen: writes the game's models, images and DDS textures.
//
//   assetgen <output-root>                         writes <output-root>/assets/...
//   assetgen --draw-map <Map.obj> <picture.png>    top-down picture of a generated map
#include "asset_set.h"
#include "map_drawing.h"

#include <iostream>
#include <string>

namespace {

int usage()
{
    std::cerr << "usage: assetgen <output-root>\n"
                 "       assetgen --draw-map <Map.obj> <picture.png>\n";
    return 2;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc == 4 && std::string(argv[1]) == "--draw-map")
        return drawMapPicture(argv[2], argv[3]) ? 0 : 1;
    if (argc != 2 || std::string(argv[1]).rfind("--", 0) == 0)
        return usage();
    const std::vector<std::string> written = generateAssets(argv[1]);
    std::cout << "assetgen: wrote " << written.size() << " files below " << argv[1] << "/assets" << std::endl;
    return 0;
}
