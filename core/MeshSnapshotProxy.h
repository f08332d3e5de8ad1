#pragma once

#include "interface/CSnapshot_Mesh.h"

namespace vex::orb::core {

/// What a tool gets for a node's geometry: a small proxy that forwards every operation to the
/// node's own snapshot, so that the instance can hand the wrapped snapshot back to its node when
/// the tool releases the proxy.
class MeshSnapshotProxy final : public CSnapshot_Mesh {
public:
    /// Wraps `wrapped` (not owned; it stays the node's).
    explicit MeshSnapshotProxy(CSnapshot_Mesh* wrapped) : wrapped_(wrapped) {}

    void setMesh(const util::CMesh& mesh) override { wrapped_->setMesh(mesh); }
    bool getBounds(util::Vector3<double>& min, util::Vector3<double>& max) override {
        return wrapped_->getBounds(min, max);
    }
    bool intersectRay(const util::Vector3<double>& origin, const util::Vector3<double>& direction,
                      util::Vector3<double>& hit, util::Vector3<double>& normal) override {
        return wrapped_->intersectRay(origin, direction, hit, normal);
    }
    bool getTriangles(util::CMesh& mesh) override { return wrapped_->getTriangles(mesh); }
    int extension(int id, void* data) override { return wrapped_->extension(id, data); }
    std::vector<int32_t> getExtensionIds() const override { return wrapped_->getExtensionIds(); }

    /// The node's snapshot.
    CSnapshot_Mesh* GetWrapped() const { return wrapped_; }

private:
    CSnapshot_Mesh* wrapped_;
};

} // namespace vex::orb::core
