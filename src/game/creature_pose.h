// Where and which way a creature is drawn: the heading wrap and the model matrix.
//
// Headings are degrees about +Y in [0, 360); positions are world units.
#pragma once

#include <glm/mat4x4.hpp>
#include <glm/vec3.hpp>

// `degrees` after one wrap: >= 360 loses 360, < 0 gains 360. A single wrap is
// enough because every change the game makes is at most 180 degrees.
float wrapHeading(float degrees);

// World transform of a model at `drawnPosition` turned by `headingDegrees` about +Y.
glm::mat4 creatureMatrix(const glm::vec3& drawnPosition, float headingDegrees);
