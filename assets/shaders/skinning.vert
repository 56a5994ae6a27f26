#version 410 core
// The skinned skeleton: each vertex follows up to four bones, then the
// skeleton's placement. Shares its lighting with the model program.
layout(location = 0) in vec3 aPosition;
layout(location = 1) in vec3 aNormal;
layout(location = 2) in vec2 aTexCoords;
layout(location = 3) in ivec4 aBoneIds;
layout(location = 4) in vec4 aBoneWeights;

const int MAX_BONES = 100;
const int MAX_BONE_INFLUENCE = 4;

uniform mat4 viewProjMatrix;
uniform mat4 modelMatrix;
uniform mat3 normalMatrix;
uniform mat4 finalBonesMatrices[MAX_BONES];

// Declared, as a stage linked on its own must declare the built-ins it writes.
out gl_PerVertex {
    vec4 gl_Position;
};
out vec3 worldPosition;
out vec3 worldNormal;
out vec2 texCoords;
// The skeleton moves: its light is never stored, so it has no atlas place.
out vec2 lightTexCoords;

void main()
{
    mat4 skin = mat4(0.0);
    float total = 0.0;
    for (int i = 0; i < MAX_BONE_INFLUENCE; ++i) {
        int id = aBoneIds[i];
        // -1 marks an empty slot; ids past the array are never stored but are
        // refused here too.
        if (id < 0 || id >= MAX_BONES)
            continue;
        skin += aBoneWeights[i] * finalBonesMatrices[id];
        total += aBoneWeights[i];
    }
    // A vertex no bone holds stays where the file put it.
    if (total <= 0.0)
        skin = mat4(1.0);
    vec4 world = modelMatrix * skin * vec4(aPosition, 1.0);
    worldPosition = world.xyz;
    worldNormal = mat3(modelMatrix) * (normalMatrix * (mat3(skin) * aNormal));
    texCoords = aTexCoords;
    lightTexCoords = vec2(0.0);
    gl_Position = viewProjMatrix * world;
}
