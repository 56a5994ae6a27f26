#version 410 core
// A screen-space quad given in normalised device coordinates (x, y), for
// looking at a texture such as the shadow map.
layout(location = 0) in vec3 aPosition;
layout(location = 2) in vec2 aTexCoords;

out vec2 texCoords;

void main()
{
    texCoords = aTexCoords;
    gl_Position = vec4(aPosition.xy, 0.0, 1.0);
}
