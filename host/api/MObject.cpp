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

const char* apiTypeName(MFn::Type type) {
    static const char* const names[] = {"kInvalid",
                                        "kBase",
                                        "kNamedObject",
                                        "kDependencyNode",
                                        "kDagNode",
                                        "kWorld",
                                        "kTransform",
                                        "kShape",
                                        "kCamera",
                                        "kGeometric",
                                        "kSurface",
                                        "kMesh",
                                        "kCurve",
                                        "kNurbsCurve",
                                        "kNurbsSurface",
                                        "kShadingEngine",
                                        "kSet",
                                        "kLambert",
                                        "kAnimCurve",
                                        "kAnimCurveTimeToDistance",
                                        "kAnimCurveTimeToAngular",
                                        "kAnimCurveTimeToUnitless",
                                        "kAnimCurveTimeToTime",
                                        "kTime",
                                        "kPluginDependNode",
                                        "kPlugin",
                                        "kAttribute",
                                        "kNumericAttribute",
                                        "kTypedAttribute",
                                        "kCompoundAttribute",
                                        "kMatrixAttribute",
                                        "kMessageAttribute",
                                        "kData",
                                        "kNumericData",
                                        "kStringData",
                                        "kStringArrayData",
                                        "kMatrixData",
                                        "kMeshData",
                                        "kNurbsCurveData",
                                        "kNurbsSurfaceData",
                                        "kDoubleArrayData",
                                        "kIntArrayData",
                                        "kPointArrayData",
                                        "kVectorArrayData",
                                        "kComponent",
                                        "kUnitAttribute",
                                        "kDoubleAngleAttribute",
                                        "kDoubleLinearAttribute",
                                        "kTimeAttribute",
                                        "kEnumAttribute"};
    static_assert(sizeof names / sizeof names[0] == MFn::kLast);
    return type >= 0 && type < MFn::kLast ? names[type] : "kInvalid";
}

const char* MObject::apiTypeStr() const {
    return apiTypeName(apiType());
}
