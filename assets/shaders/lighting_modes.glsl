// Where a draw of the model and skinning programs takes its light from: the
// values of "lightingMode". The shaders include this file and so does the
// game's C++ (scene/lighting_mode.h), so the numbers are written only here.
#define LIGHTING_PER_PIXEL 0  // every light evaluated per fragment, for moving things
#define LIGHTING_STORED 1     // the fixed light, read from the static light atlas
#define LIGHTING_BAKE 2       // writes the fixed light into the atlas (start-up)
#define LIGHTING_NONE 3       // base colour only: what lighting costs, measured
