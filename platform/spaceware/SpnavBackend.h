#pragma once

#include "platform/spaceware/SpaceWareBackend.h"

namespace vex::platform::spaceware {

/// The SpaceWare backend over libspnav, the client library of the spacenavd daemon. Motion events
/// carry the six axes and their period; all-zero motion becomes a zero event; button events carry
/// the held buttons as bit n + 1 for button n.
class SpnavBackend : public SpaceWareBackend {
public:
    ~SpnavBackend() override;

    SpwRetVal Open() override;
    void Close() override;
    bool Poll(SiSpwEvent& event) override;
    std::string DeviceName() const override;
    int ButtonCount() const override;

private:
    bool open_ = false;
    unsigned long buttons_ = 0;
};

} // namespace vex::platform::spaceware
