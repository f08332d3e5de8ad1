#pragma once

#include "unidevice/Property.h"

#include <cstdint>
#include <string>
#include <utility>

namespace vex::orb::addon {

/// A tool's output channel: the value the tool computes when the core asks for it (tool extension
/// 40), read by the core through getValue and written to the virtual control it is bound to. It keeps
/// the value before the last one as well.
class COutputChannel : public unidevice::Property {
public:
    /// An output named `name` for controls of the kinds in `kinds`, with current and previous value 0.
    COutputChannel(std::string name, std::uint32_t kinds) : Property(std::move(name), kinds) {}

    /// The current value.
    double getValue() const override { return current; }
    /// `value` becomes current; the current one becomes the previous.
    void Push(double value) {
        previous = current;
        current = value;
    }

    double current = 0.0;
    double previous = 0.0;
};

} // namespace vex::orb::addon
