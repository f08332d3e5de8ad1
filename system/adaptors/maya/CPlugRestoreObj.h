#pragma once

#include "system/adaptors/maya/CValueRestoreObj.h"

#include <maya/MFnDependencyNode.h>
#include <maya/MObject.h>
#include <maya/MPlug.h>
#include <maya/MString.h>

namespace vex::orb::adaptor::maya {

/// An attribute of a node around an edit: the value from before or after goes back into its plug.
template <typename T>
class CPlugRestoreObj : public CValueRestoreObj<T> {
public:
    CPlugRestoreObj(const MObject& node, const MString& attribute, T before, T after)
        : CValueRestoreObj<T>(before, after), node_(node), attribute_(attribute) {}

protected:
    void Apply(const T& value) override {
        MStatus status;
        MFnDependencyNode node(node_, &status);
        if (!status) return;
        MPlug plug = node.findPlug(attribute_, &status);
        if (status) plug.setValue(value);
    }

private:
    MObject node_;
    MString attribute_;
};

} // namespace vex::orb::adaptor::maya
