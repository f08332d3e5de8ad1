#pragma once

#include <maya/MObject.h>
#include <maya/MPxNode.h>
#include <maya/MStatus.h>
#include <maya/MTypeId.h>

namespace vex::orb::adaptor::maya {

/// The storage node of the older scene format, registered so that such scenes open. Its instances
/// are not read back: opening skips the node as it skips an unreadable "StorageNode", and deletes it.
class CStorageNode : public MPxNode {
public:
    static constexpr const char* kTypeName = "CStorageNode";
    static const MTypeId kTypeId;

    static void* Creator() { return new CStorageNode; }
    /// Adds the older format's attributes (typed, storable, hidden).
    static MStatus initialize();
};

} // namespace vex::orb::adaptor::maya
