#include "host/builtins/Units.h"

#include "host/scene/AnimCurveNodeTypes.h"

#include <maya/MAngle.h>
#include <maya/MDistance.h>
#include <maya/MTime.h>

namespace vex::host::builtins::units {

Kind kindOf(const AttributeDefinition& attribute) {
    // The anim curve type an attribute gets tells the unit of its numbers.
    const std::string curve = animCurveTypeFor(attribute);
    if (curve == "animCurveTL") return Kind::Linear;
    if (curve == "animCurveTA") return Kind::Angular;
    return Kind::None;
}

double toInternal(Kind kind, double value) {
    switch (kind) {
    case Kind::Linear:
        return MDistance(value, MDistance::uiUnit()).as(MDistance::internalUnit());
    case Kind::Angular:
        return MAngle(value, MAngle::uiUnit()).as(MAngle::internalUnit());
    case Kind::None:
        break;
    }
    return value;
}

double toUi(Kind kind, double value) {
    switch (kind) {
    case Kind::Linear:
        return MDistance(value, MDistance::internalUnit()).as(MDistance::uiUnit());
    case Kind::Angular:
        return MAngle(value, MAngle::internalUnit()).as(MAngle::uiUnit());
    case Kind::None:
        break;
    }
    return value;
}

double framesToSeconds(double frames) {
    return MTime(frames, MTime::uiUnit()).as(MTime::kSeconds);
}

double secondsToFrames(double seconds) {
    return MTime(seconds, MTime::kSeconds).as(MTime::uiUnit());
}

} // namespace vex::host::builtins::units
