#include "host/api/HostConvert.h"
#include "host/scene/ObjectAccess.h"

#include <maya/MFnAttribute.h>

using namespace vex::host;
using convert::report;

namespace {

AttributePtr attached(const MFnBase& fn, MStatus* status) {
    auto attribute = ObjectAccess::Attribute(fn.object());
    report(status, attribute ? MStatus(MStatus::kSuccess) : convert::failure("no attribute attached"));
    return attribute;
}

bool flag(const MFnBase& fn, bool AttributeDefinition::*member, MStatus* status) {
    auto attribute = attached(fn, status);
    return attribute && (*attribute).*member;
}

/// Sets a flag on the attribute and its children.
MStatus setFlag(const MFnBase& fn, bool AttributeDefinition::*member, bool state) {
    MStatus status;
    auto attribute = attached(fn, &status);
    if (!attribute) return status;
    (*attribute).*member = state;
    for (const auto& child : attribute->Children()) (*child).*member = state;
    return MStatus::kSuccess;
}

} // namespace

MFnAttribute::MFnAttribute(const MObject& object, MStatus* ReturnStatus) {
    report(ReturnStatus, setObject(object));
}

MString MFnAttribute::name(MStatus* ReturnStatus) const {
    auto attribute = attached(*this, ReturnStatus);
    return attribute ? MString(attribute->LongName()) : MString();
}

MString MFnAttribute::shortName(MStatus* ReturnStatus) const {
    auto attribute = attached(*this, ReturnStatus);
    return attribute ? MString(attribute->ShortName()) : MString();
}

MObject MFnAttribute::parent(MStatus* ReturnStatus) const {
    auto attribute = attached(*this, ReturnStatus);
    if (!attribute || !attribute->parent()) return MObject();
    return ObjectAccess::wrap(const_cast<AttributeDefinition*>(attribute->parent())->shared_from_this());
}

bool MFnAttribute::isStorable(MStatus* s) const {
    return flag(*this, &AttributeDefinition::storable, s);
}
MStatus MFnAttribute::setStorable(bool state) {
    return setFlag(*this, &AttributeDefinition::storable, state);
}
bool MFnAttribute::isHidden(MStatus* s) const {
    return flag(*this, &AttributeDefinition::hidden, s);
}
MStatus MFnAttribute::setHidden(bool state) {
    return setFlag(*this, &AttributeDefinition::hidden, state);
}
bool MFnAttribute::isKeyable(MStatus* s) const {
    return flag(*this, &AttributeDefinition::keyable, s);
}
MStatus MFnAttribute::setKeyable(bool state) {
    return setFlag(*this, &AttributeDefinition::keyable, state);
}
bool MFnAttribute::isReadable(MStatus* s) const {
    return flag(*this, &AttributeDefinition::readable, s);
}
MStatus MFnAttribute::setReadable(bool state) {
    return setFlag(*this, &AttributeDefinition::readable, state);
}
bool MFnAttribute::isWritable(MStatus* s) const {
    return flag(*this, &AttributeDefinition::writable, s);
}
MStatus MFnAttribute::setWritable(bool state) {
    return setFlag(*this, &AttributeDefinition::writable, state);
}
bool MFnAttribute::isConnectable(MStatus* s) const {
    return flag(*this, &AttributeDefinition::connectable, s);
}
MStatus MFnAttribute::setConnectable(bool state) {
    return setFlag(*this, &AttributeDefinition::connectable, state);
}
bool MFnAttribute::isUsedAsColor(MStatus* s) const {
    return flag(*this, &AttributeDefinition::usedAsColor, s);
}
MStatus MFnAttribute::setUsedAsColor(bool state) {
    return setFlag(*this, &AttributeDefinition::usedAsColor, state);
}

bool MFnAttribute::isArray(MStatus* ReturnStatus) const {
    attached(*this, ReturnStatus);
    return false;
}

MStatus MFnAttribute::setArray(bool state) {
    MStatus status;
    if (!attached(*this, &status)) return status;
    return state ? convert::failure("array attributes are not offered", MStatus::kNotImplemented)
                 : MStatus(MStatus::kSuccess);
}
