#pragma once

#include <maya/MObject.h>
#include <maya/MPlug.h>
#include <maya/MStatus.h>

class MObjectArray;
class MPlugArray;

/// Questions about the animation of plugs and nodes: which anim curves drive them.
class MAnimUtil {
public:
    /// True when the plug (or, for a compound, one of its children) is driven by an anim curve.
    static bool isAnimated(const MPlug& plug, bool checkParent = false, MStatus* ReturnStatus = nullptr);
    /// True when any attribute of the node is driven by an anim curve.
    static bool isAnimated(const MObject& node, bool checkParent = false, MStatus* ReturnStatus = nullptr);
    /// The plugs of the node driven by anim curves (children of compounds one by one).
    static bool findAnimatedPlugs(const MObject& node, MPlugArray& animatedPlugs, bool checkParent = false,
                                  MStatus* ReturnStatus = nullptr);
    /// The anim curves driving the plug (for a compound, those of its children in order); false when
    /// there are none.
    static bool findAnimation(const MPlug& plug, MObjectArray& animation, MStatus* ReturnStatus = nullptr);
};
