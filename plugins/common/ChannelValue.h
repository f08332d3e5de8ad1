#pragma once

#include "unidevice/Property.h"

namespace vex::orb::addon {

/// The current value of a tool's input channel; 0 while the channel was not declared.
inline double ChannelValue(const unidevice::Property* channel) {
    return channel != nullptr ? channel->getValue() : 0.0;
}

} // namespace vex::orb::addon
