#version 410 core
// Physics view: collider and capsule outlines in world space.
layout(location = 0) in vec3 aPosition;

uniform mat4 viewProjMatrix;
// Pulls the lines towards the eye by this much of the clip-space depth range, so
// an edge lying on a drawn surface is not hidden by that surface.
uniform float depthBias;

void main()
{
    gl_Position = viewProjMatrix * vec4(aPosition, 1.0);
    gl_Position.z -= depthBias * gl_Position.w;
}
