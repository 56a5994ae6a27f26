#version 410 core
// Level models and spiders: world-space position, normal and texture
// coordinates for the lighting in model.frag. Static scenery also has a place
// in the static light atlas, in a vertex stream of its own (location 5); when
// the atlas is baked the triangles are drawn at that place instead.
layout(location = 0) in vec3 aPosition;
layout(location = 1) in vec3 aNormal;
layout(location = 2) in vec2 aTexCoords;
layout(location = 5) in vec2 aLightTexCoords;

#include "lighting_modes.glsl"

uniform mat4 viewProjMatrix;
uniform mat4 modelMatrix;
// Defined per program as in lighting.glsl; otherwise a uniform.
#ifndef lightingMode
uniform int lightingMode;
#endif

// Declared, as a stage linked on its own must declare the built-ins it writes.
out gl_PerVertex {
    vec4 gl_Position;
};
out vec3 worldPosition;
out vec3 worldNormal;
out vec2 texCoords;
out vec2 lightTexCoords;

void main()
{
    vec4 world = modelMatrix * vec4(aPosition, 1.0);
    worldPosition = world.xyz;
    // The game's placements are rotations, translations and uniform scales,
    // for which the upper 3x3 keeps normals perpendicular.
    worldNormal = mat3(modelMatrix) * aNormal;
    texCoords = aTexCoords;
    lightTexCoords = aLightTexCoords;
    gl_Position = lightingMode == LIGHTING_BAKE ? vec4(aLightTexCoords * 2.0 - 1.0, 0.0, 1.0)
                                                : viewProjMatrix * world;
}
