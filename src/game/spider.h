// Spiders: creatures that walk back and forth along one horizontal axis and
// turn around at both ends of their patrol. Any side contact of a spider's
// capsule (the player, a wall, another creature) is reported to the caller,
// which turns it into damage.
//
// Distances are world units, speeds units per second, headings degrees.
#pragma once

#include <vector>

#include <glm/vec3.hpp>

#include "game/creature.h"
#include "game/patrol.h"

// Name of every spider's capsule.
constexpr const char* SpiderName = "Spider";
// Height at which a spider is drawn, whatever its capsule's centre height.
constexpr float SpiderDrawnHeight = 1.0f;

class Spider : public Creature {
public:
    float speed = SpiderSpeed;               // units per second along the axis
    glm::vec3 patrolAxis{1.0f, 0.0f, 0.0f};  // horizontal unit vector it walks along
    float patrolDistance = 0.0f;             // how far from the start it walks before turning
    bool reversed = false;                   // true while walking back towards the start

    // Takes `spiderModel` by copy, names its capsule "Spider" and puts it at
    // `start`, to patrol `distance` along unit `axis`. A model without a
    // controller gives a spider that never moves.
    Spider(Model spiderModel, const glm::vec3& start, const glm::vec3& axis, float distance);

    // One frame of patrol along its axis; true when the move touched something
    // at the capsule's side. Turns around (180 degrees) at the ends.
    bool update(float deltaTime);

    // Recomputes modelMatrix from the capsule's x and z at the drawn height.
    void updateMatrix();
};

// Patrols the spiders in order and stops at the first whose move reported a
// side contact; the spiders after it stand still this frame. Returns whether a
// contact happened.
bool updateSpiders(std::vector<Spider>& spiders, float deltaTime);
