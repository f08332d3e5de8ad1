#include "CurveKeys.h"

#include "StateChange.h"
#include "Units.h"

#include "host/scene/NodeType.h"

namespace vex::host::builtins {

namespace {

void assign(AnimCurveData& curve, const std::vector<AnimCurveData::Key>& keys) {
    curve.assignKeys(keys);
}

} // namespace

void replaceCurveKeys(const std::shared_ptr<AnimCurveData>& curve, std::vector<AnimCurveData::Key> keys) {
    std::vector<AnimCurveData::Key> before = curve->keys();
    StateChange::apply([curve, keys = std::move(keys)] { assign(*curve, keys); },
                       [curve, before = std::move(before)] { assign(*curve, before); });
}

bool setCurveKeys(const Node& node, std::span<const double> timeValues, std::string& error) {
    const auto curve = AnimCurveData::of(node);
    if (!curve) {
        error = node.name() + " is not an anim curve.";
        return false;
    }
    if (timeValues.size() % 2 != 0) {
        error = "Keys take a time and a value each.";
        return false;
    }
    units::Kind kind = units::Kind::None;
    if (node.type().name() == "animCurveTL") kind = units::Kind::Linear;
    if (node.type().name() == "animCurveTA") kind = units::Kind::Angular;
    AnimCurveData edited = *curve;
    for (std::size_t i = 0; i < timeValues.size(); i += 2) {
        // Keys read from files are linear, as the keys this host records are.
        AnimCurveData::Key key;
        key.time = units::framesToSeconds(timeValues[i]);
        key.value = units::toInternal(kind, timeValues[i + 1]);
        edited.setKey(key);
    }
    replaceCurveKeys(curve, edited.keys());
    return true;
}

} // namespace vex::host::builtins
