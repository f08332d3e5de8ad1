#include "unidevice/PropertyFactory.h"

#include "unidevice/Property.h"

#include <utility>

namespace vex::unidevice {

Property* PropertyFactory::create(std::string name, std::uint32_t accepts) {
    return new Property(std::move(name), accepts);
}

} // namespace vex::unidevice
