#include "host/scene/KeyEditLog.h"

namespace vex::host {

void KeyEditLog::Record(const std::shared_ptr<AnimCurveData>& curve, std::optional<Key> before,
                        std::optional<Key> after) {
    edits_.push_back({curve, std::move(before), std::move(after), std::nullopt, std::nullopt});
}

void KeyEditLog::Record(const std::shared_ptr<AnimCurveData>& curve, const AnimCurveData::Settings& before,
                        const AnimCurveData::Settings& after) {
    edits_.push_back({curve, std::nullopt, std::nullopt, before, after});
}

void KeyEditLog::Apply(const Edit& edit, bool backward) {
    if (edit.settingsBefore)
        edit.curve->SetSettings(backward ? *edit.settingsBefore : *edit.settingsAfter);
    else if (backward)
        Apply(*edit.curve, edit.after, edit.before);
    else
        Apply(*edit.curve, edit.before, edit.after);
}

void KeyEditLog::Apply(AnimCurveData& curve, const std::optional<Key>& from, const std::optional<Key>& to) {
    if (from) curve.RemoveKeyAt(from->time);
    if (to) curve.SetKey(*to);
}

void KeyEditLog::undo() {
    for (auto it = edits_.rbegin(); it != edits_.rend(); ++it) Apply(*it, true);
}

void KeyEditLog::redo() {
    for (const Edit& edit : edits_) Apply(edit, false);
}

} // namespace vex::host
