#version 410 core
// Render scale below 1: the smaller scene picture stretched over the window,
// read with linear filtering.
in vec2 sceneCoords;

uniform sampler2D scenePicture;

out vec4 fragColor;

void main()
{
    fragColor = vec4(texture(scenePicture, sceneCoords).rgb, 1.0);
}
