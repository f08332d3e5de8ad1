#pragma once

#include "tests/plugins/ToolOnHostFixture.h"
#include "unidevice/DeviceRegistry.h"
#include "unidevice/driver/WINHOOK_KeyboardDevice.h"

#include <string>
#include <utility>

namespace vex::orb::core::test {

/// A tool on a host under test, with a fresh device registry whose keyboard (the one the core makes at
/// start-up) the test presses keys on.
template <class Object>
class KeyboardToolOnHost : public ToolOnHost<Object> {
protected:
    KeyboardToolOnHost(std::string toolName, std::string instanceName)
        : ToolOnHost<Object>(std::move(toolName), std::move(instanceName)) {}

    void SetUp() override {
        unidevice::DeviceRegistry::Instance().Shutdown();
        ToolOnHost<Object>::SetUp();
        keyboard_ = dynamic_cast<unidevice::WINHOOK_KeyboardDevice*>(
            unidevice::DeviceRegistry::Instance().findDevice("Keyboard", 0));
        ASSERT_NE(keyboard_, nullptr);
    }
    void TearDown() override {
        ToolOnHost<Object>::TearDown();
        unidevice::DeviceRegistry::Instance().Shutdown();
    }

    unidevice::WINHOOK_KeyboardDevice* keyboard_ = nullptr; // owned by the registry
};

} // namespace vex::orb::core::test
