#include "CurveKeys.h"

#include "StateChange.h"

namespace vex::host::builtins {

namespace {

void assign(AnimCurveData& curve, const std::vector<AnimCurveData::Key>& keys) {
    curve.clear();
    for (const auto& key : keys) curve.setKey(key);
}

} // namespace

void replaceCurveKeys(const std::shared_ptr<AnimCurveData>& curve, std::vector<AnimCurveData::Key> keys) {
    std::vector<AnimCurveData::Key> before = curve->keys();
    StateChange::apply([curve, keys = std::move(keys)] { assign(*curve, keys); },
                       [curve, before = std::move(before)] { assign(*curve, before); });
}

} // namespace vex::host::builtins
