#include "obj_reader.h"

#include <glm/geometric.hpp>

#include <fstream>
#include <sstream>

glm::dvec3 ObjTriangle::normal() const
{
    return glm::normalize(glm::cross(corners[1] - corners[0], corners[2] - corners[0]));
}

glm::dvec3 ObjTriangle::centroid() const
{
    return (corners[0] + corners[1] + corners[2]) / 3.0;
}

std::vector<ObjTriangle> readObjTriangles(const std::string& path, double scale)
{
    std::ifstream file(path);
    std::vector<glm::dvec3> positions;
    std::vector<ObjTriangle> triangles;
    std::string line, material;
    while (std::getline(file, line)) {
        std::istringstream in(line);
        std::string tag;
        in >> tag;
        if (tag == "v") {
            glm::dvec3 p;
            in >> p.x >> p.y >> p.z;
            positions.push_back(p * scale);
        } else if (tag == "usemtl") {
            in >> material;
        } else if (tag == "f") {
            std::vector<int> corners;
            std::string corner;
            while (in >> corner)
                corners.push_back(std::stoi(corner.substr(0, corner.find('/'))) - 1);
            for (size_t k = 1; k + 1 < corners.size(); ++k)
                triangles.push_back(
                    {{positions[corners[0]], positions[corners[k]], positions[corners[k + 1]]}, material});
        }
    }
    return triangles;
}
