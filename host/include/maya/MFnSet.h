#pragma once

#include <maya/MDagPath.h>
#include <maya/MFnDependencyNode.h>
#include <maya/MSelectionList.h>

/// Function set for sets (objectSet, and shadingEngine for shading groups): membership. Changes are
/// not undoable.
class MFnSet : public MFnDependencyNode {
public:
    enum Restriction { kNone, kVerticesOnly, kEdgesOnly, kFacetsOnly, kEditPointsOnly, kRenderableOnly };

    MFnSet() = default;
    explicit MFnSet(const MObject& object, MStatus* ReturnStatus = nullptr);

    MFn::Type type() const override { return MFn::kSet; }

    /// Creates a set holding the members and attaches to it: a shading group (shadingEngine) for
    /// kRenderableOnly, an objectSet otherwise.
    MObject create(const MSelectionList& members, Restriction restriction = kNone,
                   MStatus* ReturnStatus = nullptr);

    MStatus addMember(const MDagPath& path, const MObject& component = MObject::kNullObj);
    MStatus addMember(const MObject& node);
    MStatus addMembers(const MSelectionList& list);
    MStatus removeMember(const MDagPath& path, const MObject& component);
    MStatus removeMember(const MObject& node);
    MStatus clear();
    /// The members in the order they were added.
    MStatus getMembers(MSelectionList& members, bool flatten) const;
    /// Whether the node at the path is a member; components are not told apart here.
    bool isMember(const MDagPath& path, const MObject& component = MObject::kNullObj,
                  MStatus* ReturnStatus = nullptr) const;
    bool isMember(const MObject& node, MStatus* ReturnStatus = nullptr) const;
    Restriction restriction(MStatus* ReturnStatus = nullptr) const;
};
