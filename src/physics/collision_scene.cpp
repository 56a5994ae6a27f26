#include "physics/collision_scene.h"

#include "physics/collision_filters.h"
#include "physics/mesh_cleaning.h"
#include "physics/static_mesh_collider.h"

namespace {

// Float vertices and 32-bit indices, tightly packed.
constexpr int VertexStrideBytes = 3 * sizeof(float);
constexpr int TriangleStrideBytes = 3 * sizeof(std::uint32_t);

void buildBulletObjects(StaticMeshCollider& collider)
{
    btIndexedMesh part;
    part.m_numTriangles = static_cast<int>(collider.triangleCount());
    part.m_triangleIndexBase = reinterpret_cast<const unsigned char*>(collider.indices.data());
    part.m_triangleIndexStride = TriangleStrideBytes;
    part.m_numVertices = static_cast<int>(collider.positions.size());
    part.m_vertexBase = reinterpret_cast<const unsigned char*>(collider.positions.data());
    part.m_vertexStride = VertexStrideBytes;
    part.m_indexType = PHY_INTEGER;
    part.m_vertexType = PHY_FLOAT;
    collider.meshInterface = std::make_unique<btTriangleIndexVertexArray>();
    collider.meshInterface->addIndexedMesh(part, PHY_INTEGER);

    const bool useQuantizedAabbCompression = true;
    const bool buildBvh = true;
    collider.shape = std::make_unique<btBvhTriangleMeshShape>(collider.meshInterface.get(),
                                                              useQuantizedAabbCompression, buildBvh);

    collider.object = std::make_unique<btCollisionObject>();
    collider.object->setCollisionShape(collider.shape.get());
    collider.object->setWorldTransform(btTransform::getIdentity());
    collider.object->setCollisionFlags(btCollisionObject::CF_STATIC_OBJECT);
    collider.object->setUserPointer(&collider);
    collider.object->setUserIndex(StaticMeshTag);
}

}  // namespace

// Member order is construction order; the world goes first on destruction.
struct CollisionScene::Impl {
    btDefaultCollisionConfiguration configuration;
    btCollisionDispatcher dispatcher{&configuration};
    btDbvtBroadphase broadphase;
    btCollisionWorld world{&dispatcher, &broadphase, &configuration};
    std::vector<std::unique_ptr<StaticMeshCollider>> colliders;

    ~Impl()
    {
        for (const auto& collider : colliders) {
            world.removeCollisionObject(collider->object.get());
        }
    }
};

CollisionScene::CollisionScene() : impl(std::make_unique<Impl>()) {}

CollisionScene::~CollisionScene() = default;

StaticMeshCollider* CollisionScene::addStaticMesh(const std::vector<glm::vec3>& positions,
                                                  const std::vector<std::uint32_t>& indices)
{
    std::optional<CleanedMesh> cleaned = cleanTriangleMesh(positions, indices);
    if (!cleaned) {
        return nullptr;
    }
    auto collider = std::make_unique<StaticMeshCollider>();
    collider->positions = std::move(cleaned->positions);
    collider->indices = std::move(cleaned->indices);
    buildBulletObjects(*collider);
    impl->world.addCollisionObject(collider->object.get(), StaticFilter, CharacterFilter);
    impl->colliders.push_back(std::move(collider));
    return impl->colliders.back().get();
}

std::size_t CollisionScene::staticMeshCount() const
{
    return impl->colliders.size();
}

const StaticMeshCollider& CollisionScene::staticMesh(std::size_t index) const
{
    return *impl->colliders.at(index);
}

btCollisionWorld& CollisionScene::world()
{
    return impl->world;
}
