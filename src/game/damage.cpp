#include "game/damage.h"

#include <sstream>

float secondsSince(std::int64_t lastDamageTime, std::int64_t now)
{
    return static_cast<float>(now - lastDamageTime) / static_cast<float>(NanosecondsPerSecond);
}

bool isDamageCooldownOver(std::int64_t lastDamageTime, float cooldownSeconds, std::int64_t now)
{
    return secondsSince(lastDamageTime, now) >= cooldownSeconds;
}

std::string healthLine(float health)
{
    std::ostringstream line;
    line << "Health: " << health;
    return line.str();
}
