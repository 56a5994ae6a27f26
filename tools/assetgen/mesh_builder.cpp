#include "mesh_builder.h"

#include <glm/common.hpp>
#include <glm/geometric.hpp>

#include <algorithm>
#include <cmath>

namespace {

constexpr double TextureRepeat = 2.0;  // world units per texture repeat

// Newell's normal: robust for any planar polygon, degenerate only for slivers.
glm::dvec3 polygonNormal(const std::vector<FaceCorner>& corners)
{
    glm::dvec3 n(0.0);
    for (size_t i = 0; i < corners.size(); ++i) {
        const glm::dvec3& a = corners[i].position;
        const glm::dvec3& b = corners[(i + 1) % corners.size()].position;
        n += glm::dvec3((a.y - b.y) * (a.z + b.z), (a.z - b.z) * (a.x + b.x), (a.x - b.x) * (a.y + b.y));
    }
    return glm::normalize(n);
}

glm::dvec3 centroid(const std::vector<glm::dvec3>& corners)
{
    glm::dvec3 sum(0.0);
    for (const glm::dvec3& c : corners)
        sum += c;
    return sum / static_cast<double>(corners.size());
}

}  // namespace

glm::dvec2 planarUv(const glm::dvec3& p, const glm::dvec3& n)
{
    const glm::dvec3 a = glm::abs(n);
    if (a.y >= a.x && a.y >= a.z)
        return glm::dvec2(p.x, p.z) / TextureRepeat;
    if (a.x >= a.z)
        return glm::dvec2(n.x > 0 ? -p.z : p.z, p.y) / TextureRepeat;
    return glm::dvec2(n.z > 0 ? p.x : -p.x, p.y) / TextureRepeat;
}

void MeshBuilder::addFace(const std::string& material, const std::vector<glm::dvec3>& corners)
{
    std::vector<FaceCorner> withUv;
    for (const glm::dvec3& c : corners)
        withUv.push_back({c, glm::dvec2(0.0)});
    const glm::dvec3 n = polygonNormal(withUv);
    for (FaceCorner& c : withUv)
        c.uv = planarUv(c.position, n);
    group(material).faces.push_back({withUv, n});
}

void MeshBuilder::addFace(const std::string& material, const std::vector<FaceCorner>& corners)
{
    group(material).faces.push_back({corners, polygonNormal(corners)});
}

void MeshBuilder::addOutwardFace(const std::string& material, std::vector<glm::dvec3> corners,
                                 const glm::dvec3& inside)
{
    std::vector<FaceCorner> probe;
    for (const glm::dvec3& c : corners)
        probe.push_back({c, glm::dvec2(0.0)});
    if (glm::dot(polygonNormal(probe), centroid(corners) - inside) < 0.0)
        std::reverse(corners.begin(), corners.end());
    addFace(material, corners);
}

size_t MeshBuilder::triangleCount() const
{
    size_t count = 0;
    for (const FaceGroup& g : faceGroups)
        for (const Face& f : g.faces)
            count += f.corners.size() - 2;
    return count;
}

FaceGroup& MeshBuilder::group(const std::string& material)
{
    for (FaceGroup& g : faceGroups)
        if (g.material == material)
            return g;
    faceGroups.push_back({material, {}});
    return faceGroups.back();
}
