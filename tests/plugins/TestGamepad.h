#pragma once

#include "unidevice/Control.h"
#include "unidevice/ControlKind.h"
#include "unidevice/Device.h"

#include <deque>
#include <stdexcept>
#include <string>

namespace vex::orb::core::test {

/// A game pad as the game-controller layer presents one: six axes, the two halves of a hat and twelve
/// buttons. Made with new, it joins the device registry, which owns it.
class TestGamepad : public unidevice::Device {
public:
    TestGamepad() : Device("Test Pad") {
        for (int i = 0; i < 6; ++i) Add(unidevice::kFiniteControl, "Axis", i);
        for (int i = 0; i < 2; ++i) Add(unidevice::kTrinaryControl, "Hat", i);
        for (int i = 0; i < 12; ++i) Add(unidevice::kBinaryControl, "Button", i);
    }
    int getControlCount() const override { return static_cast<int>(controls_.size()); }
    unidevice::Control* getControl(int i) override {
        return i >= 0 && i < getControlCount() ? &controls_[static_cast<size_t>(i)] : nullptr;
    }
    bool update(HWND) override { return true; }
    bool resync(HWND) override { return true; }
    unidevice::Control* detectChange(std::span<unidevice::Control* const> exclude, HWND window) override {
        return Device::detectChange(exclude, window);
    }
    void clearValues() override { Device::clearValues(); }

    /// The control of `type` and `index`; throws when the pad has none.
    unidevice::Control& Find(const std::string& type, int index) {
        for (unidevice::Control& control : controls_)
            if (control.GetType() == type && control.GetIndex() == index) return control;
        throw std::out_of_range(type);
    }

private:
    void Add(uint32_t kind, const std::string& type, int index) {
        unidevice::Control& control = controls_.emplace_back(this, kind, 0.1);
        control.SetType(type);
        control.SetIndex(index);
    }
    std::deque<unidevice::Control> controls_;
};

} // namespace vex::orb::core::test
