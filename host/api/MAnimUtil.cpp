#include "host/api/FnAccess.h"

#include <maya/MAnimUtil.h>
#include <maya/MObjectArray.h>
#include <maya/MPlugArray.h>

using namespace vex::host;
using convert::failure;
using convert::report;

namespace {

// The anim curve node driving the attribute of the node directly, or null.
NodePtr drivingCurve(const Node& node, const AttributeDefinition& attribute) {
    const Link* link = node.Input(attribute);
    if (!link) return nullptr;
    auto source = link->other.lock();
    return source && source->IsAlive() && source->HasFn(MFn::kAnimCurve) ? source : nullptr;
}

// Calls f(attribute) for every leaf attribute of the node, children of compounds one by one.
template <class F>
void forEachLeaf(const Node& node, F&& f) {
    for (const auto& attribute : node.Attributes()) {
        if (attribute->Children().empty())
            f(attribute);
        else
            for (const auto& child : attribute->Children()) f(child);
    }
}

} // namespace

bool MAnimUtil::findAnimation(const MPlug& plug, MObjectArray& animation, MStatus* ReturnStatus) {
    animation.clear();
    auto node = ObjectAccess::LiveNode(plug.node());
    auto attribute = ObjectAccess::Attribute(plug.attribute());
    if (!node || !attribute) {
        report(ReturnStatus, failure("the plug's node is not in the scene", MStatus::kInvalidParameter));
        return false;
    }
    report(ReturnStatus, MStatus::kSuccess);
    auto add = [&](const AttributeDefinition& a) {
        if (auto curve = drivingCurve(*node, a)) animation.append(ObjectAccess::wrap(curve));
    };
    if (attribute->Children().empty())
        add(*attribute);
    else
        for (const auto& child : attribute->Children()) add(*child);
    return animation.length() > 0;
}

bool MAnimUtil::isAnimated(const MPlug& plug, bool, MStatus* ReturnStatus) {
    MObjectArray curves;
    return findAnimation(plug, curves, ReturnStatus);
}

bool MAnimUtil::findAnimatedPlugs(const MObject& object, MPlugArray& animatedPlugs, bool,
                                  MStatus* ReturnStatus) {
    animatedPlugs.clear();
    auto node = ObjectAccess::LiveNode(object);
    if (!node) {
        report(ReturnStatus, failure("the node is not in the scene", MStatus::kInvalidParameter));
        return false;
    }
    report(ReturnStatus, MStatus::kSuccess);
    forEachLeaf(*node, [&](const AttributePtr& attribute) {
        if (drivingCurve(*node, *attribute))
            animatedPlugs.append(MPlug(object, ObjectAccess::wrap(attribute)));
    });
    return animatedPlugs.length() > 0;
}

bool MAnimUtil::isAnimated(const MObject& node, bool checkParent, MStatus* ReturnStatus) {
    MPlugArray plugs;
    return findAnimatedPlugs(node, plugs, checkParent, ReturnStatus);
}
