#version 410 core
// A plain textured model without lighting.
layout(location = 0) in vec3 aPosition;
layout(location = 2) in vec2 aTexCoords;

uniform mat4 viewProjMatrix;
uniform mat4 modelMatrix;

out vec2 texCoords;

void main()
{
    texCoords = aTexCoords;
    gl_Position = viewProjMatrix * modelMatrix * vec4(aPosition, 1.0);
}
