#include "framework/default_shader_sources.h"

const char* const DefaultVertexSource = "#version 410\n"
                                        "layout(location = 0) in vec3 position;\n"
                                        "void main() {\n"
                                        "\tgl_Position = vec4(position.x, position.y, position.z, 1);\n"
                                        "}";

const char* const DefaultFragmentSource = "#version 410 \n"
                                          "uniform vec3 fragColor = vec3(0.96, 0.663, 0.722); \n"
                                          "out vec4 color; \n"
                                          "void main() {  \n"
                                          "\tcolor = vec4(fragColor, 1); \n"
                                          "}";
