#include "system/adaptors/maya/CStorageNode.h"

#include "system/adaptors/maya/StorageAttributes.h"

#include <maya/MFnData.h>

namespace vex::orb::adaptor::maya {

const MTypeId CStorageNode::kTypeId(0x0010F5C0);

MStatus CStorageNode::initialize() {
    struct Named {
        const char* longName;
        const char* shortName;
        MFnData::Type type; // kInvalid: a 32-bit integer
    };
    static constexpr Named kAttributes[] = {
        {"PluginName", "pluginname", MFnData::kString},
        {"InputValues", "InputValues", MFnData::kString},
        {"CameraName", "cameraname", MFnData::kString},
        {"UserDataSize", "userdatasize", MFnData::kInvalid},
        {"UserData", "userdata", MFnData::kString},
        {"ProfileName", "profilename", MFnData::kString},
        {"ProfileSize", "profilesize", MFnData::kInvalid},
        {"ProfileCustom", "profilecustom", MFnData::kString},
        {"NodeHandles", "nodehandles", MFnData::kStringArray},
        {"NodeNames", "nodenames", MFnData::kStringArray},
        {"ParentHandles", "parenthandles", MFnData::kStringArray},
    };
    for (const Named& named : kAttributes) {
        const MObject attribute =
            named.type == MFnData::kInvalid
                ? StorageAttributes::HiddenInt(named.longName, named.shortName)
                : StorageAttributes::Hidden(named.longName, named.shortName, named.type);
        const MStatus status = addAttribute(attribute);
        if (!status) return status;
    }
    return MS::kSuccess;
}

} // namespace vex::orb::adaptor::maya
