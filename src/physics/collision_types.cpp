#include "physics/collision_types.h"

#include <cmath>

bool CapsuleControllerDesc::isValid() const
{
    const bool finite = std::isfinite(position.x) && std::isfinite(position.y) && std::isfinite(position.z) &&
                        std::isfinite(radius) && std::isfinite(height) && std::isfinite(contactOffset) &&
                        std::isfinite(stepOffset) && std::isfinite(slopeLimit);
    if (!finite) {
        return false;
    }
    return radius > 0.0f && height > 0.0f && contactOffset > 0.0f && stepOffset >= 0.0f &&
           stepOffset <= height + 2.0f * radius && slopeLimit >= 0.0f;
}
