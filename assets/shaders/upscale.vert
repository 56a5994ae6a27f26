#version 410 core
// Render scale below 1: one triangle that covers the whole window (its corners
// from the vertex number, no vertex buffer), carrying the scene picture's
// coordinates 0..1 across the window.
out vec2 sceneCoords;

void main()
{
    vec2 corner = vec2(float((gl_VertexID & 1) << 2), float((gl_VertexID & 2) << 1)) - 1.0;
    sceneCoords = corner * 0.5 + 0.5;
    gl_Position = vec4(corner, 0.0, 1.0);
}
