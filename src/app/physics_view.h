// The physics view (F5): the collision world drawn over the frame as lines, so a
// developer sees what the controllers collide with. Static meshes are drawn as
// wireframe (depth-tested, so only the visible ones show); every controller's
// capsule and its contact-offset skin are drawn over everything, walls included.
//
// Costs nothing until it is first shown: the program and the buffers are made
// on the first draw with the view on. The static edges are uploaded once (the
// meshes never change); the capsules are re-uploaded each frame the view is on.
#pragma once

#include <memory>

#include <glm/mat4x4.hpp>
#include <glm/vec3.hpp>

#include "physics/collider_outlines.h"

class CollisionScene;
class ControllerManager;
class LinesProgram;

// One GL_LINES vertex buffer with its vertex array; deleted with the object.
class LineBuffer {
public:
    LineBuffer();
    ~LineBuffer();
    LineBuffer(const LineBuffer&) = delete;
    LineBuffer& operator=(const LineBuffer&) = delete;

    // Replaces the contents; `usage` is GL_STATIC_DRAW or GL_DYNAMIC_DRAW.
    void upload(const LineList& lines, unsigned usage);
    void draw() const;

private:
    unsigned vertexArray = 0;
    unsigned vertexBuffer = 0;
    int vertexCount = 0;
};

// Line colours of the view (linear RGB).
const glm::vec3 StaticColliderColor{0.2f, 0.9f, 0.3f};
const glm::vec3 CapsuleColor{1.0f, 0.85f, 0.1f};
const glm::vec3 ContactOffsetColor{0.2f, 0.6f, 1.0f};

class PhysicsView {
public:
    // Both must outlive the view. Makes no GL object.
    PhysicsView(const CollisionScene& scene, const ControllerManager& controllers);
    ~PhysicsView();
    PhysicsView(const PhysicsView&) = delete;
    PhysicsView& operator=(const PhysicsView&) = delete;

    // With `shown` false, returns at once without a GL call. Otherwise draws the
    // outlines into the bound framebuffer and restores what it changed: the depth
    // test, the depth function, the current program and the vertex array.
    void draw(const glm::mat4& viewProjection, bool shown);

    // True once the first shown draw has made the program and the buffers.
    bool isBuilt() const { return program != nullptr; }

private:
    void build();

    const CollisionScene& scene;
    const ControllerManager& controllers;
    std::unique_ptr<LinesProgram> program;
    std::unique_ptr<LineBuffer> staticEdges;
    std::unique_ptr<LineBuffer> capsules;
    std::unique_ptr<LineBuffer> contactOffsets;
};
