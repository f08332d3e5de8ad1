#include "host/api/AttributeFn.h"

#include <maya/MFnEnumAttribute.h>

#include <algorithm>

using namespace vex::host;
using convert::report;

namespace {

using Fields = std::vector<std::pair<std::string, int>>;

const std::pair<std::string, int>* byValue(const Fields& fields, int value) {
    auto it =
        std::find_if(fields.begin(), fields.end(), [value](const auto& f) { return f.second == value; });
    return it == fields.end() ? nullptr : &*it;
}

const std::pair<std::string, int>* byName(const Fields& fields, const std::string& name) {
    auto it = std::find_if(fields.begin(), fields.end(), [&name](const auto& f) { return f.first == name; });
    return it == fields.end() ? nullptr : &*it;
}

MStatus noField() {
    return convert::failure("the attribute has no such field", MStatus::kInvalidParameter);
}

// The smallest or largest field value of the attribute.
MStatus extreme(const AttributePtr& attribute, bool largest, short& out) {
    if (!attribute || attribute->fields.empty()) return convert::failure("the attribute has no fields");
    auto less = [](const auto& a, const auto& b) { return a.second < b.second; };
    const auto& fields = attribute->fields;
    out = static_cast<short>((largest ? std::max_element(fields.begin(), fields.end(), less)
                                      : std::min_element(fields.begin(), fields.end(), less))
                                 ->second);
    return MStatus::kSuccess;
}

} // namespace

MFnEnumAttribute::MFnEnumAttribute(const MObject& object, MStatus* ReturnStatus) {
    report(ReturnStatus, setObject(object));
}

MObject MFnEnumAttribute::create(const MString& fullName, const MString& briefName, short defaultValue,
                                 MStatus* ReturnStatus) {
    if (fullName.isEmpty())
        return report(ReturnStatus, convert::failure("a name is needed", MStatus::kInvalidParameter)),
               MObject();
    auto attribute = std::make_shared<AttributeDefinition>(fullName.str(), briefOr(briefName, fullName),
                                                           AttributeKind::kInt, Value(int(defaultValue)));
    attribute->specialType = MFn::kEnumAttribute;
    return attachAttribute(*this, attribute, ReturnStatus);
}

MStatus MFnEnumAttribute::addField(const MString& fieldString, short index) {
    MStatus status;
    const AttributePtr attribute = attachedAttribute(*this, &status);
    if (!attribute) return status;
    if (fieldString.isEmpty() || byName(attribute->fields, fieldString.str()) ||
        byValue(attribute->fields, index))
        return convert::failure("the field \"" + fieldString.str() + "\" or its value is taken",
                                MStatus::kInvalidParameter);
    attribute->fields.emplace_back(fieldString.str(), index);
    return MStatus::kSuccess;
}

MString MFnEnumAttribute::fieldName(short index, MStatus* ReturnStatus) const {
    const AttributePtr attribute = attachedAttribute(*this, ReturnStatus);
    const auto* field = attribute ? byValue(attribute->fields, index) : nullptr;
    if (attribute && !field) report(ReturnStatus, noField());
    return field ? MString(field->first) : MString();
}

short MFnEnumAttribute::fieldIndex(const MString& fieldString, MStatus* ReturnStatus) const {
    const AttributePtr attribute = attachedAttribute(*this, ReturnStatus);
    const auto* field = attribute ? byName(attribute->fields, fieldString.str()) : nullptr;
    if (attribute && !field) report(ReturnStatus, noField());
    return field ? static_cast<short>(field->second) : 0;
}

MStatus MFnEnumAttribute::getMin(short& minValue) const {
    return extreme(attachedAttribute(*this), false, minValue);
}

MStatus MFnEnumAttribute::getMax(short& maxValue) const {
    return extreme(attachedAttribute(*this), true, maxValue);
}

MStatus MFnEnumAttribute::setDefault(short index) {
    MStatus status;
    const AttributePtr attribute = attachedAttribute(*this, &status);
    if (attribute) attribute->SetDefault(int(index));
    return status;
}

MStatus MFnEnumAttribute::setDefault(const MString& fieldName) {
    MStatus status;
    const short value = fieldIndex(fieldName, &status);
    return status ? setDefault(value) : status;
}

MStatus MFnEnumAttribute::getDefault(short& index) const {
    MStatus status;
    const AttributePtr attribute = attachedAttribute(*this, &status);
    if (attribute) index = static_cast<short>(ToInt(attribute->DefaultValue()));
    return status;
}

MString MFnEnumAttribute::defaultValue(MStatus* ReturnStatus) const {
    short index = 0;
    const MStatus status = getDefault(index);
    if (!status) return report(ReturnStatus, status), MString();
    return fieldName(index, ReturnStatus);
}
