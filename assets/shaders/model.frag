#version 410 core
// Level models, spiders and the skinned skeleton, all lit by lighting.glsl.
// model.frag and skinning.frag are the same text on purpose: the game compiles
// a stage once per text, so the level's models and the skeleton share their
// lighting's compiled code.
#include "lighting.glsl"
