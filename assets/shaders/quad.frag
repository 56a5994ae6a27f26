#version 410 core
// Shows the red channel of a texture as grey: a depth map reads as near dark,
// far bright.
in vec2 texCoords;

uniform sampler2D screenTexture;

out vec4 fragColor;

void main()
{
    float value = texture(screenTexture, texCoords).r;
    fragColor = vec4(vec3(value), 1.0);
}
