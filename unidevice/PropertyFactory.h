#pragma once

#include <cstdint>
#include <string>

namespace vex::unidevice {

class Property;

/// Makes input channels. A tool hands one to the core when it declares an input, so that the
/// channel is allocated by this library; also known as Property::Factory.
class PropertyFactory {
public:
    virtual ~PropertyFactory() = default;

    /// A new channel named `name` accepting the control kinds in `accepts`; the caller owns it and
    /// ends it with its destroy.
    virtual Property* create(std::string name, std::uint32_t accepts);
};

} // namespace vex::unidevice
