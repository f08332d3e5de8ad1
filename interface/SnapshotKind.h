#pragma once

#include "interface/CInterface.h"
#include "interface/CSnapshot.h"
#include "interface/CSnapshot_Helper.h"
#include "interface/CSnapshot_Lens.h"
#include "interface/CSnapshot_Mesh.h"

namespace vex::orb {

/// How a snapshot kind is fetched from and handed back to the core.
template <typename T>
struct SnapshotKind;

template <>
struct SnapshotKind<CSnapshot> {
    static CSnapshot* Get(CInterface& core, CNode* node, double t) { return core.getSnapshot(node, t); }
    static void Release(CInterface& core, CSnapshot* snapshot) { core.releaseSnapshot(snapshot); }
};

template <>
struct SnapshotKind<CSnapshot_Lens> {
    static CSnapshot_Lens* Get(CInterface& core, CNode* node, double t) {
        return core.getLensSnapshot(node, t);
    }
    static void Release(CInterface& core, CSnapshot_Lens* snapshot) { core.releaseLensSnapshot(snapshot); }
};

template <>
struct SnapshotKind<CSnapshot_Mesh> {
    static CSnapshot_Mesh* Get(CInterface& core, CNode* node, double t) {
        return core.getMeshSnapshot(node, t);
    }
    static void Release(CInterface& core, CSnapshot_Mesh* snapshot) { core.releaseMeshSnapshot(snapshot); }
};

/// A helper's look has no time: `t` is not used.
template <>
struct SnapshotKind<CSnapshot_Helper> {
    static CSnapshot_Helper* Get(CInterface& core, CNode* node, double t) {
        (void)t;
        return core.getHelperSnapshot(node);
    }
    static void Release(CInterface& core, CSnapshot_Helper* snapshot) {
        core.releaseHelperSnapshot(snapshot);
    }
};

} // namespace vex::orb
