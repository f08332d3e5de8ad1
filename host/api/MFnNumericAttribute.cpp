#include "host/api/AttributeFn.h"
#include "host/api/HostConvert.h"
#include "host/scene/ObjectAccess.h"

#include <maya/MFnNumericAttribute.h>

using namespace vex::host;
using convert::report;

namespace {

bool kindOf(MFnNumericData::Type type, AttributeKind& kind) {
    switch (type) {
    case MFnNumericData::kBoolean:
        kind = AttributeKind::kBool;
        return true;
    case MFnNumericData::kByte:
    case MFnNumericData::kChar:
    case MFnNumericData::kShort:
    case MFnNumericData::kLong:
        kind = AttributeKind::kInt;
        return true;
    case MFnNumericData::kFloat:
    case MFnNumericData::kDouble:
        kind = AttributeKind::kDouble;
        return true;
    case MFnNumericData::k3Short:
    case MFnNumericData::k3Long:
    case MFnNumericData::k3Float:
    case MFnNumericData::k3Double:
        kind = AttributeKind::kDouble3;
        return true;
    default:
        return false;
    }
}

} // namespace

MFnNumericAttribute::MFnNumericAttribute(const MObject& object, MStatus* ReturnStatus) {
    report(ReturnStatus, setObject(object));
}

MObject MFnNumericAttribute::create(const MString& fullName, const MString& briefName,
                                    MFnNumericData::Type type, double defaultValue, MStatus* ReturnStatus) {
    AttributeKind kind;
    if (fullName.isEmpty() || !kindOf(type, kind))
        return report(ReturnStatus, convert::failure("a name and a supported numeric type are needed",
                                                     MStatus::kInvalidParameter)),
               MObject();
    const std::string brief = briefName.isEmpty() ? fullName.str() : briefName.str();
    if (kind == AttributeKind::kDouble3)
        return attachAttribute(*this,
                               AttributeDefinition::MakeDouble3(fullName.str(), brief, {"X", "Y", "Z"},
                                                                {"X", "Y", "Z"},
                                                                {defaultValue, defaultValue, defaultValue}),
                               ReturnStatus);
    auto attribute = std::make_shared<AttributeDefinition>(fullName.str(), brief, kind, Value(defaultValue));
    attribute->SetDefault(attribute->Coerce(defaultValue));
    return attachAttribute(*this, attribute, ReturnStatus);
}

MObject MFnNumericAttribute::createColor(const MString& fullName, const MString& briefName,
                                         MStatus* ReturnStatus) {
    const std::string brief = briefName.isEmpty() ? fullName.str() : briefName.str();
    auto attribute =
        AttributeDefinition::MakeDouble3(fullName.str(), brief, {"R", "G", "B"}, {"R", "G", "B"}, {0, 0, 0});
    attribute->usedAsColor = true;
    return attachAttribute(*this, attribute, ReturnStatus);
}

MObject MFnNumericAttribute::createPoint(const MString& fullName, const MString& briefName,
                                         MStatus* ReturnStatus) {
    return create(fullName, briefName, MFnNumericData::k3Double, 0.0, ReturnStatus);
}

MFnNumericData::Type MFnNumericAttribute::unitType(MStatus* ReturnStatus) const {
    auto attribute = ObjectAccess::Attribute(object_);
    report(ReturnStatus, attribute ? MStatus(MStatus::kSuccess) : MStatus(MStatus::kFailure));
    if (!attribute) return MFnNumericData::kInvalid;
    switch (attribute->kind()) {
    case AttributeKind::kBool:
        return MFnNumericData::kBoolean;
    case AttributeKind::kInt:
        return MFnNumericData::kInt;
    case AttributeKind::kDouble:
        return MFnNumericData::kDouble;
    case AttributeKind::kDouble3:
        return MFnNumericData::k3Double;
    default:
        return MFnNumericData::kInvalid;
    }
}

MStatus MFnNumericAttribute::setDefault(bool value) {
    return setDefault(value ? 1.0 : 0.0);
}

MStatus MFnNumericAttribute::setDefault(int value) {
    return setDefault(static_cast<double>(value));
}

MStatus MFnNumericAttribute::setDefault(double value) {
    auto attribute = ObjectAccess::Attribute(object_);
    if (!attribute) return convert::failure("no attribute attached");
    if (attribute->kind() == AttributeKind::kDouble3) return setDefault(value, value, value);
    attribute->SetDefault(attribute->Coerce(value));
    return MStatus::kSuccess;
}

MStatus MFnNumericAttribute::setDefault(double a, double b, double c) {
    auto attribute = ObjectAccess::Attribute(object_);
    if (!attribute || attribute->kind() != AttributeKind::kDouble3)
        return convert::failure("not a numeric triple", MStatus::kInvalidParameter);
    const double values[3] = {a, b, c};
    for (int i = 0; i < 3; ++i) attribute->Children()[i]->SetDefault(values[i]);
    return MStatus::kSuccess;
}

MStatus MFnNumericAttribute::getDefault(double& value) {
    auto attribute = ObjectAccess::Attribute(object_);
    if (!attribute) return convert::failure("no attribute attached");
    value = ToDouble(attribute->DefaultValue());
    return MStatus::kSuccess;
}
