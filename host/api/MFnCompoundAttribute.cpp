#include "host/api/AttributeFn.h"

#include <maya/MFnCompoundAttribute.h>

using namespace vex::host;
using convert::report;

MFnCompoundAttribute::MFnCompoundAttribute(const MObject& object, MStatus* ReturnStatus) {
    report(ReturnStatus, setObject(object));
}

MObject MFnCompoundAttribute::create(const MString& fullName, const MString& briefName,
                                     MStatus* ReturnStatus) {
    if (fullName.isEmpty())
        return report(ReturnStatus, convert::failure("a name is needed", MStatus::kInvalidParameter)),
               MObject();
    return attachAttribute(
        *this, AttributeDefinition::MakeCompound(fullName.str(), briefOr(briefName, fullName), {}),
        ReturnStatus);
}

MStatus MFnCompoundAttribute::addChild(const MObject& child) {
    MStatus status;
    const AttributePtr compound = attachedAttribute(*this, &status);
    const AttributePtr attribute = ObjectAccess::Attribute(child);
    if (!compound) return status;
    if (!attribute || attribute->parent() || attribute == compound)
        return convert::failure("the child must be an attribute without a parent",
                                MStatus::kInvalidParameter);
    for (const AttributePtr& sibling : compound->Children())
        if (sibling->matches(attribute->LongName()) || sibling->matches(attribute->ShortName()))
            return convert::failure("a child is already named " + attribute->LongName(),
                                    MStatus::kInvalidParameter);
    compound->AddChild(attribute);
    return MStatus::kSuccess;
}

unsigned int MFnCompoundAttribute::numChildren(MStatus* ReturnStatus) const {
    const AttributePtr compound = attachedAttribute(*this, ReturnStatus);
    return compound ? static_cast<unsigned int>(compound->Children().size()) : 0u;
}

MObject MFnCompoundAttribute::child(unsigned int index, MStatus* ReturnStatus) const {
    const AttributePtr compound = attachedAttribute(*this, ReturnStatus);
    if (!compound) return MObject();
    if (index >= compound->Children().size())
        return report(ReturnStatus, convert::failure("no such child", MStatus::kInvalidParameter)), MObject();
    return ObjectAccess::wrap(compound->Children()[index]);
}
