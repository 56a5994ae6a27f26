#version 410 core
// The diffuse texture as it is, or the material colour for meshes without one.
in vec2 texCoords;

uniform sampler2D texture_diffuse1;
uniform int hasDiffuseTexture;
uniform vec3 materialColor;

out vec4 fragColor;

void main()
{
    vec3 colour = hasDiffuseTexture == 1 ? texture(texture_diffuse1, texCoords).rgb : materialColor;
    fragColor = vec4(colour, 1.0);
}
