#pragma once

#include "interface/CMesh.h"
#include "plugins/carextended/ground/GroundQuery.h"

#include <memory>
#include <vector>

namespace vex::orb {
class CInterface;
class CNode;
} // namespace vex::orb

namespace vex::orb::addon {

/// The collision representation of the ground surfaces: the ground query built from the meshes that are
/// the GravityDirectionMesh's parent or its children, and what it was built from. Problems are told to
/// the user through the core's message box; a car without a ground is simply in the air.
class CollisionObjects {
public:
    /// Message texts.
    static constexpr const char* kNoWorld = "Physics World not created";
    static constexpr const char* kNoGround = "No ground mesh available";
    static constexpr const char* kNotAMesh = "Surface not a mesh";
    static constexpr const char* kInvalid = "Mesh Invalid";
    static constexpr const char* kUnsupported = "UNSUPPORTED SURFACE TYPE";

    CollisionObjects() = default;
    CollisionObjects(const CollisionObjects&) = delete;
    CollisionObjects& operator=(const CollisionObjects&) = delete;
    ~CollisionObjects();

    /// Builds the ground from the surfaces around `gravity` at `t`, with the fast ray caster when `fast`;
    /// without a usable surface in the scene, from `stored` (prepared meshes) when it has any. A ground
    /// whose triangles are those of the last build, for the same node and caster, is kept as it is.
    void Build(CInterface* core, CNode* gravity, double t, bool fast, const std::vector<util::CMesh>& stored);
    /// Moves an animated ground to its surfaces' shapes at `t` (the Bullet ground only); false, with one
    /// message, when a surface is gone.
    bool Update(double t);
    /// Lets go of the ground and the surfaces.
    void Clear();

    /// The ground, or null when there is none.
    const GroundQuery* Query() const { return query_.get(); }
    /// The surfaces' triangles as the scene gave them, one mesh per surface.
    const std::vector<util::CMesh>& Raw() const { return raw_; }
    /// The prepared collision meshes, one per surface.
    const std::vector<util::CMesh>& Prepared() const { return prepared_; }

private:
    // The surfaces found by one build: node objects, triangles as given and prepared.
    struct Surfaces {
        std::vector<CNode*> nodes;
        std::vector<util::CMesh> raw;
        std::vector<util::CMesh> prepared;
    };

    // Adds `node`'s mesh at `t` as a surface to `into`; false (with a message) when it is none.
    bool AddSurface(CNode* node, double t, Surfaces& into) const;
    // Whether `prepared` are the triangles the current ground was built from.
    bool SameGround(const std::vector<util::CMesh>& prepared) const;
    void Tell(const char* text, const char* title = "Warning") const;

    CInterface* core_ = nullptr;
    CNode* gravity_ = nullptr;
    bool fast_ = false;
    bool lost_ = false;
    std::unique_ptr<GroundQuery> query_;
    /// The temporary node objects of the surfaces, handed back to the GravityDirectionMesh at Clear.
    std::vector<CNode*> surfaces_;
    std::vector<util::CMesh> raw_;
    std::vector<util::CMesh> prepared_;
};

} // namespace vex::orb::addon
