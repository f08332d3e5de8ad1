#include "unidevice/InputProfile.h"

#include "tests/unidevice/TestDevices.h"
#include "unidevice/Property.h"
#include "unidevice/PropertyHandler.h"
#include "util/xml/Status.h"

#include <gtest/gtest.h>

#include <string>

namespace vex::unidevice::test {
namespace {

using util::xml::Element;

Element Parse(const std::string& text) {
    Element element;
    EXPECT_EQ(element.Parse(text), util::xml::kOk) << text;
    return element;
}

// Two channels of a steering rig, both bound to the pad's axes, with non-default parameters.
class InputProfileTest : public RegistryTest {
protected:
    void SetUp() override {
        RegistryTest::SetUp();
        pad_ = new TestDevice("Pad", 2);
        for (const char* name : {"Steer", "Gas"}) {
            channels_.AddProperty(name, new Property(name, kFiniteControl));
            channels_.FindProperty(name)->SetMultiplier(2.0);
        }
        Steer().SetControl(pad_->getControl(0));
        Gas().SetControl(pad_->getControl(1));
    }
    Property& Steer() { return *channels_.FindProperty("Steer"); }
    Property& Gas() { return *channels_.FindProperty("Gas"); }
    int Load(const std::string& text) { return InputProfile::Load(channels_, Parse(text), name_); }

    TestDevice* pad_ = nullptr;
    PropertyHandler channels_;
    std::string name_ = "before";
};

TEST_F(InputProfileTest, AProfileWithoutPropertiesUnbindsEveryChannelAndKeepsTheParameters) {
    EXPECT_EQ(Load(R"(<profile name="Empty"/>)"), 0);
    EXPECT_EQ(name_, "Empty");
    EXPECT_EQ(Steer().getControl(), nullptr);
    EXPECT_EQ(Gas().getControl(), nullptr);
    EXPECT_TRUE(pad_->getControl(0)->GetTargets().empty());
    EXPECT_EQ(Steer().GetMultiplier(), 2.0);

    EXPECT_EQ(Load("<profile/>"), 0);
    EXPECT_EQ(name_, "Empty") << "a profile without a name leaves the name";
}

TEST_F(InputProfileTest, AMissingDeviceIsCountedKeptAndWrittenBackWhileUnknownChannelsAreIgnored) {
    const std::string wheel = R"(<control device="Wheel" devindex="1" type="Axis" index="0" extra="x">)"
                              "<description>Pedal</description></control>";
    const int unresolved =
        Load(R"(<profile name="Mixed">)"
             R"(<property name="Gas"><deadzone>0.2</deadzone><multiplier/>)" +
             wheel + "</property>" +
             R"(<property name="Brake"><control device="Pad" type="Axis" index="0"/></property>)"
             R"(<property name="Steer"><exponent>1.3</exponent>)"
             R"(<control device="" type="Axis" index="1"/></property></profile>)");
    EXPECT_EQ(unresolved, 1);
    EXPECT_EQ(Gas().getControl(), nullptr);
    EXPECT_EQ(Gas().GetDeadzone(), 0.2);
    EXPECT_EQ(Gas().GetMultiplier(), 2.0) << "an empty value leaves the channel's";
    EXPECT_EQ(Steer().getControl(), pad_->getControl(1)) << "any device with that control";
    EXPECT_EQ(Steer().GetExponent(), 1.3);

    const Element saved = InputProfile::Save(channels_, "Again");
    EXPECT_EQ(saved.GetName(), "profile");
    EXPECT_EQ(saved.GetAttribute("name"), "Again");
    ASSERT_EQ(saved.CountChildren("property"), 2u) << "one per channel, unknown names not added";
    EXPECT_EQ(saved.GetChild("property", 0)->GetAttribute("name"), "Steer") << "in channel order";
    EXPECT_EQ(saved.GetChild("property", 0)->GetChild("control")->GetAttribute("device"), "Pad");
    EXPECT_EQ(*saved.GetChild("property", 1)->GetChild("control"), Parse(wheel));

    // Loading what was saved gives the same profile back, still with one binding missing.
    EXPECT_EQ(InputProfile::Load(channels_, saved, name_), 1);
    Element again = InputProfile::Save(channels_, "Again");
    EXPECT_EQ(again, saved);

    // A later profile that does not mention the channel drops the kept binding too.
    EXPECT_EQ(Load("<profile/>"), 0);
    EXPECT_EQ(InputProfile::Save(channels_, "").GetChild("property", 1)->GetChild("control"), nullptr);
}

TEST_F(InputProfileTest, SingleFileAndWrappedFormsLoadTheSameAndOtherRootsChangeNothing) {
    const std::string profile = R"(<profile name="Pad"><property name="Gas"><multiplier>-1</multiplier>)"
                                R"(<control device="Pad" type="Axis" index="0"/></property></profile>)";
    const Element bare = Parse(profile);
    const Element wrapped = Parse(R"(<inputprofile name="outer"><property name="Steer"/>)" + profile +
                                  "<profile name=\"second\"/></inputprofile>");
    EXPECT_EQ(InputProfile::Load(channels_, bare, name_), 0);
    const Element fromBare = InputProfile::Save(channels_, name_);
    EXPECT_EQ(InputProfile::Load(channels_, wrapped, name_), 0);
    EXPECT_EQ(InputProfile::Save(channels_, name_), fromBare) << "the first \"profile\" child is the profile";
    EXPECT_EQ(name_, "Pad");
    EXPECT_EQ(Gas().getControl(), pad_->getControl(0));
    EXPECT_EQ(Gas().GetMultiplier(), -1.0);
    EXPECT_EQ(Steer().getControl(), nullptr);

    // A wrapper without a "profile" child is the profile itself (an instance's saved bindings).
    EXPECT_EQ(Load(R"(<inputprofile><property name="Steer"><control device="Pad" type="Axis" index="1"/>)"
                   "</property></inputprofile>"),
              0);
    EXPECT_EQ(Steer().getControl(), pad_->getControl(1));

    for (const char* other :
         {R"(<unidevice><profile name="X"/></unidevice>)", R"(<configprofile name="X"/>)"}) {
        EXPECT_EQ(Load(other), InputProfile::kNotAProfile) << other;
        EXPECT_EQ(InputProfile::kNotAProfile, 9999999);
        EXPECT_EQ(name_, "Pad");
        EXPECT_EQ(Steer().getControl(), pad_->getControl(1)) << "nothing changed";
        EXPECT_EQ(Gas().getControl(), nullptr);
    }
}

} // namespace
} // namespace vex::unidevice::test
