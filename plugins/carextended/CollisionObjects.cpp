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

bool CollisionObjects::AddSurface(CNode* node, double t, Surfaces& into) const {
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
    into.nodes.push_back(node);
    into.raw.push_back(std::move(mesh));
    into.prepared.push_back(std::move(prepared));
    return true;
}

bool CollisionObjects::SameGround(const std::vector<util::CMesh>& prepared) const {
    if (prepared.size() != prepared_.size()) return false;
    for (std::size_t i = 0; i < prepared.size(); ++i)
        if (prepared[i].vertices != prepared_[i].vertices || prepared[i].faces != prepared_[i].faces)
            return false;
    return true;
}

void CollisionObjects::Build(CInterface* core, CNode* gravity, double t, bool fast,
                             const std::vector<util::CMesh>& stored) {
    const bool hadQuery = query_ != nullptr && core == core_ && gravity == gravity_ && fast == fast_;
    // The node objects of the last build go back first: the new ones may be the same host nodes.
    if (gravity_ != nullptr)
        for (CNode* surface : surfaces_) gravity_->releaseNode(surface);
    surfaces_.clear();
    core_ = core;
    if (gravity == nullptr) {
        Clear();
        return;
    }
    // Every candidate is a temporary node object; those that are no surface are handed back at once.
    Surfaces found;
    const auto consider = [&](CNode* candidate) {
        if (candidate != nullptr && !AddSurface(candidate, t, found)) gravity->releaseNode(candidate);
    };
    consider(gravity->getParent());
    const int children = gravity->getChildCount();
    for (int i = 0; i < children; ++i) consider(gravity->getChild(i));
    if (found.prepared.empty()) found.prepared = stored;
    // The same triangles as the last build's keep its ground: building a caster costs far more than
    // reading the surfaces again.
    const bool reuse = hadQuery && !found.prepared.empty() && SameGround(found.prepared);
    if (!reuse) query_.reset();
    gravity_ = gravity;
    fast_ = fast;
    lost_ = false;
    surfaces_ = std::move(found.nodes);
    raw_ = std::move(found.raw);
    prepared_ = std::move(found.prepared);
    if (reuse) return;
    if (prepared_.empty()) {
        Tell(kNoGround);
        return;
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
