#include "app/lighting.h"

#include <iterator>
#include <utility>

namespace {

// Every torch bracket sits at the same height on its wall.
constexpr float TorchHeight = 3.3f;

// (x, z) of the torches in index order: corridor pairs, the crossings, and
// the four corners of the start room last.
constexpr float TorchPlan[][2] = {
    {0.5f, -12.6f},    {4.4f, -12.4f},    {0.5f, -37.7f},    {4.4f, -37.7f},    {-1.4f, -44.4f},
    {-1.5f, -40.6f},   {0.56f, -47.4f},   {4.36f, -47.3f},   {6.7f, -40.6f},    {6.8f, -44.4f},
    {46.1f, -44.4f},   {46.0f, -40.6f},   {74.8f, -44.4f},   {74.7f, -40.6f},   {103.6f, -44.4f},
    {103.5f, -40.6f},  {105.6f, -46.7f},  {109.4f, -46.8f},  {111.9f, -44.4f},  {111.8f, -40.6f},
    {109.4f, -38.5f},  {105.6f, -38.5f},  {152.0f, -44.4f},  {152.0f, -40.6f},  {183.9f, -44.4f},
    {183.9f, -40.6f},  {208.3f, -44.4f},  {208.3f, -40.6f},  {210.5f, -46.6f},  {214.4f, -46.6f},
    {216.9f, -44.4f},  {216.8f, -40.6f},  {214.4f, -37.6f},  {210.5f, -37.7f},  {210.6f, -89.5f},
    {214.4f, -89.5f},  {210.6f, -118.5f}, {214.4f, -118.3f}, {210.5f, -143.5f}, {214.4f, -143.4f},
    {207.3f, -145.6f}, {207.4f, -149.4f}, {210.6f, -152.0f}, {214.4f, -151.9f}, {216.7f, -149.4f},
    {216.6f, -145.6f}, {210.6f, -194.9f}, {214.4f, -194.8f}, {210.6f, -219.1f}, {214.4f, -219.1f},
    {210.6f, -247.5f}, {208.6f, -250.6f}, {208.6f, -254.4f}, {210.6f, -256.8f}, {214.4f, -256.7f},
    {216.8f, -254.3f}, {8.5f, -9.2f},     {-8.4f, -9.4f},    {-8.5f, 8.4f},     {8.4f, 8.5f},
};

}  // namespace

std::vector<glm::vec3> torchLights()
{
    std::vector<glm::vec3> lights;
    lights.reserve(std::size(TorchPlan));
    for (const auto& plan : TorchPlan)
        lights.emplace_back(plan[0], TorchHeight, plan[1]);
    return lights;
}

LightingConstants levelLightingConstants(std::vector<glm::vec3> torches)
{
    LightingConstants lights;
    lights.torchPositions = std::move(torches);
    lights.lavaMidpoint = LavaMidpoint;
    lights.lavaRadius = LavaRadius;
    lights.lavaLightColor = LavaLightColor;
    lights.torchLightColor = TorchLightColor;
    lights.hazeStart = HazeStart;
    lights.hazeEnd = HazeEnd;
    lights.hazeColor = HazeColor;
    lights.ambientLightColor = AmbientLightColor;
    lights.ambientStrength = AmbientStrength;
    return lights;
}
