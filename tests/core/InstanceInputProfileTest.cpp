#include "core/CoreStartup.h"
#include "core/Instance.h"
#include "core/ResultCodes.h"
#include "system/adaptors/memory/MemoryAdaptor.h"
#include "tests/core/ToolTestSupport.h"
#include "tests/unidevice/TestDevices.h"
#include "unidevice/DeviceRegistry.h"
#include "unidevice/InputProfile.h"
#include "unidevice/Property.h"
#include "util/MessageNode.h"
#include "util/xml/Status.h"

#include <gtest/gtest.h>

#include <memory>

namespace vex::orb::core::test {
namespace {

namespace fs = std::filesystem;
using util::xml::Element;

// A tool with two input channels.
class Pedals : public FakeDescriptor {
public:
    Pedals() : FakeDescriptor("Pedals", "Vehicle") {}
    CCamera* create(const CCamera::CreateParam& param) override { return new Object(param); }

private:
    struct Object : CCamera {
        using CCamera::CCamera;
        int buildConfiguration() override {
            core->addInputChannel("Gas", unidevice::kFiniteControl, nullptr);
            core->addInputChannel("Brake", unidevice::kFiniteControl, nullptr);
            return 0;
        }
    };
};

// Hears what an instance tells its listeners.
class Listener : public util::MessageNode {
public:
    void receive(util::Message& message, bool) override { codes.push_back(message.code); }
    std::vector<int32_t> codes;
};

class InstanceInputProfileTest : public RegistryTest {
protected:
    void SetUp() override {
        unidevice::DeviceRegistry::Instance().shutdown();
        RegistryTest::SetUp();
        MakeLibrary("pedals", {new Pedals});
        host = std::make_unique<adaptor::memory::MemoryAdaptor>();
        core = FindCore();
        ASSERT_NE(core, nullptr);
        pad = new unidevice::test::TestDevice("Pad", 2);
        instance = core->FindInstance(core->CreateTool("Pedals"));
        ASSERT_NE(instance, nullptr);
    }
    void TearDown() override {
        host.reset();
        RegistryTest::TearDown();
        unidevice::DeviceRegistry::Instance().shutdown();
    }
    unidevice::Property& Channel(const char* name) { return *instance->findInputChannel(name); }
    static Element Parse(const std::string& text) {
        Element element;
        EXPECT_EQ(element.Parse(text), util::xml::kOk);
        return element;
    }

    std::unique_ptr<adaptor::memory::MemoryAdaptor> host;
    CoreImplementation* core = nullptr;
    unidevice::test::TestDevice* pad = nullptr;
    Instance* instance = nullptr;
};

TEST_F(InstanceInputProfileTest, LoadingTellsTheListenersAndNamesTheProfileUnlessItIsNoProfile) {
    Listener listener;
    listener.connect(instance);
    const int result = instance->LoadInputProfile(Parse(
        R"(<profile name="Pad"><property name="Gas"><control device="Pad" type="Axis" index="1"/></property>)"
        R"(<property name="Brake"><control device="Wheel" type="Axis" index="0"/></property></profile>)"));
    EXPECT_EQ(result, 1) << "the wheel is not there";
    EXPECT_EQ(listener.codes, std::vector<int32_t>{Instance::kInputConfigurationChanged});
    EXPECT_EQ(Instance::kInputConfigurationChanged, 154);
    EXPECT_EQ(instance->GetInputProfileName(), "Pad");
    EXPECT_EQ(Channel("Gas").getControl(), pad->getControl(1));

    EXPECT_EQ(instance->LoadInputProfile(Parse(R"(<unidevice><profile name="Other"/></unidevice>)")),
              unidevice::InputProfile::kNotAProfile);
    EXPECT_EQ(listener.codes.size(), 1u) << "nothing changed, nothing told";
    EXPECT_EQ(instance->GetInputProfileName(), "Pad");
    EXPECT_EQ(Channel("Gas").getControl(), pad->getControl(1));

    // The saved description keeps the missing wheel.
    Element description;
    instance->WriteDescription(description, 0);
    const Element* saved = description.GetChild("inputprofile");
    ASSERT_NE(saved, nullptr);
    EXPECT_EQ(saved->GetAttribute("name"), "Pad");
    EXPECT_EQ(saved->GetChild("property", 1)->GetChild("control")->GetAttribute("device"), "Wheel");
}

TEST_F(InstanceInputProfileTest, TheCoreSavesAndLoadsInputProfilesByNameInBothFileForms) {
    Channel("Gas").setControl(pad->getControl(0));
    Channel("Gas").setMultiplier(-1.0);
    ASSERT_TRUE(core->SaveInputProfile("Pedals_01", "Mine"));
    const fs::path user = DataRoot() / "data" / "fake" / "Pedals";
    ASSERT_TRUE(fs::exists(user / "inputprofiles" / "Mine.cip"));

    Channel("Gas").setControl(nullptr);
    Channel("Gas").setMultiplier(1.0);
    EXPECT_EQ(core->LoadInputProfile("Pedals_01", "Mine"), 0);
    EXPECT_EQ(Channel("Gas").getControl(), pad->getControl(0));
    EXPECT_EQ(Channel("Gas").getMultiplier(), -1.0);
    EXPECT_EQ(instance->GetInputProfileName(), "Mine");

    WriteFile(user / "inputprofile.xml", R"(<unidevice><profile name="Shared"><property name="Brake">)"
                                         R"(<control device="Pad" type="Axis" index="1"/></property>)"
                                         R"(</profile></unidevice>)");
    EXPECT_EQ(core->LoadInputProfile("Pedals_01", "Shared"), 0);
    EXPECT_EQ(Channel("Gas").getControl(), nullptr);
    EXPECT_EQ(Channel("Brake").getControl(), pad->getControl(1));

    EXPECT_EQ(core->LoadInputProfile("Pedals_01", "Unknown"), kProfileNotFound);
    EXPECT_EQ(core->LoadInputProfile("Nobody", "Mine"), kProfileNotFound);
    EXPECT_FALSE(core->SaveInputProfile("Nobody", "Mine"));
    EXPECT_EQ(Channel("Brake").getControl(), pad->getControl(1)) << "a failed load changes nothing";
}

} // namespace
} // namespace vex::orb::core::test
