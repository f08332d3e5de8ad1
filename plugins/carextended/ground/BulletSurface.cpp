#include "plugins/carextended/ground/BulletSurface.h"

#include <algorithm>
#include <cstddef>

namespace vex::orb::addon {

BulletSurface::BulletSurface(const util::CMesh& mesh, int index) : index_(index) {
    CopyVertices(mesh);
    faces_.assign(mesh.faces.begin(), mesh.faces.end());
    BuildShape();
}

BulletSurface::~BulletSurface() = default;

void BulletSurface::Replace(const util::CMesh& mesh) {
    const bool sameFaces = mesh.vertices.size() * 3 == vertices_.size() &&
                           std::equal(mesh.faces.begin(), mesh.faces.end(), faces_.begin(), faces_.end());
    CopyVertices(mesh);
    refitted_ = sameFaces;
    if (sameFaces) {
        // The triangle array points into vertices_, which was overwritten in place: only the bounds move.
        shape_->refitTree(boundsMin_, boundsMax_);
        return;
    }
    faces_.assign(mesh.faces.begin(), mesh.faces.end());
    BuildShape();
}

void BulletSurface::CopyVertices(const util::CMesh& mesh) {
    vertices_.resize(mesh.vertices.size() * 3);
    boundsMin_.setValue(BT_LARGE_FLOAT, BT_LARGE_FLOAT, BT_LARGE_FLOAT);
    boundsMax_.setValue(-BT_LARGE_FLOAT, -BT_LARGE_FLOAT, -BT_LARGE_FLOAT);
    for (std::size_t v = 0; v < mesh.vertices.size(); ++v) {
        const btVector3 p(static_cast<btScalar>(mesh.vertices[v].x),
                          static_cast<btScalar>(mesh.vertices[v].y),
                          static_cast<btScalar>(mesh.vertices[v].z));
        vertices_[3 * v] = p.x();
        vertices_[3 * v + 1] = p.y();
        vertices_[3 * v + 2] = p.z();
        boundsMin_.setMin(p);
        boundsMax_.setMax(p);
    }
}

void BulletSurface::BuildShape() {
    btIndexedMesh part;
    part.m_numTriangles = static_cast<int>(faces_.size() / 3);
    part.m_triangleIndexBase = reinterpret_cast<const unsigned char*>(faces_.data());
    part.m_triangleIndexStride = 3 * static_cast<int>(sizeof(int));
    part.m_numVertices = static_cast<int>(vertices_.size() / 3);
    part.m_vertexBase = reinterpret_cast<const unsigned char*>(vertices_.data());
    part.m_vertexStride = 3 * static_cast<int>(sizeof(btScalar));
    part.m_indexType = PHY_INTEGER;
    part.m_vertexType = PHY_FLOAT;

    // The body holds the shape and the shape the array, so they go in that order.
    body_.reset();
    motionState_.reset();
    shape_.reset();
    triangles_ = std::make_unique<btTriangleIndexVertexArray>();
    triangles_->addIndexedMesh(part, PHY_INTEGER);
    shape_ = std::make_unique<btBvhTriangleMeshShape>(triangles_.get(), true, boundsMin_, boundsMax_, true);
    motionState_ = std::make_unique<btDefaultMotionState>();
    const btRigidBody::btRigidBodyConstructionInfo info(0.0, motionState_.get(), shape_.get());
    body_ = std::make_unique<btRigidBody>(info);
    body_->setUserIndex(index_);
}

} // namespace vex::orb::addon
