#pragma once

#include "host/scene/AnimCurveData.h"

#include <memory>
#include <optional>
#include <vector>

namespace vex::host {

/// An ordered record of key edits on anim curves, to take them back and make them again. Each edit is
/// the key as it was before (none for an added key) and after (none for a removed key).
class KeyEditLog {
public:
    using Key = AnimCurveData::Key;

    /// Records one edit already made on the curve.
    void Record(const std::shared_ptr<AnimCurveData>& curve, std::optional<Key> before,
                std::optional<Key> after);
    /// Records a change of the curve's settings already made.
    void Record(const std::shared_ptr<AnimCurveData>& curve, const AnimCurveData::Settings& before,
                const AnimCurveData::Settings& after);
    /// Takes back every recorded edit, newest first.
    void undo();
    /// Makes every recorded edit again, oldest first.
    void redo();
    std::size_t size() const { return edits_.size(); }

private:
    // A key edit, or a settings edit when the settings are given.
    struct Edit {
        std::shared_ptr<AnimCurveData> curve;
        std::optional<Key> before;
        std::optional<Key> after;
        std::optional<AnimCurveData::Settings> settingsBefore;
        std::optional<AnimCurveData::Settings> settingsAfter;
    };
    // Undoes (backward) or redoes one edit.
    static void Apply(const Edit& edit, bool backward);
    // Replaces the key `from` (if any) by the key `to` (if any) on the curve.
    static void Apply(AnimCurveData& curve, const std::optional<Key>& from, const std::optional<Key>& to);

    std::vector<Edit> edits_;
};

} // namespace vex::host
