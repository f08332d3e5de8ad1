#pragma once

#include "plugins/common/RecordField.h"
#include "util/QTransform.h"

#include <array>
#include <string_view>

namespace vex::orb::addon {

/// The states a state tool moves between: ten poses (position and orientation) relative to the rig's
/// cage, numbered 0 to 9, each the identity until the user stores one. Saved with the instance.
class StoredStates {
public:
    /// Number of states.
    static constexpr int kCount = 10;

    /// The pose of state `n`; a number outside 0 … 9 is brought into that range (clamped).
    const util::QTransform<double>& Pose(int n) const;
    /// Makes `pose` state `n` (clamped like Pose).
    void Store(int n, const util::QTransform<double>& pose);
    /// `n` clamped to 0 … 9.
    static int Clamp(int n);

    /// The states as one saved-state field `key` (ten poses of seven doubles: position x, y, z, then
    /// the quaternion x, y, z, w). A field of another size, with a number that is not finite or a
    /// rotation that is no unit quaternion, leaves the states as they are.
    RecordField Field(std::string_view key);

    bool operator==(const StoredStates&) const = default;

private:
    std::array<util::QTransform<double>, kCount> poses_{};
};

} // namespace vex::orb::addon
