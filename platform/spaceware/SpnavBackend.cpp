#include "platform/spaceware/SpnavBackend.h"

#include <cstdlib>
#include <filesystem>
#include <system_error>

// libspnav's header brings in Xlib, whose macros must not reach any other code: it comes last and
// only here.
#include <spnav.h>

namespace vex::platform::spaceware {

namespace {

// spacenavd's default when it cannot tell.
constexpr int kDefaultButtons = 2;
// Where spacenavd listens unless SPNAV_SOCKET says otherwise.
constexpr const char* kDefaultSocket = "/var/run/spnav.sock";

} // namespace

SpnavBackend::~SpnavBackend() {
    Close();
}

SpwRetVal SpnavBackend::Open() {
    if (open_) return SPW_NO_ERROR;
    // Without the daemon's socket there is no driver at all. Asking the library anyway would cost a
    // little memory it never gives back.
    const char* socket = std::getenv("SPNAV_SOCKET");
    std::error_code error;
    if (!std::filesystem::exists(socket != nullptr ? socket : kDefaultSocket, error)) return SI_NO_DRIVER;
    if (spnav_open() == -1) {
        spnav_close(); // releases what the failed attempt kept
        return SI_NO_RESPONSE;
    }
    spnav_client_name("UniDevice");
    open_ = true;
    buttons_ = 0;
    return SPW_NO_ERROR;
}

void SpnavBackend::Close() {
    if (!open_) return;
    spnav_close();
    open_ = false;
}

bool SpnavBackend::Poll(SiSpwEvent& event) {
    if (!open_) return false;
    spnav_event raw;
    while (spnav_poll_event(&raw) != 0) {
        event = SiSpwEvent{};
        SiSpwData& data = event.u.spwData;
        if (raw.type == SPNAV_EVENT_MOTION) {
            const int axes[6] = {raw.motion.x,  raw.motion.y,  raw.motion.z,
                                 raw.motion.rx, raw.motion.ry, raw.motion.rz};
            bool zero = true;
            for (int i = 0; i < 6; ++i) {
                data.mData[i] = axes[i];
                zero = zero && axes[i] == 0;
            }
            data.period = static_cast<long>(raw.motion.period);
            event.type = zero ? SI_ZERO_EVENT : SI_MOTION_EVENT;
            return true;
        }
        if (raw.type == SPNAV_EVENT_BUTTON && raw.button.bnum >= 0 && raw.button.bnum < 63) {
            const unsigned long bit = 1ul << (raw.button.bnum + 1);
            data.bData.last = buttons_;
            buttons_ = raw.button.press ? (buttons_ | bit) : (buttons_ & ~bit);
            data.bData.current = buttons_;
            data.bData.pressed = raw.button.press ? bit : 0;
            data.bData.released = raw.button.press ? 0 : bit;
            event.type = SI_BUTTON_EVENT;
            return true;
        }
        // Device and configuration events are of no use to the system.
    }
    return false;
}

std::string SpnavBackend::DeviceName() const {
    char name[128] = {};
    if (!open_ || spnav_dev_name(name, sizeof name) < 0) return "SpaceMouse";
    return name;
}

int SpnavBackend::ButtonCount() const {
    const int buttons = open_ ? spnav_dev_buttons() : -1;
    return buttons > 0 ? buttons : kDefaultButtons;
}

} // namespace vex::platform::spaceware
