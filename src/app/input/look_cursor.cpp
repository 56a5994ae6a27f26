#include "app/input/look_cursor.h"

LookCursor::LookCursor(double sensitivity, bool invertY)
    : scale(sensitivity, invertY ? -sensitivity : sensitivity)
{
}

glm::dvec2 LookCursor::mouse(double x, double y)
{
    // Multiplying by one and adding zero leave the window's positions exact.
    const glm::dvec2 scaled(x * scale.x, y * scale.y);
    if (rebaseMouse && last)
        offset = *last - scaled;
    rebaseMouse = false;
    last = scaled + offset;
    return *last;
}

void LookCursor::move(const glm::dvec2& delta, std::vector<glm::dvec2>& events)
{
    if (!last) {
        last = glm::dvec2(0.0);
        events.push_back(*last);
    }
    *last += delta;
    // A mouse position after this one continues from here.
    offset += delta;
    events.push_back(*last);
}
