#include "shapes.h"

#include <glm/geometric.hpp>

#include <cmath>

namespace {

constexpr double Pi = 3.14159265358979323846;

}  // namespace

void addBox(MeshBuilder& mesh, const std::string& material, const glm::dvec3& lo, const glm::dvec3& hi,
            unsigned skipped)
{
    const glm::dvec3 inside = (lo + hi) / 2.0;
    const auto side = [&](unsigned flag, std::vector<glm::dvec3> corners) {
        if (!(skipped & flag))
            mesh.addOutwardFace(material, std::move(corners), inside);
    };
    side(SkipNegX, {{lo.x, lo.y, lo.z}, {lo.x, lo.y, hi.z}, {lo.x, hi.y, hi.z}, {lo.x, hi.y, lo.z}});
    side(SkipPosX, {{hi.x, lo.y, lo.z}, {hi.x, lo.y, hi.z}, {hi.x, hi.y, hi.z}, {hi.x, hi.y, lo.z}});
    side(SkipNegY, {{lo.x, lo.y, lo.z}, {hi.x, lo.y, lo.z}, {hi.x, lo.y, hi.z}, {lo.x, lo.y, hi.z}});
    side(SkipPosY, {{lo.x, hi.y, lo.z}, {hi.x, hi.y, lo.z}, {hi.x, hi.y, hi.z}, {lo.x, hi.y, hi.z}});
    side(SkipNegZ, {{lo.x, lo.y, lo.z}, {hi.x, lo.y, lo.z}, {hi.x, hi.y, lo.z}, {lo.x, hi.y, lo.z}});
    side(SkipPosZ, {{lo.x, lo.y, hi.z}, {hi.x, lo.y, hi.z}, {hi.x, hi.y, hi.z}, {lo.x, hi.y, hi.z}});
}

void addBar(MeshBuilder& mesh, const std::string& material, const glm::dvec3& a, const glm::dvec3& b,
            double halfWidth)
{
    const glm::dvec3 axis = glm::normalize(b - a);
    const glm::dvec3 helper = std::abs(axis.y) < 0.9 ? glm::dvec3(0, 1, 0) : glm::dvec3(1, 0, 0);
    const glm::dvec3 s = glm::normalize(glm::cross(axis, helper)) * halfWidth;
    const glm::dvec3 t = glm::normalize(glm::cross(axis, s)) * halfWidth;
    const glm::dvec3 offsets[4] = {s + t, -s + t, -s - t, s - t};
    const glm::dvec3 inside = (a + b) / 2.0;
    for (int k = 0; k < 4; ++k) {
        const glm::dvec3& o0 = offsets[k];
        const glm::dvec3& o1 = offsets[(k + 1) % 4];
        mesh.addOutwardFace(material, {a + o0, a + o1, b + o1, b + o0}, inside);
    }
    mesh.addOutwardFace(material, {a + offsets[0], a + offsets[1], a + offsets[2], a + offsets[3]}, inside);
    mesh.addOutwardFace(material, {b + offsets[0], b + offsets[1], b + offsets[2], b + offsets[3]}, inside);
}

void addEllipsoid(MeshBuilder& mesh, const std::string& material, const glm::dvec3& centre,
                  const glm::dvec3& radii, int slices, int stacks)
{
    const auto point = [&](int slice, int stack) {
        const double theta = 2.0 * Pi * slice / slices;
        const double phi = Pi * stack / stacks;
        const glm::dvec3 unit(std::sin(phi) * std::cos(theta), std::cos(phi),
                              std::sin(phi) * std::sin(theta));
        return centre + unit * radii;
    };
    for (int j = 0; j < stacks; ++j) {
        for (int i = 0; i < slices; ++i) {
            if (j == 0)
                mesh.addOutwardFace(material, {point(i, 0), point(i, 1), point(i + 1, 1)}, centre);
            else if (j == stacks - 1)
                mesh.addOutwardFace(material, {point(i, j), point(i, j + 1), point(i + 1, j)}, centre);
            else
                mesh.addOutwardFace(
                    material, {point(i, j), point(i, j + 1), point(i + 1, j + 1), point(i + 1, j)}, centre);
        }
    }
}

void addDoublePyramid(MeshBuilder& mesh, const std::string& material, const glm::dvec3& c, double width,
                      double height)
{
    const double h = width / 2.0;
    const glm::dvec3 ring[4] = {c + glm::dvec3(h, 0, 0), c + glm::dvec3(0, 0, h), c + glm::dvec3(-h, 0, 0),
                                c + glm::dvec3(0, 0, -h)};
    const glm::dvec3 top = c + glm::dvec3(0, height / 2.0, 0);
    const glm::dvec3 bottom = c - glm::dvec3(0, height / 2.0, 0);
    for (int k = 0; k < 4; ++k) {
        mesh.addOutwardFace(material, {ring[k], ring[(k + 1) % 4], top}, c);
        mesh.addOutwardFace(material, {ring[k], ring[(k + 1) % 4], bottom}, c);
    }
}
