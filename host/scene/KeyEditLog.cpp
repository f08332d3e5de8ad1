#include "host/scene/KeyEditLog.h"

namespace vex::host {

void KeyEditLog::Record(const std::shared_ptr<AnimCurveData>& curve, std::optional<Key> before,
                        std::optional<Key> after) {
    edits_.push_back({curve, std::move(before), std::move(after)});
}

void KeyEditLog::Apply(AnimCurveData& curve, const std::optional<Key>& from, const std::optional<Key>& to) {
    if (from) curve.RemoveKeyAt(from->time);
    if (to) curve.SetKey(*to);
}

void KeyEditLog::undo() {
    for (auto it = edits_.rbegin(); it != edits_.rend(); ++it) Apply(*it->curve, it->after, it->before);
}

void KeyEditLog::redo() {
    for (const Edit& edit : edits_) Apply(*edit.curve, edit.before, edit.after);
}

} // namespace vex::host
