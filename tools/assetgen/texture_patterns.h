// The procedural pictures of the game's surfaces, all 256 x 256 and tileable:
// stone flags, bricks, wood, planks, lava, chitin, marble, runes, bone and tiles.
// Each is a pure function of fixed seeds, so every run draws the same pixels.
#pragma once

#include "texture_image.h"

constexpr int TextureSize = 256;

// A diffuse picture with the height field its normal map is made from.
struct SurfacePicture {
    Image diffuse;
    HeightField height;
};

Image stoneFlagsPicture();
SurfacePicture brickPicture();
Image woodPicture();
Image planksPicture();
Image lavaPicture();  // one channel
Image chitinPicture();
SurfacePicture marblePicture();
Image runesPicture();  // four channels, fully opaque
Image bonePicture();
Image tilesPicture();
