#pragma once

#include "interface/CMesh.h"

#include <btBulletCollisionCommon.h>
#include <btBulletDynamicsCommon.h>

#include <memory>
#include <vector>

namespace vex::orb::addon {

/// One ground surface as a static Bullet body: the single-precision triangles, the triangle array over
/// them, the BVH triangle-mesh shape, its motion state and the mass-0 rigid body. The triangles are
/// given in the Bullet world's frame (already moved to its local origin).
class BulletSurface {
public:
    /// Builds the body from a prepared mesh (see PrepareGroundMesh); `index` is stored as the body's
    /// user index, so a ray hit names its surface.
    BulletSurface(const util::CMesh& mesh, int index);
    /// Frees the body, its shape and the triangles (the body must no longer be in a world).
    ~BulletSurface();

    BulletSurface(const BulletSurface&) = delete;
    BulletSurface& operator=(const BulletSurface&) = delete;

    /// Replaces the triangles with those of a prepared mesh: the tree is refitted when the faces are the
    /// same, rebuilt otherwise. The caller refreshes the body's bounds in its world afterwards.
    void Replace(const util::CMesh& mesh);

    /// The rigid body to add to a world.
    btRigidBody* Body() const { return body_.get(); }

    /// Lower corner of the triangles' bounds.
    const btVector3& BoundsMin() const { return boundsMin_; }
    /// Upper corner of the triangles' bounds.
    const btVector3& BoundsMax() const { return boundsMax_; }

    /// True when the last Replace refitted the tree instead of rebuilding it.
    bool WasRefitted() const { return refitted_; }

private:
    void CopyVertices(const util::CMesh& mesh);
    void BuildShape();

    int index_;
    std::vector<btScalar> vertices_;
    std::vector<int> faces_;
    btVector3 boundsMin_;
    btVector3 boundsMax_;
    std::unique_ptr<btTriangleIndexVertexArray> triangles_;
    std::unique_ptr<btBvhTriangleMeshShape> shape_;
    std::unique_ptr<btDefaultMotionState> motionState_;
    std::unique_ptr<btRigidBody> body_;
    bool refitted_ = false;
};

} // namespace vex::orb::addon
