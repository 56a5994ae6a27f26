// The move of a capsule controller: an up pass (auto-step), a side pass and a down
// pass of collide-and-slide, then the slope rule with its no-climb retry.
#include <algorithm>
#include <cmath>

#include <glm/geometric.hpp>

#include "physics/controller_state.h"

namespace {

// Look-ahead past the skin so that a hit resting exactly at the end of a sweep,
// which Bullet drops, is still found (a walking capsule keeps finding its floor).
constexpr double SweepEndTolerance = 0.002;
// A side displacement component at or below this magnitude counts as zero.
constexpr double ZeroSideComponent = 1e-6;
// Iteration caps of the passes.
constexpr int SlidingIterations = 10;
constexpr int SingleIteration = 1;
// Rounds of pushing out of static geometry.
constexpr int RecoveryRounds = 4;
// Fraction of the settle length used as its minimum step when the length is tiny.
constexpr double SettleMinimumFraction = 0.1;

bool isZeroSide(const glm::dvec3& side)
{
    return std::abs(side.x) <= ZeroSideComponent && std::abs(side.y) <= ZeroSideComponent &&
           std::abs(side.z) <= ZeroSideComponent;
}

bool isZero(const glm::dvec3& v)
{
    return v == glm::dvec3(0.0);
}

bool hasCollided(const PassResult& pass)
{
    return pass.ran && pass.collisions > 0;
}

// An upward move never reports DOWN: its down pass has nothing but the step to undo.
CollisionFlags passFlags(const PassResult& up, const PassResult& side, const PassResult& down, double dy)
{
    CollisionFlags flags = 0;
    flags |= hasCollided(up) ? CollisionUp : 0;
    flags |= hasCollided(side) ? CollisionSides : 0;
    flags |= hasCollided(down) && dy <= 0.0 ? CollisionDown : 0;
    return flags;
}

// Direction that carries on along the surface after a hit: the part of the
// motion tangential to the response normal, not renormalised unless asked, so a
// head-on hit keeps nothing and a grazing one nearly all. Nothing when the
// surface leaves no direction to go.
std::optional<glm::dvec3> slideDirection(const glm::dvec3& direction, glm::dvec3 normal,
                                         const PassOptions& options)
{
    if (options.flattenNormals) {
        normal.y = 0.0;
        const double normalLength = glm::length(normal);
        if (normalLength <= 0.0) {
            return std::nullopt;
        }
        normal /= normalLength;
    }
    glm::dvec3 slide = direction - glm::dot(direction, normal) * normal;
    if (options.renormaliseSlide) {
        const double slideLength = glm::length(slide);
        if (slideLength <= 0.0) {
            return std::nullopt;
        }
        slide /= slideLength;
    }
    return slide;
}

}  // namespace

double CharacterController::Impl::halfExtent() const
{
    return 0.5 * static_cast<double>(desc.height) + static_cast<double>(desc.radius);
}

CollisionFlags CharacterController::Impl::move(const glm::dvec3& displacement, double minDistance)
{
    const glm::dvec3 start = centre;
    AttemptResult result = normalAttempt(displacement, minDistance);
    if (result.isNonWalkable) {
        centre = start;
        result = noClimbAttempt(displacement, minDistance, start.y);
    }
    flags = result.flags;
    syncObject();
    return flags;
}

AttemptResult CharacterController::Impl::normalAttempt(const glm::dvec3& displacement, double minDistance)
{
    const double dy = displacement.y;
    const glm::dvec3 vertical(0.0, dy, 0.0);
    const glm::dvec3 side(displacement.x, 0.0, displacement.z);
    const bool hasSide = !isZeroSide(side);
    // Moving up cancels auto-stepping.
    double step = dy > 0.0 ? 0.0 : static_cast<double>(desc.stepOffset);
    glm::dvec3 up = dy > 0.0 ? vertical : glm::dvec3(0.0);
    glm::dvec3 down = dy <= 0.0 ? vertical : glm::dvec3(0.0);
    if (hasSide) {
        up.y += step;
    }
    const double startY = centre.y;
    const double startBottom = startY - halfExtent();

    PassResult upPass;
    if (!isZero(up)) {
        upPass = runPass(up, {hasSide ? SingleIteration : SlidingIterations, minDistance});
        // Undo no more lift than was actually gained.
        if (upPass.collisions > 0) {
            step = std::min(step, centre.y - startY);
        }
    }
    PassResult sidePass;
    if (hasSide) {
        sidePass = runPass(side, {SlidingIterations, minDistance});
        down.y -= step;
    }
    PassResult downPass;
    if (!isZero(down)) {
        downPass = runPass(down, {SingleIteration, minDistance});
    }

    AttemptResult result;
    result.flags = passFlags(upPass, sidePass, downPass, dy);
    result.isNonWalkable =
        desc.slopeLimit > 0.0f && dy <= 0.0 && endsOnSteepHighTriangle(downPass, startBottom);
    return result;
}

// Steep means walkable-side-up but below the slope limit; high means its top lies
// beyond the step offset above the feet the move started with.
bool CharacterController::Impl::endsOnSteepHighTriangle(const PassResult& down, double startBottom) const
{
    if (!down.lastHit || down.lastHit->isController) {
        return false;
    }
    const SweepHit& hit = *down.lastHit;
    const bool isSteep =
        hit.windingNormal.y >= 0.0 && hit.windingNormal.y < static_cast<double>(desc.slopeLimit);
    return isSteep && hit.highestY > startBottom + static_cast<double>(desc.stepOffset);
}

// The retry after a non-walkable result: no auto-step, and every surface acts as
// a vertical wall so that nothing can be slid up.
AttemptResult CharacterController::Impl::noClimbAttempt(const glm::dvec3& displacement, double minDistance,
                                                        double startY)
{
    const double dy = displacement.y;
    const glm::dvec3 side(displacement.x, 0.0, displacement.z);
    const double startBottom = startY - halfExtent();
    const PassOptions flatSlide{SlidingIterations, minDistance, true};

    AttemptResult result;
    if (!isZeroSide(side) && runPass(side, flatSlide).collisions > 0) {
        result.flags |= CollisionSides;
    }
    PassResult downPass;
    if (dy != 0.0) {
        downPass = runPass(glm::dvec3(0.0, dy, 0.0), {SingleIteration, minDistance, true});
    }
    if (downPass.ran && downPass.collisions > 0) {
        result.flags |= CollisionDown;
    }
    if (endsOnSteepHighTriangle(downPass, startBottom)) {
        const double length = std::max(0.0, centre.y - startY) + std::abs(dy);
        const double settleMinimum = length < minDistance ? length * SettleMinimumFraction : minDistance;
        runPass(glm::dvec3(0.0, -length, 0.0), {SlidingIterations, settleMinimum, true, true});
    }
    return result;
}

PassResult CharacterController::Impl::runPass(const glm::dvec3& pass, const PassOptions& options)
{
    const double skin = static_cast<double>(desc.contactOffset);
    PassResult result;
    glm::dvec3 target = centre + pass;
    for (int iteration = 0; iteration < options.maxIterations; ++iteration) {
        const glm::dvec3 toTarget = target - centre;
        const double length = glm::length(toTarget);
        if (length <= options.minDistance) {
            break;
        }
        const glm::dvec3 direction = toTarget / length;
        // Never move against the pass's original direction.
        if (glm::dot(direction, pass) <= 0.0) {
            break;
        }
        result.ran = true;
        const std::optional<SweepHit> hit =
            queries.sweep(centre, direction, length + skin + SweepEndTolerance);
        if (!hit) {
            centre = target;
            break;
        }
        ++result.collisions;
        result.lastHit = hit;
        // A hit at distance 0 is either a real overlap or a gap under a millimetre.
        if (!hit->isController && hit->distance <= 0.0 && queries.penetratesStatic(centre)) {
            recoverFromOverlap();
            break;
        }
        if (hit->distance > skin) {
            centre += direction * std::min(hit->distance - skin, length);
        }
        const std::optional<glm::dvec3> slide = slideDirection(direction, hit->normal, options);
        if (!slide) {
            break;
        }
        target = centre + *slide * glm::length(target - centre);
    }
    return result;
}

// Pushes the centre out of static geometry along the deepest contact; the grown
// probe leaves it about one skin clear. Controllers are never pushed apart.
void CharacterController::Impl::recoverFromOverlap()
{
    for (int round = 0; round < RecoveryRounds; ++round) {
        const std::optional<Penetration> penetration = queries.deepestSkinPenetration(centre);
        if (!penetration) {
            return;
        }
        centre += penetration->normal * penetration->depth;
    }
}
