#include "scene/animation/bone_track.h"

#include <glm/gtc/matrix_transform.hpp>
#include <glm/gtc/quaternion.hpp>

void BoneTrack::updateLocalTransform(float time)
{
    const glm::mat4 identity(1.0f);
    const glm::mat4 translation = glm::translate(identity, samplePosition(positions, time));
    const glm::mat4 rotation = glm::mat4_cast(sampleRotation(rotations, time));
    const glm::mat4 scaling = glm::scale(identity, sampleScale(scales, time));
    localTransform = translation * rotation * scaling;
}
