#pragma once

#include "plugins/dirivodarez/CDirivodaRezObject.h"

namespace vex::orb::addon {

/// The reduced DirivodaRez: the same camera flown with the six speed and turn channels only, without
/// the hand-held effects and the regulators.
class CDirivodaRezFreeObject : public CDirivodaRezObject {
public:
    /// Number of channels the reduced tool declares.
    static constexpr std::size_t kChannelCount = kFlightRoll + 1;

    explicit CDirivodaRezFreeObject(const CreateParam& param) : CDirivodaRezObject(param, kChannelCount) {}
};

} // namespace vex::orb::addon
