#version 410 core
// Lighting of the level: warm torch pools, the red glow around the lava pit
// (shadowed by the shadow map), a faint ambient term and black haze with
// distance. skinning.frag is the same file below its first comment block;
// change both together.
in vec3 worldPosition;
in vec3 worldNormal;
in vec2 texCoords;

const int MAX_LIGHTS = 60;
const int GRID_SLOTS = 8;
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

out vec4 fragColor;

vec3 baseColour()
{
    return hasDiffuseTexture == 1 ? texture(texture_diffuse1, texCoords).rgb : materialColor;
}

// The tangent frame comes from screen-space derivatives, as the vertices carry no tangents.
vec3 surfaceNormal()
{
    float length2 = dot(worldNormal, worldNormal);
    if (length2 < 1e-12)
        return vec3(0.0);
    vec3 n = worldNormal * inversesqrt(length2);
    if (hasNormalMap != 1)
        return n;
    vec3 dp1 = dFdx(worldPosition);
    vec3 dp2 = dFdy(worldPosition);
    vec2 duv1 = dFdx(texCoords);
    vec2 duv2 = dFdy(texCoords);
    vec3 t = dp1 * duv2.y - dp2 * duv1.y;
    vec3 b = dp2 * duv1.x - dp1 * duv2.x;
    float scale = max(dot(t, t), dot(b, b));
    if (scale < 1e-20)
        return n;
    vec3 mapped = texture(normalMap1, texCoords).rgb * 2.0 - 1.0;
    return normalize(mat3(t * inversesqrt(scale), b * inversesqrt(scale), n) * mapped);
}

// Lambert term; a surface without a normal takes light from every side.
float facing(vec3 n, vec3 towardsLight)
{
    return dot(n, n) == 0.0 ? 1.0 : max(dot(n, towardsLight), 0.0);
}

float torchAttenuation(float distance)
{
    float edge = clamp(distance / lightRange, 0.0, 1.0);
    float window = 1.0 - edge * edge * edge * edge;
    return TORCH_INTENSITY * window * window / (1.0 + TORCH_FALLOFF * distance * distance);
}

// Adds one torch; returns true when the fragment is that torch's flame.
bool addTorch(int index, vec3 n, inout vec3 light)
{
    vec3 offset = lightPositions[index] - worldPosition;
    float distance = length(offset);
    if (distance < FLAME_RADIUS)
        return true;
    light += lightColor * torchAttenuation(distance) * facing(n, offset / distance);
    return false;
}

// Torch light at this fragment, and whether it is a flame.
vec3 torchLight(vec3 n, out bool flame)
{
    vec3 light = vec3(0.0);
    flame = false;
    if (lightGridCellSize <= 0.0 || lightRange <= 0.0) {
        // No grid uploaded: every light, the slow way.
        for (int i = 0; i < numLights && i < MAX_LIGHTS; ++i)
            flame = addTorch(i, n, light) || flame;
        return light;
    }
    ivec2 cells = textureSize(lightGrid, 0) / ivec2(2, 1);
    ivec2 cell = ivec2(floor((worldPosition.xz - lightGridOrigin.xz) / lightGridCellSize));
    if (any(lessThan(cell, ivec2(0))) || any(greaterThanEqual(cell, cells)))
        return light;
    vec4 slots[2] = vec4[2](texelFetch(lightGrid, ivec2(2 * cell.x, cell.y), 0),
                            texelFetch(lightGrid, ivec2(2 * cell.x + 1, cell.y), 0));
    for (int slot = 0; slot < GRID_SLOTS; ++slot) {
        int index = int(slots[slot / 4][slot % 4]);
        if (index < 0 || index >= numLights || index >= MAX_LIGHTS)
            break;
        flame = addTorch(index, n, light) || flame;
    }
    return light;
}

// 1 where the shadow light reaches the fragment, 0 in full shadow; 3x3 PCF.
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
            float nearest = texture(shadowMap, coords.xy + vec2(x, y) * texel).r;
            lit += coords.z - SHADOW_DEPTH_BIAS > nearest ? 0.0 : 1.0;
        }
    return lit / 9.0;
}

vec3 lavaLight(vec3 n)
{
    vec3 offset = lavaMidpoint - worldPosition;
    float distance = length(offset);
    if (lavaRadius <= 0.0 || distance >= lavaRadius)
        return vec3(0.0);
    float fade = 1.0 - distance / lavaRadius;
    vec3 towards = distance > 0.0 ? offset / distance : vec3(0.0, 1.0, 0.0);
    float wrapped = dot(n, n) == 0.0 ? 1.0 : max((dot(n, towards) + LAVA_WRAP) / (1.0 + LAVA_WRAP), 0.0);
    return lavaLightColor * LAVA_INTENSITY * fade * fade * wrapped * shadowLight(n);
}

// How far the haze has swallowed this fragment: 0 clear, 1 gone.
float hazeAmount()
{
    if (enableHaze != 1)
        return 0.0;
    float distance = length(worldPosition - cameraPos);
    return clamp((distance - hazeStart) / max(hazeEnd - hazeStart, 1e-4), 0.0, 1.0);
}

void main()
{
    // Beyond the haze's end nothing of the light shows: skip the lighting,
    // which is most of a corridor view's far half.
    float haze = hazeAmount();
    if (haze >= 1.0) {
        fragColor = vec4(hazeColor, 1.0);
        return;
    }
    vec3 base = baseColour();
    vec3 n = surfaceNormal();
    bool flame = false;
    vec3 torches = torchLight(n, flame);
    vec3 light = flame ? vec3(1.0)
                       : ambientLightColor * ambientStrength + torches + lavaLight(n);
    fragColor = vec4(mix(base * light, hazeColor, haze), 1.0);
}
