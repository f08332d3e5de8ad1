#include "host/scene/MeshData.h"
#include "host/scene/ObjectAccess.h"

#include <maya/MFnMeshData.h>

MFnMeshData::MFnMeshData(const MObject& object, MStatus* ReturnStatus) {
    const MStatus status = setObject(object);
    if (ReturnStatus) *ReturnStatus = status;
}

MObject MFnMeshData::create(MStatus* ReturnStatus) {
    object_ = vex::host::ObjectAccess::wrap(std::make_shared<vex::host::MeshData>());
    MSetStatus(ReturnStatus, MStatus::kSuccess);
    return object_;
}
