#include "host/api/HostConvert.h"
#include "host/scene/ObjectAccess.h"
#include "host/scene/ValueData.h"

#include <maya/MFnTypedAttribute.h>

using namespace vex::host;
using convert::report;

namespace {

struct TypeInfo {
    AttributeKind kind;
    MFn::Type dataType;
};

/// How a data type is held: plain values for strings, string arrays and matrices, data objects otherwise.
bool typeInfo(MFnData::Type type, TypeInfo& info) {
    switch (type) {
    case MFnData::kString:
        info = {AttributeKind::kString, MFn::kStringData};
        return true;
    case MFnData::kStringArray:
        info = {AttributeKind::kStringArray, MFn::kStringArrayData};
        return true;
    case MFnData::kMatrix:
        info = {AttributeKind::Matrix, MFn::kMatrixData};
        return true;
    case MFnData::kMesh:
        info = {AttributeKind::Data, MFn::kMeshData};
        return true;
    case MFnData::kNurbsCurve:
        info = {AttributeKind::Data, MFn::kNurbsCurveData};
        return true;
    case MFnData::kNurbsSurface:
        info = {AttributeKind::Data, MFn::kNurbsSurfaceData};
        return true;
    case MFnData::kDoubleArray:
        info = {AttributeKind::Data, MFn::kDoubleArrayData};
        return true;
    case MFnData::kIntArray:
        info = {AttributeKind::Data, MFn::kIntArrayData};
        return true;
    case MFnData::kPointArray:
        info = {AttributeKind::Data, MFn::kPointArrayData};
        return true;
    case MFnData::kVectorArray:
        info = {AttributeKind::Data, MFn::kVectorArrayData};
        return true;
    case MFnData::kPlugin:
    case MFnData::kPluginGeometry:
    case MFnData::kAny:
        info = {AttributeKind::Data, MFn::kData};
        return true;
    default:
        return false;
    }
}

Value emptyValue(AttributeKind kind) {
    switch (kind) {
    case AttributeKind::kString:
        return std::string();
    case AttributeKind::kStringArray:
        return StringList();
    case AttributeKind::Matrix:
        return IdentityMatrix();
    default:
        return Value();
    }
}

/// The default value given by a data object, or false when it does not fit the attribute.
bool defaultFrom(const MObject& data, const AttributeDefinition& attribute, Value& out) {
    if (data.isNull()) {
        out = emptyValue(attribute.kind());
        return true;
    }
    if (auto plain = ObjectAccess::as<ValueData>(data)) {
        if (!attribute.Accepts(plain->value())) return false;
        out = plain->value();
        return true;
    }
    auto object = ObjectAccess::data(data);
    if (!object || attribute.kind() != AttributeKind::Data) return false;
    out = DataPtr(object->Clone());
    return true;
}

} // namespace

MFnTypedAttribute::MFnTypedAttribute(const MObject& object, MStatus* ReturnStatus) {
    report(ReturnStatus, setObject(object));
}

MObject MFnTypedAttribute::create(const MString& fullName, const MString& briefName, MFnData::Type type,
                                  MStatus* ReturnStatus) {
    return create(fullName, briefName, type, MObject::kNullObj, ReturnStatus);
}

MObject MFnTypedAttribute::create(const MString& fullName, const MString& briefName, MFnData::Type type,
                                  const MObject& defaultData, MStatus* ReturnStatus) {
    TypeInfo info;
    if (fullName.isEmpty() || !typeInfo(type, info))
        return report(ReturnStatus, convert::failure("a name and a supported data type are needed",
                                                     MStatus::kInvalidParameter)),
               MObject();
    auto attribute = std::make_shared<AttributeDefinition>(
        fullName.str(), briefName.isEmpty() ? fullName.str() : briefName.str(), info.kind);
    attribute->SetDataType(info.dataType);
    Value value;
    if (!defaultFrom(defaultData, *attribute, value))
        return report(ReturnStatus,
                      convert::failure("the default does not fit the type", MStatus::kInvalidParameter)),
               MObject();
    attribute->SetDefault(value);
    MObject object = ObjectAccess::wrap(attribute);
    report(ReturnStatus, setObject(object));
    return object;
}

MFnData::Type MFnTypedAttribute::attrType(MStatus* ReturnStatus) const {
    auto attribute = ObjectAccess::Attribute(object_);
    report(ReturnStatus, attribute ? MStatus(MStatus::kSuccess) : MStatus(MStatus::kFailure));
    if (!attribute) return MFnData::kInvalid;
    for (int t = MFnData::kInvalid + 1; t < MFnData::kLast; ++t) {
        TypeInfo info;
        if (typeInfo(static_cast<MFnData::Type>(t), info) && info.dataType == attribute->DataType())
            return static_cast<MFnData::Type>(t);
    }
    return MFnData::kInvalid;
}

MStatus MFnTypedAttribute::getDefault(MObject& defaultData) {
    auto attribute = ObjectAccess::Attribute(object_);
    if (!attribute) return convert::failure("no attribute attached");
    auto value = attribute->DefaultValue();
    if (auto* data = std::get_if<DataPtr>(&value))
        defaultData = *data ? ObjectAccess::wrap((*data)->Clone()) : MObject();
    else
        defaultData = ObjectAccess::wrap(std::make_shared<ValueData>(attribute->DataType(), value));
    return MStatus::kSuccess;
}

MStatus MFnTypedAttribute::setDefault(const MObject& defaultData) {
    auto attribute = ObjectAccess::Attribute(object_);
    if (!attribute) return convert::failure("no attribute attached");
    Value value;
    if (!defaultFrom(defaultData, *attribute, value))
        return convert::failure("the default does not fit the type", MStatus::kInvalidParameter);
    attribute->SetDefault(value);
    return MStatus::kSuccess;
}
