#include "physics/capsule_queries.h"

#include <algorithm>
#include <cmath>

#include <glm/geometric.hpp>

#include "physics/capsule_geometry.h"
#include "physics/character_controller.h"
#include "physics/collision_filters.h"
#include "physics/static_mesh_collider.h"

namespace {

// Hits this close to the best one (relative to max(1, distance)) count as simultaneous.
constexpr double SimultaneousHitWindow = 1e-3;
// Below this distance from a triangle the winding normal replaces the direction to it.
constexpr double NormalFromPointMinimum = 1e-3;
// A sweep this close to vertical measures from its leading hemisphere's centre.
constexpr double VerticalSweepCosine = 1.0 - 1e-5;
// A contact deeper than this (world units) is a real penetration, not float noise.
constexpr double PenetrationTolerance = 1e-4;

btVector3 toBullet(const glm::dvec3& v)
{
    return btVector3(static_cast<btScalar>(v.x), static_cast<btScalar>(v.y), static_cast<btScalar>(v.z));
}

glm::dvec3 toGlm(const btVector3& v)
{
    return glm::dvec3(v.x(), v.y(), v.z());
}

// One candidate for the closest hit, with what the tie-breaks need.
struct Candidate {
    SweepHit hit;
    const StaticMeshCollider* collider = nullptr;
    int triangleIndex = -1;
    double alignment = 0.0;       // |dot(normal, direction)|
    double centreDistance = 0.0;  // from the reference point at impact to the triangle
};

// Finds the closest hit by the controller's rules rather than Bullet's raw closest.
class SweepCallback : public btCollisionWorld::ConvexResultCallback {
public:
    SweepCallback(const btCollisionObject& self, const glm::dvec3& from, const glm::dvec3& direction,
                  double length, double radius, double height)
        : self(self), from(from), direction(direction), length(length), radius(radius), height(height)
    {
        m_collisionFilterGroup = CharacterFilter;
        m_collisionFilterMask = StaticFilter | CharacterFilter;
    }

    bool needsCollision(btBroadphaseProxy* proxy) const override
    {
        if (proxy->m_clientObject == &self) {
            return false;
        }
        return ConvexResultCallback::needsCollision(proxy);
    }

    btScalar addSingleResult(btCollisionWorld::LocalConvexResult& result, bool) override
    {
        const double distance = static_cast<double>(result.m_hitFraction) * length;
        const btCollisionObject* object = result.m_hitCollisionObject;
        std::optional<Candidate> candidate;
        if (object->getUserIndex() == StaticMeshTag && result.m_localShapeInfo) {
            candidate = triangleCandidate(*object, result.m_localShapeInfo->m_triangleIndex, distance);
        } else if (object->getUserIndex() == ControllerTag) {
            candidate = controllerCandidate(*object, toGlm(result.m_hitNormalLocal), distance);
        }
        if (candidate) {
            consider(*candidate);
        }
        return m_closestHitFraction;
    }

    // Centre of the capsule part that leads the motion, at distance `d` along the sweep.
    glm::dvec3 referencePoint(double d) const
    {
        glm::dvec3 point = from + direction * d;
        if (std::abs(direction.y) >= VerticalSweepCosine) {
            point.y += std::copysign(0.5 * height, direction.y);
        }
        return point;
    }

    std::optional<Candidate> best;

private:
    std::optional<Candidate> triangleCandidate(const btCollisionObject& object, int triangle,
                                               double distance) const
    {
        const auto* collider = static_cast<const StaticMeshCollider*>(object.getUserPointer());
        if (triangle < 0 || static_cast<std::size_t>(triangle) >= collider->triangleCount()) {
            return std::nullopt;
        }
        const glm::dvec3 a = collider->corner(triangle, 0);
        const glm::dvec3 b = collider->corner(triangle, 1);
        const glm::dvec3 c = collider->corner(triangle, 2);
        const glm::dvec3 w = windingNormal(a, b, c);
        // One-sided triangles: a capsule passes through a face from behind.
        if (glm::dot(w, direction) > 0.0) {
            return std::nullopt;
        }
        Candidate candidate;
        candidate.hit.distance = distance;
        candidate.hit.windingNormal = w;
        candidate.hit.highestY = std::max({a.y, b.y, c.y});
        candidate.collider = collider;
        candidate.triangleIndex = triangle;
        candidate.alignment = std::abs(glm::dot(w, direction));
        const glm::dvec3 point = referencePoint(distance);
        candidate.centreDistance = glm::length(point - closestPointOnTriangle(point, a, b, c));
        return candidate;
    }

    std::optional<Candidate> controllerCandidate(const btCollisionObject& object,
                                                 const glm::dvec3& bulletNormal, double distance) const
    {
        const auto* other = static_cast<const CharacterController*>(object.getUserPointer());
        // Controllers that already overlap this one are invisible to it.
        if (capsulesOverlap(from, radius, height, other->getPosition(), other->radius(), other->height())) {
            return std::nullopt;
        }
        const double normalLength = glm::length(bulletNormal);
        if (normalLength <= 0.0) {
            return std::nullopt;
        }
        glm::dvec3 normal = bulletNormal / normalLength;
        if (glm::dot(normal, direction) > 0.0) {
            normal = -normal;
        }
        Candidate candidate;
        candidate.hit.distance = distance;
        candidate.hit.normal = normal;
        candidate.hit.isController = true;
        candidate.alignment = std::abs(glm::dot(normal, direction));
        return candidate;
    }

    static double window(double distance) { return SimultaneousHitWindow * std::max(1.0, distance); }

    static bool isPreferred(const Candidate& a, const Candidate& b)
    {
        if (a.alignment != b.alignment) {
            return a.alignment > b.alignment;
        }
        return a.centreDistance < b.centreDistance;
    }

    void consider(const Candidate& candidate)
    {
        const double d = candidate.hit.distance;
        if (!best || d < best->hit.distance - window(best->hit.distance)) {
            best = candidate;
        } else if (d <= best->hit.distance + window(best->hit.distance)) {
            const double closest = std::min(d, best->hit.distance);
            if (isPreferred(candidate, *best)) {
                best = candidate;
            }
            best->hit.distance = closest;
        } else {
            return;
        }
        // Bullet reports nothing beyond this fraction; keep simultaneous hits coming.
        const double limit = (best->hit.distance + window(best->hit.distance)) / length;
        m_closestHitFraction = static_cast<btScalar>(std::min(1.0, limit));
    }

    const btCollisionObject& self;
    glm::dvec3 from;
    glm::dvec3 direction;
    double length;
    double radius;
    double height;
};

// Collects the deepest penetrating contact of a probe against static meshes.
class DeepestContactCallback : public btCollisionWorld::ContactResultCallback {
public:
    explicit DeepestContactCallback(const btCollisionObject& probe) : probe(probe)
    {
        m_collisionFilterGroup = CharacterFilter;
        m_collisionFilterMask = StaticFilter;
    }

    btScalar addSingleResult(btManifoldPoint& point, const btCollisionObjectWrapper* wrapper0, int, int,
                             const btCollisionObjectWrapper*, int, int) override
    {
        const double depth = -static_cast<double>(point.getDistance());
        if (depth <= PenetrationTolerance || (deepest && depth <= deepest->depth)) {
            return 0;
        }
        // The normal on B points towards A; orient it towards the probe.
        glm::dvec3 normal = toGlm(point.m_normalWorldOnB);
        if (wrapper0->getCollisionObject() != &probe) {
            normal = -normal;
        }
        const double length = glm::length(normal);
        if (length > 0.0) {
            deepest = Penetration{normal / length, depth};
        }
        return 0;
    }

    std::optional<Penetration> deepest;

private:
    const btCollisionObject& probe;
};

}  // namespace

CapsuleQueries::CapsuleQueries(btCollisionWorld& world, const btCollisionObject& self, float radius,
                               float height, float skin)
    : world(world), self(self), radius(radius), height(height), core(radius, height),
      grown(radius + skin, height)
{
    coreProbe.setCollisionShape(&core);
    grownProbe.setCollisionShape(&grown);
}

std::optional<SweepHit> CapsuleQueries::sweep(const glm::dvec3& from, const glm::dvec3& direction,
                                              double length) const
{
    SweepCallback callback(self, from, direction, length, radius, height);
    const btTransform start(btQuaternion::getIdentity(), toBullet(from));
    const btTransform end(btQuaternion::getIdentity(), toBullet(from + direction * length));
    world.convexSweepTest(&core, start, end, callback, 0.0f);
    if (!callback.best) {
        return std::nullopt;
    }
    SweepHit hit = callback.best->hit;
    if (!hit.isController) {
        const StaticMeshCollider& collider = *callback.best->collider;
        const int triangle = callback.best->triangleIndex;
        const glm::dvec3 point = callback.referencePoint(hit.distance);
        const glm::dvec3 offset =
            point - closestPointOnTriangle(point, collider.corner(triangle, 0), collider.corner(triangle, 1),
                                           collider.corner(triangle, 2));
        const double gap = glm::length(offset);
        hit.normal = gap < NormalFromPointMinimum ? hit.windingNormal : offset / gap;
    }
    return hit;
}

std::optional<Penetration> CapsuleQueries::deepestPenetration(btCollisionObject& probe,
                                                              const glm::dvec3& centre) const
{
    probe.setWorldTransform(btTransform(btQuaternion::getIdentity(), toBullet(centre)));
    DeepestContactCallback callback(probe);
    world.contactTest(&probe, callback);
    return callback.deepest;
}

bool CapsuleQueries::penetratesStatic(const glm::dvec3& centre) const
{
    return deepestPenetration(coreProbe, centre).has_value();
}

std::optional<Penetration> CapsuleQueries::deepestSkinPenetration(const glm::dvec3& centre) const
{
    return deepestPenetration(grownProbe, centre);
}
