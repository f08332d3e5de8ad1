#include "host/builtins/CurveKeys.h"

#include "host/builtins/StateChange.h"
#include "host/builtins/Units.h"
#include "host/scene/NodeType.h"

namespace vex::host::builtins {

namespace {

void assign(AnimCurveData& curve, const std::vector<AnimCurveData::Key>& keys) {
    curve.AssignKeys(keys);
}

} // namespace

void ReplaceCurveKeys(const std::shared_ptr<AnimCurveData>& curve, std::vector<AnimCurveData::Key> keys) {
    std::vector<AnimCurveData::Key> before = curve->Keys();
    StateChange::Apply([curve, keys = std::move(keys)] { assign(*curve, keys); },
                       [curve, before = std::move(before)] { assign(*curve, before); });
}

void ReplaceCurve(const std::shared_ptr<AnimCurveData>& curve, const AnimCurveData& after) {
    AnimCurveData before = *curve;
    StateChange::Apply([curve, after] { *curve = after; },
                       [curve, before = std::move(before)] { *curve = before; });
}

bool CanSetCurveKeys(const Node& node, std::size_t numbers, std::string& error) {
    if (!AnimCurveData::Of(node)) {
        error = node.name() + " is not an anim curve.";
        return false;
    }
    if (numbers % 2 != 0) {
        error = "Keys take a time and a value each.";
        return false;
    }
    return true;
}

bool SetCurveKeys(const Node& node, std::span<const double> timeValues, std::string& error) {
    if (!CanSetCurveKeys(node, timeValues.size(), error)) return false;
    const auto curve = AnimCurveData::Of(node);
    const units::Kind kind = units::CurveValueKind(node);
    std::vector<AnimCurveData::Key> keys;
    keys.reserve(timeValues.size() / 2);
    for (std::size_t i = 0; i < timeValues.size(); i += 2) {
        AnimCurveData::Key key;
        key.in = key.out = curve->DefaultTangent();
        key.time = units::FramesToSeconds(timeValues[i]);
        key.value = units::ToInternal(kind, timeValues[i + 1]);
        keys.push_back(key);
    }
    // A file's keys usually come in time order onto an empty curve; any others are merged one by one,
    // a key at the time of another replacing it.
    const auto ordered = [&] {
        for (std::size_t i = 1; i < keys.size(); ++i)
            if (!(keys[i].time - keys[i - 1].time >= AnimCurveData::kTimeTolerance)) return false;
        return true;
    };
    if (curve->size() == 0 && ordered()) {
        ReplaceCurveKeys(curve, std::move(keys));
        return true;
    }
    AnimCurveData edited = *curve;
    for (const auto& key : keys) edited.SetKey(key);
    ReplaceCurveKeys(curve, edited.Keys());
    return true;
}

} // namespace vex::host::builtins
