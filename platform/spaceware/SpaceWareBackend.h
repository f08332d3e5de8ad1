#pragma once

#include "platform/spaceware/SpaceWare.h"

#include <memory>
#include <string>

namespace vex::platform::spaceware {

/// Where the SpaceWare layer gets its device from: the spacenavd client by default, a scripted
/// source in tests.
class SpaceWareBackend {
public:
    virtual ~SpaceWareBackend() = default;

    /// Connects to the device: SPW_NO_ERROR; SI_NO_DRIVER when no device driver is installed or
    /// running at all; SI_NO_RESPONSE when the driver is there but does not answer.
    virtual SpwRetVal Open() = 0;
    /// Ends the connection.
    virtual void Close() = 0;
    /// Takes the next pending event into `event`; false when none is pending.
    virtual bool Poll(SiSpwEvent& event) = 0;
    /// The device's product name.
    virtual std::string DeviceName() const = 0;
    /// The number of buttons the device has.
    virtual int ButtonCount() const = 0;

    /// Makes `backend` the layer's backend (null: back to the spacenavd client) and returns the
    /// former one, if it was installed this way.
    static std::unique_ptr<SpaceWareBackend> Install(std::unique_ptr<SpaceWareBackend> backend);
    /// The backend in use.
    static SpaceWareBackend& Current();
};

} // namespace vex::platform::spaceware
