// The lighting of everything the model and skinning programs draw: warm torch
// pools, the red glow around the lava pit (shadowed by the shadow map), a faint
// ambient term and black haze with distance. The fixed light of the static
// scenery is written once into an atlas by this same code (LIGHTING_BAKE) and
// read back per fragment. model.frag and skinning.frag are this file; the
// shader loader puts it in where they include it.
in vec3 worldPosition;
in vec3 worldNormal;
in vec2 texCoords;
in vec2 lightTexCoords;

const int MAX_LIGHTS = 60;
const int GRID_SLOTS = 8;
// Torches lit per pixel on the static scenery (see staticLightTorches), and
// the base their indices are packed in, two to a channel.
const int STORED_TORCHES = 6;
const int TORCH_SLOT_BITS = 6;
const int TORCH_SLOT_BASE = 1 << TORCH_SLOT_BITS;
const int TORCH_SLOT_MASK = TORCH_SLOT_BASE - 1;  // also the index meaning none
// How far behind a surface's plane (as the cosine of the angle) a torch can
// stand and still light the bumps of a normal map. The brick edges turn nearly
// sideways, so every torch but one straight behind the surface can reach them.
const float BUMP_REACH = 1.0;
// Torch falloff: full strength within a metre or so, half at about 3 units.
const float TORCH_INTENSITY = 3.2;
const float TORCH_FALLOFF = 0.25;
// A fragment this close to a torch is its flame and shows at full colour.
const float FLAME_RADIUS = 0.3;
const float LAVA_INTENSITY = 3.5;
// The lava glow wraps round surfaces a little, so that the floor it grazes reddens.
const float LAVA_WRAP = 0.6;
// Shadow acne guards: push the lookup off the surface, then compare with a margin.
const float SHADOW_NORMAL_OFFSET = 0.04;
const float SHADOW_DEPTH_BIAS = 0.0015;

#include "lighting_modes.glsl"

// The game builds one program per mode with lightingMode defined as that
// mode's number (lighting_mode.h), so that no draw runs the code of the other
// modes; without the definition it is an ordinary uniform.
#ifndef lightingMode
uniform int lightingMode;
#endif
// The static light atlas. The torches that light a texel most are named in
// staticLightTorches and lit here per pixel: a normal map turns brick edges
// right out of the light of a torch that glances along the wall, and towards
// the one on the other side. Each of its x, y and z holds two torch indices,
// first + TORCH_SLOT_BASE * second, TORCH_SLOT_MASK meaning none (read
// unfiltered). The light of any further torches is stored in staticLight as one
// vector (each one's light times its direction, summed), which a normal map
// still turns; its w holds the lava light's strength with its shadow.
uniform sampler2D staticLight;
uniform usampler2D staticLightTorches;

uniform vec3 cameraPos;
uniform mat4 lightSpaceMatrix;
uniform sampler2D shadowMap;
uniform int enableHaze;

uniform int numLights;
uniform vec3 lightPositions[MAX_LIGHTS];
uniform vec3 lavaMidpoint;
uniform float lavaRadius;
uniform vec3 lavaLightColor;
uniform vec3 lightColor;
uniform float hazeStart;
uniform float hazeEnd;
uniform vec3 hazeColor;
uniform vec3 ambientLightColor;
uniform float ambientStrength;

// Which torches reach each 2-D cell of the floor plan (see light_grid.h).
uniform sampler2D lightGrid;
uniform vec3 lightGridOrigin;
uniform float lightGridCellSize;
uniform float lightRange;

uniform sampler2D texture_diffuse1;
uniform sampler2D normalMap1;
uniform int hasDiffuseTexture;
uniform int hasNormalMap;
uniform vec3 materialColor;

layout(location = 0) out vec4 fragColor;
// Written only when baking: the atlas's second layer (whole numbers).
layout(location = 1) out uvec4 bakedTorches;

// What main() reads and derives at its top, before its first branch: screen-
// space derivatives, and the texture reads that take their level of detail
// from them, are undefined inside branches that neighbouring pixels may take
// apart. Both samplers always have an image bound (a stand-in where the mesh has
// none), so the reads are defined; what a mode does not use, the compiler drops.
struct Surface {
    vec3 positionX;  // slopes of the world position and the texture coordinates
    vec3 positionY;
    vec2 uvX;
    vec2 uvY;
    vec3 diffuse;    // texture_diffuse1 here
    vec3 normalMap;  // normalMap1 here, as stored (0 to 1)
};

vec3 baseColour(Surface surface)
{
    return hasDiffuseTexture == 1 ? surface.diffuse : materialColor;
}

vec3 geometricNormal()
{
    float length2 = dot(worldNormal, worldNormal);
    return length2 < 1e-12 ? vec3(0.0) : worldNormal * inversesqrt(length2);
}

// The tangent frame comes from screen-space derivatives, as the vertices carry no tangents.
vec3 surfaceNormal(vec3 n, Surface surface)
{
    if (hasNormalMap != 1 || dot(n, n) == 0.0)
        return n;
    vec3 t = surface.positionX * surface.uvY.y - surface.positionY * surface.uvX.y;
    vec3 b = surface.positionY * surface.uvX.x - surface.positionX * surface.uvY.x;
    float scale = max(dot(t, t), dot(b, b));
    if (scale < 1e-20)
        return n;
    float unit = inversesqrt(scale);
    return normalize(mat3(t * unit, b * unit, n) * (surface.normalMap * 2.0 - 1.0));
}

// Lambert term; a surface without a normal takes light from every side.
float facing(vec3 n, vec3 towardsLight)
{
    return dot(n, n) == 0.0 ? 1.0 : max(dot(n, towardsLight), 0.0);
}

float torchAttenuation(float distance, float distanceSquared)
{
    float edge = clamp(distance / lightRange, 0.0, 1.0);
    float edgeSquared = edge * edge;
    float window = 1.0 - edgeSquared * edgeSquared;
    return TORCH_INTENSITY * window * window / (1.0 + TORCH_FALLOFF * distanceSquared);
}

// What the torches give one fragment: their light as seen by the normal, and
// the same light as vectors (see staticLight).
struct TorchSum {
    float light;
    vec3 pull;          // light times direction, summed over the torches that face the surface
    int brightest[STORED_TORCHES];          // the torches that can give the most light, -1 for none
    float brightestLight[STORED_TORCHES];
    bool flame;
};

void addTorch(int index, vec3 n, inout TorchSum sum)
{
    vec3 offset = lightPositions[index] - worldPosition;
    float distanceSquared = dot(offset, offset);
    if (distanceSquared < FLAME_RADIUS * FLAME_RADIUS) {
        sum.flame = true;
        return;
    }
    float inverseDistance = inversesqrt(distanceSquared);
    vec3 towards = offset * inverseDistance;
    float strength = torchAttenuation(distanceSquared * inverseDistance, distanceSquared);
    float lambert = facing(n, towards);
    sum.light += strength * lambert;
    if (lambert > 0.0)
        sum.pull += strength * towards;
    // Only the bake names the brightest torches.
    if (lightingMode != LIGHTING_BAKE)
        return;
    // Ranked by the light a bumped surface could take from the torch: one just
    // behind the surface's plane still reaches the bumps tilted towards it.
    float reach = strength * (dot(n, towards) + BUMP_REACH);
    if (reach <= 0.0)
        return;
    // Insertion into the ranking, brightest first.
    int carried = index;
    for (int k = 0; k < STORED_TORCHES; ++k) {
        if (reach > sum.brightestLight[k]) {
            int nextIndex = sum.brightest[k];
            float nextReach = sum.brightestLight[k];
            sum.brightest[k] = carried;
            sum.brightestLight[k] = reach;
            carried = nextIndex;
            reach = nextReach;
        }
    }
}

// Light times direction of one torch, as addTorch summed it for normal n.
vec3 torchPull(int index, vec3 n)
{
    vec3 offset = lightPositions[index] - worldPosition;
    float distanceSquared = dot(offset, offset);
    float inverseDistance = inversesqrt(distanceSquared);
    vec3 towards = offset * inverseDistance;
    return facing(n, towards) > 0.0 ? torchAttenuation(distanceSquared * inverseDistance, distanceSquared) * towards
                                    : vec3(0.0);
}

TorchSum noTorches()
{
    int none[STORED_TORCHES] = int[STORED_TORCHES](-1, -1, -1, -1, -1, -1);
    float dark[STORED_TORCHES] = float[STORED_TORCHES](0.0, 0.0, 0.0, 0.0, 0.0, 0.0);
    return TorchSum(0.0, vec3(0.0), none, dark, false);
}

TorchSum torchLight(vec3 n)
{
    TorchSum sum = noTorches();
    if (lightGridCellSize <= 0.0 || lightRange <= 0.0) {
        // No grid uploaded: every light, the slow way.
        for (int i = 0; i < numLights && i < MAX_LIGHTS; ++i)
            addTorch(i, n, sum);
        return sum;
    }
    ivec2 cells = textureSize(lightGrid, 0) / ivec2(2, 1);
    ivec2 cell = ivec2(floor((worldPosition.xz - lightGridOrigin.xz) / lightGridCellSize));
    if (any(lessThan(cell, ivec2(0))) || any(greaterThanEqual(cell, cells)))
        return sum;
    vec4 slots[2] = vec4[2](texelFetch(lightGrid, ivec2(2 * cell.x, cell.y), 0),
                            texelFetch(lightGrid, ivec2(2 * cell.x + 1, cell.y), 0));
    for (int slot = 0; slot < GRID_SLOTS; ++slot) {
        int index = int(slots[slot / 4][slot % 4]);
        if (index < 0 || index >= numLights || index >= MAX_LIGHTS)
            break;
        addTorch(index, n, sum);
    }
    return sum;
}

// 1 where the shadow light reaches the fragment, 0 in full shadow; 3x3 PCF.
// The map has no mipmaps: level 0 is read explicitly, as this runs in branches.
float shadowLight(vec3 n)
{
    vec4 clip = lightSpaceMatrix * vec4(worldPosition + n * SHADOW_NORMAL_OFFSET, 1.0);
    vec3 coords = clip.xyz / clip.w * 0.5 + 0.5;
    // Outside the light's box nothing was drawn into the map: count it as lit.
    if (any(lessThan(coords, vec3(0.0))) || any(greaterThan(coords, vec3(1.0))))
        return 1.0;
    vec2 texel = 1.0 / vec2(textureSize(shadowMap, 0));
    float lit = 0.0;
    for (int x = -1; x <= 1; ++x)
        for (int y = -1; y <= 1; ++y) {
            float nearest = textureLod(shadowMap, coords.xy + vec2(x, y) * texel, 0.0).r;
            lit += coords.z - SHADOW_DEPTH_BIAS > nearest ? 0.0 : 1.0;
        }
    return lit / 9.0;
}

// Strength of the lava light here, shadow included; its colour is lavaLightColor.
float lavaLight(vec3 n)
{
    vec3 offset = lavaMidpoint - worldPosition;
    float distance = length(offset);
    if (lavaRadius <= 0.0 || distance >= lavaRadius)
        return 0.0;
    float fade = 1.0 - distance / lavaRadius;
    vec3 towards = distance > 0.0 ? offset / distance : vec3(0.0, 1.0, 0.0);
    float wrapped = dot(n, n) == 0.0 ? 1.0 : max((dot(n, towards) + LAVA_WRAP) / (1.0 + LAVA_WRAP), 0.0);
    return LAVA_INTENSITY * fade * fade * wrapped * shadowLight(n);
}

// How far the haze has swallowed this fragment: 0 clear, 1 gone.
float hazeAmount()
{
    if (enableHaze != 1)
        return 0.0;
    float distance = length(worldPosition - cameraPos);
    return clamp((distance - hazeStart) / max(hazeEnd - hazeStart, 1e-4), 0.0, 1.0);
}

// The fixed light read back from the atlas, ambient included. Where no torch
// reaches, the normal map could not change anything: it is not read there.
vec3 storedLight(vec3 geometric, Surface surface)
{
    // The atlas has no mipmaps, and this runs in a branch: level 0, explicitly.
    vec4 stored = textureLod(staticLight, lightTexCoords, 0.0);
    ivec2 texel = ivec2(lightTexCoords * vec2(textureSize(staticLightTorches, 0)));
    ivec3 pairs = ivec3(texelFetch(staticLightTorches, texel, 0).xyz);
    if ((pairs.x & TORCH_SLOT_MASK) == TORCH_SLOT_MASK)
        return ambientLightColor * ambientStrength + lavaLightColor * stored.w;
    vec3 n = surfaceNormal(geometric, surface);
    TorchSum torches = noTorches();
    for (int k = 0; k < STORED_TORCHES; ++k) {
        int index = k % 2 == 0 ? pairs[k / 2] & TORCH_SLOT_MASK : pairs[k / 2] >> TORCH_SLOT_BITS;
        if (index >= numLights || index >= MAX_LIGHTS)
            break;
        addTorch(index, n, torches);
    }
    if (torches.flame)
        return vec3(1.0);
    return ambientLightColor * ambientStrength + lightColor * (torches.light + max(dot(n, stored.xyz), 0.0)) +
           lavaLightColor * stored.w;
}

// Every light evaluated for this fragment, ambient included.
vec3 liveLight(vec3 n)
{
    TorchSum torches = torchLight(n);
    if (torches.flame)
        return vec3(1.0);
    return ambientLightColor * ambientStrength + lightColor * torches.light + lavaLightColor * lavaLight(n);
}

void main()
{
    Surface surface = Surface(dFdx(worldPosition), dFdy(worldPosition), dFdx(texCoords), dFdy(texCoords),
                              texture(texture_diffuse1, texCoords).rgb, texture(normalMap1, texCoords).rgb);
    vec3 geometric = geometricNormal();
    if (lightingMode == LIGHTING_BAKE) {
        // The fixed light as the geometric normal sees it; the normal maps
        // shape it when it is read back.
        TorchSum torches = torchLight(geometric);
        vec3 others = torches.pull;
        int slots[STORED_TORCHES];
        for (int k = 0; k < STORED_TORCHES; ++k) {
            int index = torches.brightest[k];
            if (index >= 0)
                others -= torchPull(index, geometric);
            slots[k] = index >= 0 ? index : TORCH_SLOT_MASK;
        }
        fragColor = vec4(others, lavaLight(geometric));
        bakedTorches = uvec4(slots[0] + TORCH_SLOT_BASE * slots[1], slots[2] + TORCH_SLOT_BASE * slots[3],
                             slots[4] + TORCH_SLOT_BASE * slots[5], 0);
        return;
    }
    // Beyond the haze's end nothing of the light shows: skip the lighting,
    // which is most of a corridor view's far half.
    float haze = hazeAmount();
    if (haze >= 1.0) {
        fragColor = vec4(hazeColor, 1.0);
        return;
    }
    vec3 light = vec3(1.0);
    if (lightingMode == LIGHTING_STORED)
        light = storedLight(geometric, surface);
    else if (lightingMode != LIGHTING_NONE)
        light = liveLight(surfaceNormal(geometric, surface));
    fragColor = vec4(mix(baseColour(surface) * light, hazeColor, haze), 1.0);
}
