#version 410 core
// Level models and spiders, lit as everything else is (lighting.glsl).
#include "lighting.glsl"
