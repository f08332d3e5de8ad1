#pragma once

#include "host/api/HostConvert.h"
#include "host/scene/ObjectAccess.h"

#include <maya/MFnBase.h>

namespace vex::host {

/// Attaches an attribute function set to a new attribute and answers the attribute's handle.
inline MObject attachAttribute(MFnBase& fn, const AttributePtr& attribute, MStatus* status) {
    MObject object = ObjectAccess::wrap(attribute);
    convert::report(status, fn.setObject(object));
    return object;
}

/// The attribute a function set is attached to, or null with a failing status.
inline AttributePtr attachedAttribute(const MFnBase& fn, MStatus* status = nullptr) {
    AttributePtr attribute = ObjectAccess::Attribute(fn.object());
    convert::report(status,
                    attribute ? MStatus(MStatus::kSuccess) : convert::failure("no attribute attached"));
    return attribute;
}

/// A new attribute needs a name: the brief name defaults to it.
inline std::string briefOr(const MString& briefName, const MString& fullName) {
    return briefName.isEmpty() ? fullName.str() : briefName.str();
}

} // namespace vex::host
