#pragma once

#include <string>

namespace vex::host {

class NodeTypeRegistry;
class AttributeDefinition;

/// Registers the anim curve node types: the abstract "animCurve" and "animCurveTL" (time to distance),
/// "animCurveTA" (time to angle), "animCurveTU" (time to unitless). Each node owns its AnimCurveData
/// and computes "output" ("o") from it at the time read, or at the value of "input" ("i", seconds)
/// when that is connected. Safe to call more than once.
void RegisterAnimCurveNodeTypes(NodeTypeRegistry& registry);

/// The anim curve type that animates the attribute: "animCurveTA" for rotations, "animCurveTL" for
/// translations and other lengths, "animCurveTU" for everything else.
std::string AnimCurveTypeFor(const AttributeDefinition& attribute);

} // namespace vex::host
