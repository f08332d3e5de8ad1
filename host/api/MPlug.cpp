#include "host/api/HostConvert.h"
#include "host/scene/ObjectAccess.h"
#include "host/scene/Scene.h"
#include "host/scene/ValueData.h"

#include <maya/MDGContext.h>
#include <maya/MPlug.h>
#include <maya/MPlugArray.h>
#include <maya/MTime.h>

using namespace vex::host;
using convert::report;

namespace {

const MStatus kInvalidPlug(MStatus::kFailure, MString("the plug is null or its node was deleted"));

bool usable(const NodePtr& node, const AttributePtr& attribute) {
    return node && attribute && node->IsAlive() && node->HasAttribute(*attribute);
}

double contextTime(const MDGContext& context) {
    MTime time;
    if (context.isNormal() || !context.getTime(time)) return Scene::Instance().currentTime();
    return time.as(MTime::kSeconds);
}

MFn::Type dataTypeOf(const AttributeDefinition& attribute) {
    switch (attribute.kind()) {
    case AttributeKind::Matrix:
        return MFn::kMatrixData;
    case AttributeKind::kStringArray:
        return MFn::kStringArrayData;
    case AttributeKind::kString:
        return MFn::kStringData;
    default:
        return MFn::kInvalid;
    }
}

} // namespace

MPlug::MPlug() = default;

MPlug::MPlug(const MObject& node, const MObject& attribute)
    : node_(ObjectAccess::node(node)), attribute_(ObjectAccess::Attribute(attribute)) {
    // The attribute need not be on the node yet (a modifier may add it before the plug is used); every
    // use checks that it is.
    if (!node_ || !attribute_) {
        node_.reset();
        attribute_.reset();
    }
}

bool MPlug::isNull(MStatus* ReturnStatus) const {
    report(ReturnStatus, MStatus::kSuccess);
    return !node_ || !attribute_;
}

MObject MPlug::node(MStatus* ReturnStatus) const {
    report(ReturnStatus, node_ ? MStatus(MStatus::kSuccess) : kInvalidPlug);
    return ObjectAccess::wrap(node_);
}

MObject MPlug::attribute(MStatus* ReturnStatus) const {
    report(ReturnStatus, attribute_ ? MStatus(MStatus::kSuccess) : kInvalidPlug);
    return ObjectAccess::wrap(attribute_);
}

MString MPlug::name(MStatus* ReturnStatus) const {
    return partialName(true, false, false, false, false, false, ReturnStatus);
}

MString MPlug::partialName(bool includeNodeName, bool, bool, bool, bool useFullAttributePath,
                           bool useLongNames, MStatus* ReturnStatus) const {
    if (!node_ || !attribute_) return report(ReturnStatus, kInvalidPlug), MString();
    report(ReturnStatus, MStatus::kSuccess);
    auto nameOf = [useLongNames](const AttributeDefinition& a) {
        return useLongNames ? a.LongName() : a.ShortName();
    };
    std::string text = nameOf(*attribute_);
    if (useFullAttributePath && attribute_->parent()) text = nameOf(*attribute_->parent()) + "." + text;
    if (includeNodeName) text = node_->name() + "." + text;
    return MString(text);
}

MString MPlug::info(MStatus* ReturnStatus) const {
    return partialName(true, false, false, false, false, true, ReturnStatus);
}

bool MPlug::isCompound(MStatus* ReturnStatus) const {
    return numChildren(ReturnStatus) > 0;
}

unsigned int MPlug::numChildren(MStatus* ReturnStatus) const {
    if (!attribute_) return report(ReturnStatus, kInvalidPlug), 0u;
    report(ReturnStatus, MStatus::kSuccess);
    return static_cast<unsigned int>(attribute_->Children().size());
}

MPlug MPlug::child(unsigned int index, MStatus* ReturnStatus) const {
    if (!attribute_ || index >= attribute_->Children().size())
        return report(ReturnStatus, MStatus::kInvalidParameter), MPlug();
    report(ReturnStatus, MStatus::kSuccess);
    MPlug plug;
    plug.node_ = node_;
    plug.attribute_ = attribute_->Children()[index];
    return plug;
}

MPlug MPlug::child(const MObject& attribute, MStatus* ReturnStatus) const {
    auto wanted = ObjectAccess::Attribute(attribute);
    if (wanted && attribute_)
        for (unsigned int i = 0; i < attribute_->Children().size(); ++i)
            if (attribute_->Children()[i] == wanted) return child(i, ReturnStatus);
    return report(ReturnStatus, MStatus::kInvalidParameter), MPlug();
}

bool MPlug::isChild(MStatus* ReturnStatus) const {
    if (!attribute_) return report(ReturnStatus, kInvalidPlug), false;
    report(ReturnStatus, MStatus::kSuccess);
    return attribute_->parent() != nullptr;
}

MPlug MPlug::parent(MStatus* ReturnStatus) const {
    if (!attribute_ || !attribute_->parent())
        return report(ReturnStatus, MStatus::kInvalidParameter), MPlug();
    report(ReturnStatus, MStatus::kSuccess);
    MPlug plug;
    plug.node_ = node_;
    plug.attribute_ = node_->FindAttribute(attribute_->parent()->LongName());
    return plug;
}

bool MPlug::isArray(MStatus* ReturnStatus) const {
    report(ReturnStatus, attribute_ ? MStatus(MStatus::kSuccess) : kInvalidPlug);
    return attribute_ && attribute_->perInstance;
}

bool MPlug::isElement(MStatus* ReturnStatus) const {
    return isArray(ReturnStatus);
}

unsigned int MPlug::numElements(MStatus* ReturnStatus) const {
    return isArray(ReturnStatus) ? 1u : 0u;
}

MPlug MPlug::elementByLogicalIndex(unsigned int index, MStatus* ReturnStatus) const {
    if (!isArray(ReturnStatus) || index != 0)
        return report(ReturnStatus, convert::failure("no such array element", MStatus::kInvalidParameter)),
               MPlug();
    return *this;
}

MPlug MPlug::elementByPhysicalIndex(unsigned int index, MStatus* ReturnStatus) const {
    return elementByLogicalIndex(index, ReturnStatus);
}

bool MPlug::isDynamic(MStatus* ReturnStatus) const {
    if (!node_ || !attribute_) return report(ReturnStatus, kInvalidPlug), false;
    report(ReturnStatus, MStatus::kSuccess);
    return node_->IsDynamic(*attribute_);
}

bool MPlug::isNetworked(MStatus* ReturnStatus) const {
    return isConnected(ReturnStatus);
}

bool MPlug::isKeyable(MStatus* ReturnStatus) const {
    if (!attribute_) return report(ReturnStatus, kInvalidPlug), false;
    report(ReturnStatus, MStatus::kSuccess);
    return attribute_->keyable;
}

bool MPlug::isConnected(MStatus* ReturnStatus) const {
    return isDestination(ReturnStatus) || isSource();
}

bool MPlug::isDestination(MStatus* ReturnStatus) const {
    if (!usable(node_, attribute_)) return report(ReturnStatus, kInvalidPlug), false;
    report(ReturnStatus, MStatus::kSuccess);
    return node_->Input(*attribute_) != nullptr;
}

bool MPlug::isSource(MStatus* ReturnStatus) const {
    if (!usable(node_, attribute_)) return report(ReturnStatus, kInvalidPlug), false;
    report(ReturnStatus, MStatus::kSuccess);
    for (const auto& link : node_->Outputs())
        if (link.attribute == attribute_) return true;
    return false;
}

bool MPlug::connectedTo(MPlugArray& array, bool asDst, bool asSrc, MStatus* ReturnStatus) const {
    array.clear();
    if (!usable(node_, attribute_)) return report(ReturnStatus, kInvalidPlug), false;
    report(ReturnStatus, MStatus::kSuccess);
    auto collect = [&](const std::vector<Link>& links) {
        for (const auto& link : links)
            if (link.attribute == attribute_)
                if (auto other = link.other.lock())
                    array.append(MPlug(ObjectAccess::wrap(other), ObjectAccess::wrap(link.otherAttribute)));
    };
    if (asDst) collect(node_->Inputs());
    if (asSrc) collect(node_->Outputs());
    return array.length() > 0;
}

// ---- values ----

namespace {

/// Reads the plug's value at a time, or reports failure.
bool read(const NodePtr& node, const AttributePtr& attribute, double time, Value& out, MStatus* status) {
    if (!usable(node, attribute)) return report(status, kInvalidPlug), false;
    out = Scene::Instance().evaluate(*node, *attribute, time);
    report(status, MStatus::kSuccess);
    return true;
}

bool readNumber(const NodePtr& node, const AttributePtr& attribute, double time, double& out,
                MStatus* status) {
    Value value;
    if (!read(node, attribute, time, value, status)) return false;
    auto kind = attribute->kind();
    if (kind != AttributeKind::kBool && kind != AttributeKind::kInt && kind != AttributeKind::kDouble)
        return report(status,
                      convert::failure("the plug does not hold a number", MStatus::kInvalidParameter)),
               false;
    out = ToDouble(value);
    return true;
}

MStatus write(const NodePtr& node, const AttributePtr& attribute, const Value& value) {
    if (!usable(node, attribute)) return kInvalidPlug;
    if (!Scene::Instance().setValue(node, attribute, value))
        return convert::failure("the value cannot be set on " + node->name() + "." + attribute->LongName(),
                                MStatus::kInvalidParameter);
    return MStatus::kSuccess;
}

} // namespace

MStatus MPlug::getValue(bool& value) const {
    MStatus status;
    value = asBool(&status);
    return status;
}

MStatus MPlug::getValue(int& value) const {
    MStatus status;
    value = asInt(&status);
    return status;
}

MStatus MPlug::getValue(short& value) const {
    MStatus status;
    value = asShort(&status);
    return status;
}

MStatus MPlug::getValue(double& value) const {
    MStatus status;
    value = asDouble(&status);
    return status;
}

MStatus MPlug::getValue(float& value) const {
    MStatus status;
    value = asFloat(&status);
    return status;
}

MStatus MPlug::getValue(MString& value) const {
    MStatus status;
    value = asString(&status);
    return status;
}

MStatus MPlug::getValue(MObject& value) const {
    MStatus status;
    value = asMObject(&status);
    return status;
}

MStatus MPlug::setValue(bool value) {
    return write(node_, attribute_, value);
}
MStatus MPlug::setValue(int value) {
    return write(node_, attribute_, value);
}
MStatus MPlug::setValue(short value) {
    return write(node_, attribute_, static_cast<int>(value));
}
MStatus MPlug::setValue(double value) {
    return write(node_, attribute_, value);
}
MStatus MPlug::setValue(float value) {
    return write(node_, attribute_, static_cast<double>(value));
}
MStatus MPlug::setValue(const MString& value) {
    return write(node_, attribute_, value.str());
}
MStatus MPlug::setValue(const char* value) {
    return write(node_, attribute_, std::string(value ? value : ""));
}

MStatus MPlug::setValue(const MObject& value) {
    if (!usable(node_, attribute_)) return kInvalidPlug;
    if (value.isNull() && attribute_->kind() == AttributeKind::Data) return write(node_, attribute_, Value{});
    if (auto plain = ObjectAccess::as<ValueData>(value)) return write(node_, attribute_, plain->value());
    if (auto data = ObjectAccess::data(value)) return write(node_, attribute_, DataPtr(data->Clone()));
    return convert::failure("the object is not a data value", MStatus::kInvalidParameter);
}

bool MPlug::asBool(MStatus* ReturnStatus) const {
    return asBool(MDGContext::fsNormal, ReturnStatus);
}
int MPlug::asInt(MStatus* ReturnStatus) const {
    return asInt(MDGContext::fsNormal, ReturnStatus);
}
short MPlug::asShort(MStatus* ReturnStatus) const {
    return asShort(MDGContext::fsNormal, ReturnStatus);
}
double MPlug::asDouble(MStatus* ReturnStatus) const {
    return asDouble(MDGContext::fsNormal, ReturnStatus);
}
float MPlug::asFloat(MStatus* ReturnStatus) const {
    return asFloat(MDGContext::fsNormal, ReturnStatus);
}
MString MPlug::asString(MStatus* ReturnStatus) const {
    return asString(MDGContext::fsNormal, ReturnStatus);
}
MObject MPlug::asMObject(MStatus* ReturnStatus) const {
    return asMObject(MDGContext::fsNormal, ReturnStatus);
}

bool MPlug::asBool(const MDGContext& context, MStatus* ReturnStatus) const {
    double value = 0.0;
    return readNumber(node_, attribute_, contextTime(context), value, ReturnStatus) && value != 0.0;
}

int MPlug::asInt(const MDGContext& context, MStatus* ReturnStatus) const {
    double value = 0.0;
    readNumber(node_, attribute_, contextTime(context), value, ReturnStatus);
    return ToInt(value);
}

short MPlug::asShort(const MDGContext& context, MStatus* ReturnStatus) const {
    return static_cast<short>(asInt(context, ReturnStatus));
}

double MPlug::asDouble(const MDGContext& context, MStatus* ReturnStatus) const {
    double value = 0.0;
    readNumber(node_, attribute_, contextTime(context), value, ReturnStatus);
    return value;
}

float MPlug::asFloat(const MDGContext& context, MStatus* ReturnStatus) const {
    return static_cast<float>(asDouble(context, ReturnStatus));
}

MString MPlug::asString(const MDGContext& context, MStatus* ReturnStatus) const {
    Value value;
    if (!read(node_, attribute_, contextTime(context), value, ReturnStatus)) return MString();
    if (auto* text = std::get_if<std::string>(&value)) return MString(*text);
    report(ReturnStatus, convert::failure("the plug does not hold a string", MStatus::kInvalidParameter));
    return MString();
}

MObject MPlug::asMObject(const MDGContext& context, MStatus* ReturnStatus) const {
    Value value;
    if (!read(node_, attribute_, contextTime(context), value, ReturnStatus)) return MObject();
    if (auto* data = std::get_if<DataPtr>(&value))
        return *data ? ObjectAccess::wrap((*data)->Clone()) : MObject();
    if (auto type = dataTypeOf(*attribute_); type != MFn::kInvalid)
        return ObjectAccess::wrap(std::make_shared<ValueData>(type, value));
    report(ReturnStatus, convert::failure("the plug does not hold a data value", MStatus::kInvalidParameter));
    return MObject();
}

bool MPlug::operator==(const MPlug& other) const {
    return node_ == other.node_ && attribute_ == other.attribute_;
}

bool MPlug::operator==(const MObject& attribute) const {
    return attribute_ && attribute_ == ObjectAccess::Attribute(attribute);
}
