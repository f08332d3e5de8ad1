#pragma once

#include "platform/win32/WindowProcedures.h"
#include "platform/wintab/Wintab.h"
#include "unidevice/Control.h"
#include "unidevice/Device.h"

#include <deque>
#include <string>

namespace vex::unidevice::driver {

/// A pen tablet read through Wintab: the finite axes "Cursor X", "Cursor Y", "Tilt X" and "Tilt Y"
/// (the tilt pair only when the tablet reports orientation) and "Pen pressure", then one binary
/// control per cursor button, all with threshold 0. Packets arrive as messages to a hidden window of
/// the class "UniDeviceTabletClass" on which the device opens its context.
class TabletDevice : public Device {
public:
    /// What the device needs to know of the tablet to scale a packet.
    struct Scales {
        double xExtent = 0.0;           ///< x across the tablet
        double yExtent = 0.0;           ///< y across the tablet
        bool orientation = false;       ///< whether packets carry azimuth and altitude
        double azimuthScale = 1.0;      ///< azimuth units per radian
        double altitudeScale = 1.0;     ///< altitude units per unit of lean
        double altitudeReference = 1.0; ///< lean of a pen lying flat
    };

    /// Creates the device, attached to "dummydriver", when `wintab` is complete and reports a
    /// device whose name begins with "WACOM" and a context can be opened; null otherwise.
    static TabletDevice* Create(const platform::wintab::WintabFunctions& wintab,
                                platform::win32::HINSTANCE module = nullptr);
    /// Closes the context and the window.
    ~TabletDevice() override;

    int getControlCount() const override { return static_cast<int>(controls_.size()); }
    Control* getControl(int index) override;
    /// Values arrive with the packets: nothing to poll. True.
    bool update(HWND window) override;
    /// Brings the controls to rest. True.
    bool resync(HWND window) override;
    Control* detectChange(std::span<Control* const> exclude, HWND window) override;
    void clearValues() override;

    /// Takes one packet: cursor position, tilt, signed pressure and buttons.
    void HandlePacket(const platform::wintab::PACKET& packet);
    /// Handles a message of the device's window: a WT_PACKET of its context is read and taken.
    platform::win32::LRESULT HandleMessage(platform::win32::UINT message, platform::win32::WPARAM wParam,
                                           platform::win32::LPARAM lParam);
    const Scales& GetScales() const { return scales_; }
    HWND GetWindow() const { return window_; }

    /// For tests and for Create: the device named `name` with `buttons` cursor buttons, scaling by
    /// `scales`, without a window or context.
    TabletDevice(const std::string& name, const Scales& scales, int buttons);

private:
    Control& AddControl(std::uint32_t kind, const char* type, int index, const std::string& description);

    Scales scales_;
    platform::wintab::WintabFunctions wintab_;
    HWND window_ = nullptr;
    platform::wintab::HCTX context_ = nullptr;
    std::deque<Control> controls_;
    Control* cursorX_ = nullptr;
    Control* cursorY_ = nullptr;
    Control* tiltX_ = nullptr;
    Control* tiltY_ = nullptr;
    Control* pressure_ = nullptr;
    std::size_t firstButton_ = 0;
};

} // namespace vex::unidevice::driver
