#version 410 core
// Level models and spiders: world-space position, normal and texture
// coordinates for the lighting in model.frag.
layout(location = 0) in vec3 aPosition;
layout(location = 1) in vec3 aNormal;
layout(location = 2) in vec2 aTexCoords;

uniform mat4 viewProjMatrix;
uniform mat4 modelMatrix;

out vec3 worldPosition;
out vec3 worldNormal;
out vec2 texCoords;

void main()
{
    vec4 world = modelMatrix * vec4(aPosition, 1.0);
    worldPosition = world.xyz;
    // The game's placements are rotations, translations and uniform scales,
    // for which the upper 3x3 keeps normals perpendicular.
    worldNormal = mat3(modelMatrix) * aNormal;
    texCoords = aTexCoords;
    gl_Position = viewProjMatrix * world;
}
