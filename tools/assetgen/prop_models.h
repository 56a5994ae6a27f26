// The static and moving props as meshes in world units: torches (one sconce per
// light), the door facade, the lava surface, the podium with its riddle tablet, and
// the spider (feet at y 0, facing +x, centred on its footprint).
#pragma once

#include "mesh_builder.h"
#include "obj_writer.h"

#include <vector>

MeshBuilder buildTorchesMesh();
std::vector<MaterialSpec> torchMaterials();

MeshBuilder buildDoorMesh();
std::vector<MaterialSpec> doorMaterials();

MeshBuilder buildLavaMesh();
std::vector<MaterialSpec> lavaMaterials();

MeshBuilder buildPodiumMesh();
std::vector<MaterialSpec> podiumMaterials();

MeshBuilder buildRiddleMesh();
std::vector<MaterialSpec> riddleMaterials();

MeshBuilder buildSpiderMesh();
std::vector<MaterialSpec> spiderMaterials();
