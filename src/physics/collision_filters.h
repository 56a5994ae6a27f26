// Broadphase groups and object tags shared by the collision scene and the controllers.
//
// Static meshes only ever meet character capsules; capsules meet both. The user
// index of every Bullet object says which record its user pointer points to.
#pragma once

// Collision filter groups (bit masks) of the objects in the collision world.
constexpr int StaticFilter = 1 << 0;
constexpr int CharacterFilter = 1 << 1;

// User index of a collision object: its user pointer is a StaticMeshCollider*.
constexpr int StaticMeshTag = 1;
// User index of a collision object: its user pointer is a CharacterController*.
constexpr int ControllerTag = 2;
