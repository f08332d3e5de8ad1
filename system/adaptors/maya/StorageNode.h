#pragma once

#include <maya/MObject.h>
#include <maya/MPxNode.h>
#include <maya/MStatus.h>
#include <maya/MTypeId.h>

namespace vex::orb::adaptor::maya {

/// The hidden node that carries the core's state in a scene file. It exists only while Maya writes
/// the file: made before the save, deleted after it, read and deleted after an open.
class StorageNode : public MPxNode {
public:
    static constexpr const char* kTypeName = "StorageNode";
    /// Type id from the prefix 0x10F5C0 and id 1.
    static const MTypeId kTypeId;

    static MObject adaptorName_;  ///< "AdaptorName": the adaptor's display name
    static MObject adaptorState_; ///< "AdaptorState": Base64 of the core's state element's text
    static MObject nodeHandles_;  ///< "NodeHandles": reserved, written empty

    static void* Creator() { return new StorageNode; }
    /// Adds the three attributes: typed, storable, hidden.
    static MStatus initialize();
};

} // namespace vex::orb::adaptor::maya
