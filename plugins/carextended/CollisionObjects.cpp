#include "plugins/carextended/CollisionObjects.h"

#include "interface/CInterface.h"
#include "interface/ScopedSnapshot.h"
#include "plugins/carextended/ground/BulletGround.h"
#include "plugins/carextended/ground/FastRayCaster.h"
#include "plugins/carextended/ground/GroundMeshCheck.h"

namespace vex::orb::addon {

CollisionObjects::~CollisionObjects() {
    Clear();
}

void CollisionObjects::Tell(const char* text, const char* title) const {
    if (core_ != nullptr) core_->messageBox(title, text, 0);
}

void CollisionObjects::Clear() {
    query_.reset();
    if (gravity_ != nullptr)
        for (CNode* surface : surfaces_) gravity_->releaseNode(surface);
    surfaces_.clear();
    raw_.clear();
    prepared_.clear();
    gravity_ = nullptr;
    lost_ = false;
}

bool CollisionObjects::AddSurface(CNode* node, double t) {
    ScopedSnapshot<CSnapshot_Mesh> snapshot(core_, node, t);
    if (!snapshot) {
        Tell(kNotAMesh);
        return false;
    }
    // A surface that gives no triangles is empty (invalid below) unless it holds geometry the snapshot
    // cannot turn into triangles.
    util::CMesh mesh;
    if (!snapshot->getTriangles(mesh) && !mesh.vertices.empty()) {
        Tell(kUnsupported);
        return false;
    }
    util::CMesh prepared;
    if (PrepareGroundMesh(mesh, prepared) != GroundMeshStatus::kUsable) {
        Tell(kInvalid);
        return false;
    }
    surfaces_.push_back(node);
    raw_.push_back(std::move(mesh));
    prepared_.push_back(std::move(prepared));
    return true;
}

void CollisionObjects::Build(CInterface* core, CNode* gravity, double t, bool fast,
                             const std::vector<util::CMesh>& stored) {
    Clear();
    core_ = core;
    gravity_ = gravity;
    fast_ = fast;
    if (gravity == nullptr) return;
    // Every candidate is a temporary node object; those that are no surface are handed back at once.
    const auto consider = [&](CNode* candidate) {
        if (candidate != nullptr && !AddSurface(candidate, t)) gravity->releaseNode(candidate);
    };
    consider(gravity->getParent());
    const int children = gravity->getChildCount();
    for (int i = 0; i < children; ++i) consider(gravity->getChild(i));
    if (prepared_.empty()) {
        if (stored.empty()) {
            Tell(kNoGround);
            return;
        }
        prepared_ = stored;
    }
    if (fast)
        query_ = FastRayCaster::Create(prepared_);
    else
        query_ = BulletGround::Create(prepared_);
    if (query_ == nullptr) Tell(kNoWorld, "Error");
}

bool CollisionObjects::Update(double t) {
    if (lost_) return false;
    if (fast_ || query_ == nullptr) return true;
    for (std::size_t i = 0; i < surfaces_.size(); ++i) {
        ScopedSnapshot<CSnapshot_Mesh> snapshot(core_, surfaces_[i], t);
        util::CMesh mesh;
        if (!snapshot || !snapshot->getTriangles(mesh)) {
            lost_ = true;
            Tell(kNoGround);
            return false;
        }
        // Only a surface that moved is handed to the ground again.
        if (mesh.vertices == raw_[i].vertices && mesh.faces == raw_[i].faces) continue;
        util::CMesh prepared;
        if (PrepareGroundMesh(mesh, prepared) != GroundMeshStatus::kUsable ||
            !query_->UpdateSurface(i, prepared)) {
            lost_ = true;
            Tell(kInvalid);
            return false;
        }
        raw_[i] = std::move(mesh);
        prepared_[i] = std::move(prepared);
    }
    return true;
}

} // namespace vex::orb::addon
