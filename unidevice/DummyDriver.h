#pragma once

#include "unidevice/Driver.h"

namespace vex::unidevice {

/// The driver "dummydriver", which polls the devices that need no window: it passes a null window.
class DummyDriver : public Driver {
public:
    /// Registers the driver.
    DummyDriver() : Driver("dummydriver") {}
};

} // namespace vex::unidevice
