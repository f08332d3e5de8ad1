#include "host/builtins/Units.h"

#include "host/scene/AnimCurveNodeTypes.h"

#include <maya/MAngle.h>
#include <maya/MDistance.h>
#include <maya/MTime.h>

namespace vex::host::builtins::units {

Kind KindOf(const AttributeDefinition& attribute) {
    // The anim curve type an attribute gets tells the unit of its numbers.
    const std::string curve = AnimCurveTypeFor(attribute);
    if (curve == "animCurveTL") return Kind::kLinear;
    if (curve == "animCurveTA") return Kind::kAngular;
    return Kind::kNone;
}

Kind CurveValueKind(const Node& node) {
    if (node.type().name() == "animCurveTL") return Kind::kLinear;
    if (node.type().name() == "animCurveTA") return Kind::kAngular;
    return Kind::kNone;
}

double ToInternal(Kind kind, double value) {
    switch (kind) {
    case Kind::kLinear:
        return MDistance(value, MDistance::uiUnit()).as(MDistance::internalUnit());
    case Kind::kAngular:
        return MAngle(value, MAngle::uiUnit()).as(MAngle::internalUnit());
    case Kind::kNone:
        break;
    }
    return value;
}

double ToUi(Kind kind, double value) {
    switch (kind) {
    case Kind::kLinear:
        return MDistance(value, MDistance::internalUnit()).as(MDistance::uiUnit());
    case Kind::kAngular:
        return MAngle(value, MAngle::internalUnit()).as(MAngle::uiUnit());
    case Kind::kNone:
        break;
    }
    return value;
}

double FramesToSeconds(double frames) {
    return MTime(frames, MTime::uiUnit()).as(MTime::kSeconds);
}

double SecondsToFrames(double seconds) {
    return MTime(seconds, MTime::kSeconds).as(MTime::uiUnit());
}

} // namespace vex::host::builtins::units
