#version 410 core
// Physics view: one flat colour per line set.
uniform vec3 lineColor;

out vec4 fragColor;

void main()
{
    fragColor = vec4(lineColor, 1.0);
}
