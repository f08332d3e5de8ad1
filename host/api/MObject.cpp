#include "host/api/ApiTypeNames.h"
#include "host/scene/Object.h"

#include <maya/MObject.h>

const MObject MObject::kNullObj;

MObject::MObject() = default;

bool MObject::isNull() const {
    return !object_;
}

MFn::Type MObject::apiType() const {
    return object_ ? object_->ApiType() : MFn::kInvalid;
}

bool MObject::hasFn(MFn::Type type) const {
    return object_ && object_->HasFn(type);
}

std::span<const ApiTypeEntry> apiTypeEntries() {
    static const ApiTypeEntry entries[] = {
        {MFn::kInvalid, "kInvalid"},
        {MFn::kBase, "kBase"},
        {MFn::kNamedObject, "kNamedObject"},
        {MFn::kDependencyNode, "kDependencyNode"},
        {MFn::kAnimCurve, "kAnimCurve"},
        {MFn::kAnimCurveTimeToAngular, "kAnimCurveTimeToAngular"},
        {MFn::kAnimCurveTimeToDistance, "kAnimCurveTimeToDistance"},
        {MFn::kAnimCurveTimeToTime, "kAnimCurveTimeToTime"},
        {MFn::kAnimCurveTimeToUnitless, "kAnimCurveTimeToUnitless"},
        {MFn::kDagNode, "kDagNode"},
        {MFn::kTransform, "kTransform"},
        {MFn::kWorld, "kWorld"},
        {MFn::kShape, "kShape"},
        {MFn::kCamera, "kCamera"},
        {MFn::kGeometric, "kGeometric"},
        {MFn::kCurve, "kCurve"},
        {MFn::kNurbsCurve, "kNurbsCurve"},
        {MFn::kSurface, "kSurface"},
        {MFn::kNurbsSurface, "kNurbsSurface"},
        {MFn::kMesh, "kMesh"},
        {MFn::kShadingEngine, "kShadingEngine"},
        {MFn::kLambert, "kLambert"},
        {MFn::kPluginDependNode, "kPluginDependNode"},
        {MFn::kSet, "kSet"},
        {MFn::kTime, "kTime"},
        {MFn::kComponent, "kComponent"},
        {MFn::kAttribute, "kAttribute"},
        {MFn::kNumericAttribute, "kNumericAttribute"},
        {MFn::kDoubleAngleAttribute, "kDoubleAngleAttribute"},
        {MFn::kDoubleLinearAttribute, "kDoubleLinearAttribute"},
        {MFn::kTimeAttribute, "kTimeAttribute"},
        {MFn::kEnumAttribute, "kEnumAttribute"},
        {MFn::kUnitAttribute, "kUnitAttribute"},
        {MFn::kTypedAttribute, "kTypedAttribute"},
        {MFn::kCompoundAttribute, "kCompoundAttribute"},
        {MFn::kMatrixAttribute, "kMatrixAttribute"},
        {MFn::kMessageAttribute, "kMessageAttribute"},
        {MFn::kPlugin, "kPlugin"},
        {MFn::kData, "kData"},
        {MFn::kDoubleArrayData, "kDoubleArrayData"},
        {MFn::kIntArrayData, "kIntArrayData"},
        {MFn::kMatrixData, "kMatrixData"},
        {MFn::kMeshData, "kMeshData"},
        {MFn::kNurbsSurfaceData, "kNurbsSurfaceData"},
        {MFn::kNurbsCurveData, "kNurbsCurveData"},
        {MFn::kNumericData, "kNumericData"},
        {MFn::kPointArrayData, "kPointArrayData"},
        {MFn::kStringData, "kStringData"},
        {MFn::kStringArrayData, "kStringArrayData"},
        {MFn::kVectorArrayData, "kVectorArrayData"},
    };
    return entries;
}

const char* apiTypeName(MFn::Type type) {
    for (const ApiTypeEntry& entry : apiTypeEntries())
        if (entry.type == type) return entry.name;
    return "kInvalid";
}

const char* MObject::apiTypeStr() const {
    return apiTypeName(apiType());
}
