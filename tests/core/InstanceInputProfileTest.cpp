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
        unidevice::DeviceRegistry::Instance().Shutdown();
        RegistryTest::SetUp();
        MakeLibrary("pedals", {new Pedals});
        host_ = std::make_unique<adaptor::memory::MemoryAdaptor>();
        core_ = FindCore();
        ASSERT_NE(core_, nullptr);
        pad_ = new unidevice::test::TestDevice("Pad", 2);
        instance_ = core_->FindInstance(core_->CreateTool("Pedals"));
        ASSERT_NE(instance_, nullptr);
    }
    void TearDown() override {
        host_.reset();
        RegistryTest::TearDown();
        unidevice::DeviceRegistry::Instance().Shutdown();
    }
    unidevice::Property& Channel(const char* name) { return *instance_->findInputChannel(name); }
    static Element Parse(const std::string& text) {
        Element element;
        EXPECT_EQ(element.Parse(text), util::xml::kOk);
        return element;
    }

    std::unique_ptr<adaptor::memory::MemoryAdaptor> host_;
    CoreImplementation* core_ = nullptr;
    unidevice::test::TestDevice* pad_ = nullptr;
    Instance* instance_ = nullptr;
};

TEST_F(InstanceInputProfileTest, LoadingTellsTheListenersAndNamesTheProfileUnlessItIsNoProfile) {
    Listener listener;
    listener.connect(instance_);
    const int result = instance_->LoadInputProfile(Parse(
        R"(<profile name="Pad"><property name="Gas"><control device="Pad" type="Axis" index="1"/></property>)"
        R"(<property name="Brake"><control device="Wheel" type="Axis" index="0"/></property></profile>)"));
    EXPECT_EQ(result, 1) << "the wheel is not there";
    EXPECT_EQ(listener.codes, std::vector<int32_t>{Instance::kInputConfigurationChanged});
    EXPECT_EQ(Instance::kInputConfigurationChanged, 154);
    EXPECT_EQ(instance_->GetInputProfileName(), "Pad");
    EXPECT_EQ(Channel("Gas").getControl(), pad_->getControl(1));

    EXPECT_EQ(instance_->LoadInputProfile(Parse(R"(<unidevice><profile name="Other"/></unidevice>)")),
              unidevice::InputProfile::kNotAProfile);
    EXPECT_EQ(listener.codes.size(), 1u) << "nothing changed, nothing told";
    EXPECT_EQ(instance_->GetInputProfileName(), "Pad");
    EXPECT_EQ(Channel("Gas").getControl(), pad_->getControl(1));

    // The saved description keeps the missing wheel.
    Element description;
    instance_->WriteDescription(description, 0);
    const Element* saved = description.GetChild("inputprofile");
    ASSERT_NE(saved, nullptr);
    EXPECT_EQ(saved->GetAttribute("name"), "Pad");
    EXPECT_EQ(saved->GetChild("property", 1)->GetChild("control")->GetAttribute("device"), "Wheel");
}

TEST_F(InstanceInputProfileTest, TheCoreSavesAndLoadsInputProfilesByNameInBothFileForms) {
    Channel("Gas").SetControl(pad_->getControl(0));
    Channel("Gas").SetMultiplier(-1.0);
    ASSERT_TRUE(core_->SaveInputProfile("Pedals_01", "Mine"));
    const fs::path user = DataRoot() / "data" / "fake" / "Pedals";
    ASSERT_TRUE(fs::exists(user / "inputprofiles" / "Mine.cip"));

    Channel("Gas").SetControl(nullptr);
    Channel("Gas").SetMultiplier(1.0);
    EXPECT_EQ(core_->LoadInputProfile("Pedals_01", "Mine"), 0);
    EXPECT_EQ(Channel("Gas").getControl(), pad_->getControl(0));
    EXPECT_EQ(Channel("Gas").GetMultiplier(), -1.0);
    EXPECT_EQ(instance_->GetInputProfileName(), "Mine");

    WriteFile(user / "inputprofile.xml", R"(<unidevice><profile name="Shared"><property name="Brake">)"
                                         R"(<control device="Pad" type="Axis" index="1"/></property>)"
                                         R"(</profile></unidevice>)");
    EXPECT_EQ(core_->LoadInputProfile("Pedals_01", "Shared"), 0);
    EXPECT_EQ(Channel("Gas").getControl(), nullptr);
    EXPECT_EQ(Channel("Brake").getControl(), pad_->getControl(1));

    EXPECT_EQ(core_->LoadInputProfile("Pedals_01", "Unknown"), kProfileNotFound);
    EXPECT_EQ(core_->LoadInputProfile("Nobody", "Mine"), kProfileNotFound);
    EXPECT_FALSE(core_->SaveInputProfile("Nobody", "Mine"));
    EXPECT_EQ(Channel("Brake").getControl(), pad_->getControl(1)) << "a failed load changes nothing";
}

} // namespace
} // namespace vex::orb::core::test
