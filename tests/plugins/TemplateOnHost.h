#pragma once

#include "core/CoreImplementation.h"
#include "core/CoreStartup.h"
#include "core/Instance.h"
#include "core/plugins/TemplatePlugin.h"
#include "core/plugins/TemplatePlugin_Code.h"
#include "tests/core/ToolTestSupport.h"
#include "tests/plugins/HostUnderTest.h"
#include "unidevice/Control.h"
#include "unidevice/ControlKind.h"
#include "unidevice/Property.h"
#include "util/xml/Element.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace vex::orb::core::test {

/// Scripted tools and the tools they drive, created through the core on a host under test (the
/// parameter) at 25 frames per second. The run helpers step several instances in the order given,
/// as the record loop steps the instance list.
class TemplateOnHost : public RegistryTest, public testing::WithParamInterface<HostKind> {
protected:
    using Code = plugins::TemplatePlugin::Code;
    static constexpr double kFrame = 1.0 / 25.0;

    void SetUp() override {
        RegistryTest::SetUp();
        host_ = MakeHostUnderTest(GetParam());
        core_ = FindCore();
        ASSERT_NE(core_, nullptr);
    }
    void TearDown() override {
        host_.reset();
        RegistryTest::TearDown();
    }

    /// Registers the scripted type of the template document `text`, as a template file at `source`
    /// would be.
    static void Register(const std::string& text, const std::string& source = "test.prm") {
        util::xml::Element document;
        ASSERT_EQ(document.Parse(text), util::xml::kOk) << text;
        MakeLibrary(source, {new plugins::TemplatePlugin(document, source)});
    }
    /// A new instance of the type `identifier`, made as the user makes one.
    Instance* Create(const std::string& identifier) {
        Instance* instance = core_->FindInstance(core_->CreateTool(identifier));
        EXPECT_NE(instance, nullptr) << identifier;
        return instance;
    }
    static Code& CodeOf(Instance& instance) { return *dynamic_cast<Code*>(instance.GetObject()); }

    /// Binds `instance`'s channel to a new control of the test, which it returns.
    unidevice::Control& Bind(Instance& instance, const char* channel) {
        controls_.push_back(std::make_unique<unidevice::Control>(nullptr, unidevice::kAnyControl, 0.0));
        EXPECT_NE(instance.findInputChannel(channel), nullptr) << channel;
        instance.findInputChannel(channel)->SetControl(controls_.back().get());
        return *controls_.back();
    }
    /// Binds `receiver`'s channel to the virtual control `control` of `sender`, as a user binds one
    /// tool to another's output.
    static void Chain(Instance& receiver, const char* channel, Instance& sender, int control) {
        ASSERT_NE(receiver.findInputChannel(channel), nullptr) << channel;
        ASSERT_NE(sender.getControl(control), nullptr);
        receiver.findInputChannel(channel)->SetControl(sender.getControl(control));
    }

    /// A live run of `instances` from `t`, the host recording.
    void Begin(const std::vector<Instance*>& instances, double t) {
        host_->SetRecording(true);
        host_->SetCurrentTime(t);
        host_->Adaptor().prepareRecording(std::vector<NodeOwner*>(instances.begin(), instances.end()));
        for (Instance* instance : instances) instance->BeginRecord(t, false);
    }
    static void Step(const std::vector<Instance*>& instances, double t) {
        for (Instance* instance : instances) instance->Step(t);
    }
    void End(const std::vector<Instance*>& instances) {
        for (Instance* instance : instances) instance->EndRecord();
        host_->Adaptor().finishRecording();
        host_->SetRecording(false);
    }

    std::unique_ptr<HostUnderTest> host_;
    CoreImplementation* core_ = nullptr;
    std::vector<std::unique_ptr<unidevice::Control>> controls_;
};

} // namespace vex::orb::core::test
