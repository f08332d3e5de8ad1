#pragma once

#include "unidevice/Control.h"
#include "unidevice/ControlKind.h"
#include "unidevice/Device.h"
#include "unidevice/DeviceRegistry.h"
#include "unidevice/Driver.h"
#include "unidevice/FFEffect.h"

#include <gtest/gtest.h>

#include <deque>
#include <string>
#include <vector>

namespace vex::unidevice::test {

/// An effect that only records that it exists.
class TestEffect : public FFEffect {
public:
    void startEffect(std::uint32_t) override {}
    void stopEffect() override {}
    void setDuration(double) override {}
    void setMagnitude(double) override {}
    void setOffset(double) override {}
    void setPhase(double) override {}
    void setPeriod(double) override {}
    void setRampStart(double) override {}
    void setRampEnd(double) override {}
    void setEnvelope(double, double, double, double) override {}
    void clearEnvelope() override {}
};

/// A control with an actuator, as every control of a TestDevice is.
class ActuatedControl : public Control {
public:
    using Control::Control;
    bool isForceFeedbackCapable() const override { return true; }
    FFEffect* createEffect(EffectType) override { return new TestEffect; }
};

/// A device whose controls ("Axis" 0, 1, ... of one kind) take the values of `next` on every
/// update. It records the windows it was called with and, in `log`, its destruction.
class TestDevice : public Device {
public:
    TestDevice(std::string name, int controls, std::uint32_t kind = kFiniteControl, bool registered = true)
        : Device(std::move(name), registered) {
        for (int i = 0; i < controls; ++i) {
            ActuatedControl& control = controls_.emplace_back(this, kind, 0.1);
            control.SetType("Axis");
            control.SetIndex(i);
            control.SetDescription("Axis " + std::to_string(i));
        }
        next.assign(controls_.size(), 0.0);
    }
    ~TestDevice() override {
        if (log != nullptr) log->push_back(getName());
    }

    int getControlCount() const override { return static_cast<int>(controls_.size()); }
    Control* getControl(int i) override {
        return i >= 0 && i < getControlCount() ? &controls_[static_cast<std::size_t>(i)] : nullptr;
    }
    bool update(HWND window) override {
        windows.push_back(window);
        for (std::size_t i = 0; i < controls_.size(); ++i) controls_[i].setValue(next[i]);
        return true;
    }
    bool resync(HWND window) override {
        windows.push_back(window);
        for (ActuatedControl& control : controls_) control.setValue(control.GetCurrent());
        return resyncs;
    }
    Control* detectChange(std::span<Control* const> exclude, HWND window) override {
        return Device::detectChange(exclude, window);
    }
    void clearValues() override { Device::clearValues(); }
    bool start(HWND window) override {
        windows.push_back(window);
        return startResult;
    }

    std::vector<double> next;
    std::vector<HWND> windows;
    bool resyncs = true;
    bool startResult = true;
    std::vector<std::string>* log = nullptr;

private:
    std::deque<ActuatedControl> controls_;
};

/// A driver recording its destruction in `log`.
class TestDriver : public Driver {
public:
    explicit TestDriver(std::string name, std::vector<std::string>* log = nullptr)
        : Driver(std::move(name)), log_(log) {}
    ~TestDriver() override {
        if (log_ != nullptr) log_->push_back(getName());
    }

private:
    std::vector<std::string>* log_;
};

/// Starts and ends every test with an empty registry.
class RegistryTest : public ::testing::Test {
protected:
    void SetUp() override { DeviceRegistry::Instance().Shutdown(); }
    void TearDown() override { DeviceRegistry::Instance().Shutdown(); }

    DeviceRegistry& registry_ = DeviceRegistry::Instance();
};

} // namespace vex::unidevice::test
