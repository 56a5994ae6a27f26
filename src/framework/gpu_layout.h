// Where the game's C++ and its shaders meet: the vertex attribute locations of
// the vertex stages ("layout(location = N) in ...") and the texture units the
// samplers are given. A test reads every vertex stage and holds it to this file.
#pragma once

// Vertex attribute locations, one per stream of a mesh's vertices.
enum VertexAttribute : unsigned {
    AttributePosition = 0,
    AttributeNormal = 1,
    AttributeTexCoords = 2,
    AttributeBoneIds = 3,
    AttributeBoneWeights = 4,
    AttributeLightTexCoords = 5,  // place in the static light atlas, a stream of its own
};

// The name each location has in the vertex stages that read it.
struct VertexAttributeName {
    VertexAttribute location;
    const char* glslName;
};
constexpr VertexAttributeName VertexAttributeNames[] = {
    {AttributePosition, "aPosition"},       {AttributeNormal, "aNormal"},
    {AttributeTexCoords, "aTexCoords"},     {AttributeBoneIds, "aBoneIds"},
    {AttributeBoneWeights, "aBoneWeights"}, {AttributeLightTexCoords, "aLightTexCoords"},
};

// Texture units. A mesh's own textures take units from 0 up, one each, in the
// order of its texture list (the level's meshes have at most two); the textures
// the whole level shares sit above them and stay bound for the run. A mesh with
// more than MeshTextureUnitCount textures would take the shadow map's unit.
// OpenGL 4.1 promises 16 units to a fragment stage.
constexpr int MeshTextureUnitCount = 9;  // units 0 to 8
constexpr int ShadowMapTextureUnit = 9;
constexpr int LightGridTextureUnit = 10;
constexpr int StaticLightTextureUnit = 11;         // the atlas's light layer
constexpr int StaticLightTorchesTextureUnit = 12;  // the atlas's torch layer
