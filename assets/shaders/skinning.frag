#version 410 core
// The skinned skeleton, lit by the same code as the level (lighting.glsl), so
// that it stands in the same torch light.
#include "lighting.glsl"
