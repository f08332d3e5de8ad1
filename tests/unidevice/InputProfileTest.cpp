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
        pad = new TestDevice("Pad", 2);
        for (const char* name : {"Steer", "Gas"}) {
            channels.addProperty(name, new Property(name, kFiniteControl));
            channels.findProperty(name)->setMultiplier(2.0);
        }
        Steer().setControl(pad->getControl(0));
        Gas().setControl(pad->getControl(1));
    }
    Property& Steer() { return *channels.findProperty("Steer"); }
    Property& Gas() { return *channels.findProperty("Gas"); }
    int Load(const std::string& text) { return InputProfile::Load(channels, Parse(text), name); }

    TestDevice* pad = nullptr;
    PropertyHandler channels;
    std::string name = "before";
};

TEST_F(InputProfileTest, AProfileWithoutPropertiesUnbindsEveryChannelAndKeepsTheParameters) {
    EXPECT_EQ(Load(R"(<profile name="Empty"/>)"), 0);
    EXPECT_EQ(name, "Empty");
    EXPECT_EQ(Steer().getControl(), nullptr);
    EXPECT_EQ(Gas().getControl(), nullptr);
    EXPECT_TRUE(pad->getControl(0)->getTargets().empty());
    EXPECT_EQ(Steer().getMultiplier(), 2.0);

    EXPECT_EQ(Load("<profile/>"), 0);
    EXPECT_EQ(name, "Empty") << "a profile without a name leaves the name";
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
    EXPECT_EQ(Gas().getDeadzone(), 0.2);
    EXPECT_EQ(Gas().getMultiplier(), 2.0) << "an empty value leaves the channel's";
    EXPECT_EQ(Steer().getControl(), pad->getControl(1)) << "any device with that control";
    EXPECT_EQ(Steer().getExponent(), 1.3);

    const Element saved = InputProfile::Save(channels, "Again");
    EXPECT_EQ(saved.GetName(), "profile");
    EXPECT_EQ(saved.GetAttribute("name"), "Again");
    ASSERT_EQ(saved.CountChildren("property"), 2u) << "one per channel, unknown names not added";
    EXPECT_EQ(saved.GetChild("property", 0)->GetAttribute("name"), "Steer") << "in channel order";
    EXPECT_EQ(saved.GetChild("property", 0)->GetChild("control")->GetAttribute("device"), "Pad");
    EXPECT_EQ(*saved.GetChild("property", 1)->GetChild("control"), Parse(wheel));

    // Loading what was saved gives the same profile back, still with one binding missing.
    EXPECT_EQ(InputProfile::Load(channels, saved, name), 1);
    Element again = InputProfile::Save(channels, "Again");
    EXPECT_EQ(again, saved);

    // A later profile that does not mention the channel drops the kept binding too.
    EXPECT_EQ(Load("<profile/>"), 0);
    EXPECT_EQ(InputProfile::Save(channels, "").GetChild("property", 1)->GetChild("control"), nullptr);
}

TEST_F(InputProfileTest, SingleFileAndWrappedFormsLoadTheSameAndOtherRootsChangeNothing) {
    const std::string profile = R"(<profile name="Pad"><property name="Gas"><multiplier>-1</multiplier>)"
                                R"(<control device="Pad" type="Axis" index="0"/></property></profile>)";
    const Element bare = Parse(profile);
    const Element wrapped = Parse(R"(<inputprofile name="outer"><property name="Steer"/>)" + profile +
                                  "<profile name=\"second\"/></inputprofile>");
    EXPECT_EQ(InputProfile::Load(channels, bare, name), 0);
    const Element fromBare = InputProfile::Save(channels, name);
    EXPECT_EQ(InputProfile::Load(channels, wrapped, name), 0);
    EXPECT_EQ(InputProfile::Save(channels, name), fromBare) << "the first \"profile\" child is the profile";
    EXPECT_EQ(name, "Pad");
    EXPECT_EQ(Gas().getControl(), pad->getControl(0));
    EXPECT_EQ(Gas().getMultiplier(), -1.0);
    EXPECT_EQ(Steer().getControl(), nullptr);

    // A wrapper without a "profile" child is the profile itself (an instance's saved bindings).
    EXPECT_EQ(Load(R"(<inputprofile><property name="Steer"><control device="Pad" type="Axis" index="1"/>)"
                   "</property></inputprofile>"),
              0);
    EXPECT_EQ(Steer().getControl(), pad->getControl(1));

    for (const char* other :
         {R"(<unidevice><profile name="X"/></unidevice>)", R"(<configprofile name="X"/>)"}) {
        EXPECT_EQ(Load(other), InputProfile::kNotAProfile) << other;
        EXPECT_EQ(InputProfile::kNotAProfile, 9999999);
        EXPECT_EQ(name, "Pad");
        EXPECT_EQ(Steer().getControl(), pad->getControl(1)) << "nothing changed";
        EXPECT_EQ(Gas().getControl(), nullptr);
    }
}

} // namespace
} // namespace vex::unidevice::test
