#include "unidevice/Property.h"

#include "tests/unidevice/TestDevices.h"
#include "unidevice/PropertyHandler.h"
#include "util/xml/Element.h"
#include "util/xml/Status.h"

#include <gtest/gtest.h>

#include <string>

namespace vex::unidevice::test {
namespace {

using PropertyTest = RegistryTest;

TEST(PropertyValue, ShapesTheControlValue) {
    Control axis(nullptr, kFiniteControl, 0.1);
    Property property("Steer", kFiniteControl);
    EXPECT_EQ(property.getValue(), 0.0) << "unbound: the offset";
    property.SetControl(&axis);
    auto at = [&](double x) {
        axis.setValue(x);
        return property.getValue();
    };

    // Defaults: multiplier 1, exponent 1, dead zone 0.1, offset 0.
    for (double x : {-0.1, -0.05, 0.0, 0.05, 0.1}) EXPECT_EQ(at(x), 0.0) << x;
    EXPECT_DOUBLE_EQ(at(0.55), 0.5);
    EXPECT_DOUBLE_EQ(at(1.0), 1.0);
    EXPECT_DOUBLE_EQ(at(-1.0), -1.0);

    property.SetDeadzone(0.0);
    property.SetExponent(2.0);
    EXPECT_DOUBLE_EQ(at(0.5), 0.25);
    EXPECT_DOUBLE_EQ(at(-0.5), -0.25) << "the sign comes back after the curve";

    property.SetExponent(1.0);
    property.SetMultiplier(0.5);
    property.setOffset(0.5);
    EXPECT_DOUBLE_EQ(at(-1.0), 0.0);
    EXPECT_DOUBLE_EQ(at(0.0), 0.5);
    EXPECT_DOUBLE_EQ(at(1.0), 1.0);
    property.SetControl(nullptr);
    EXPECT_EQ(property.getValue(), 0.5) << "unbound: the offset";
}

TEST(PropertyBinding, ResultIsTheKindsInCommonAndTheBindingHoldsRegardless) {
    Control button(nullptr, kBinaryControl, 0.5);
    Control axis(nullptr, kFiniteControl, 0.1);
    Property property("Gas", kFiniteControl | kTrinaryControl);

    EXPECT_EQ(property.SetControl(&axis), kFiniteControl);
    EXPECT_EQ(property.SetControl(&button), 0u);
    EXPECT_EQ(property.getControl(), &button);
    EXPECT_TRUE(axis.GetTargets().empty()) << "unbound from the former control";
    EXPECT_EQ(property.SetControl(nullptr), 65535u);
    EXPECT_TRUE(button.GetTargets().empty());
}

TEST_F(PropertyTest, ADestroyedDeviceLeavesThePropertyUnboundAndItsEffectsDetached) {
    auto* wheel = new TestDevice("Wheel", 1);
    Property property("Steer", kFiniteControl);
    property.setOffset(0.25);
    EXPECT_EQ(property.createEffect(kSine), nullptr) << "unbound";
    property.SetControl(wheel->getControl(0));
    wheel->getControl(0)->setValue(1.0);
    FFEffect* effect = property.createEffect(kSine);
    ASSERT_NE(effect, nullptr);
    EXPECT_EQ(property.GetEffects(), (std::vector<FFEffect*>{effect}));
    EXPECT_TRUE(effect->IsAttached());

    wheel->destroy();
    EXPECT_EQ(property.getControl(), nullptr);
    EXPECT_EQ(property.getValue(), 0.25);
    EXPECT_FALSE(effect->IsAttached());
}

TEST_F(PropertyTest, ElementIsWrittenWithDefaultStreamFormattingAndReadBack) {
    auto* pad = new TestDevice("Pad", 2);
    Property property("Focal Position", kFiniteControl);
    property.SetMultiplier(-1.0);
    property.SetExponent(1.3);
    property.SetDeadzone(0.123456789);
    property.setOffset(2.5e-7);
    property.SetControl(pad->getControl(1));

    util::xml::Element element;
    const std::string text = property.toXml(element).ToString();
    EXPECT_EQ(text, "<property name=\"Focal Position\">\n"
                    "\t<multiplier>-1</multiplier>\n"
                    "\t<exponent>1.3</exponent>\n"
                    "\t<deadzone>0.123457</deadzone>\n"
                    "\t<offset>2.5e-07</offset>\n"
                    "\t<control device=\"Pad\" type=\"Axis\" index=\"1\">\n"
                    "\t\t<description>Axis 1</description>\n"
                    "\t</control>\n"
                    "</property>");

    Property copy("Focal Position", kFiniteControl);
    EXPECT_TRUE(copy.FromXml(element));
    EXPECT_EQ(copy.getControl(), pad->getControl(1));
    util::xml::Element again;
    EXPECT_EQ(copy.toXml(again).ToString(), text);

    // Missing, empty or malformed values stay; an empty "control" unbinds.
    ASSERT_EQ(element.Parse(
                  "<property><multiplier/><exponent>two</exponent><offset>1</offset><control/></property>"),
              util::xml::kOk);
    EXPECT_TRUE(copy.FromXml(element));
    EXPECT_EQ(copy.getControl(), nullptr);
    EXPECT_EQ(copy.GetMultiplier(), -1.0);
    EXPECT_EQ(copy.GetExponent(), 1.3);
    EXPECT_EQ(copy.GetOffset(), 1.0);
}

TEST_F(PropertyTest, AnUnresolvedBindingIsKeptAndWrittenBackUnchanged) {
    new TestDevice("Pad", 2);
    util::xml::Element stored;
    ASSERT_EQ(
        stored.Parse("<property name=\"Gas\"><multiplier>1</multiplier><exponent>1</exponent>"
                     "<deadzone>0.2</deadzone><offset>0</offset><control device=\"Wheel\" devindex=\"1\" "
                     "type=\"Axis\" index=\"0\" extra=\"kept\"><description>Pedal</description></control>"
                     "</property>"),
        util::xml::kOk);
    Property property("Gas", kFiniteControl);
    EXPECT_FALSE(property.FromXml(stored));
    EXPECT_EQ(property.getControl(), nullptr);
    util::xml::Element written;
    EXPECT_EQ(property.toXml(written), stored);
}

TEST_F(PropertyTest, HandlerFindsAndOwnsItsChannels) {
    auto* pad = new TestDevice("Pad", 1);
    {
        PropertyHandler handler;
        Property::Factory factory;
        for (const char* name : {"Gas", "Brake"}) {
            handler.AddProperty(name, factory.create(name, kFiniteControl));
            handler.FindProperty(name)->SetControl(pad->getControl(0));
        }
        EXPECT_EQ(handler.GetProperty(1)->getName(), "Brake");
        EXPECT_EQ(handler.GetProperty(2), nullptr);
        EXPECT_EQ(handler.FindProperty("gas"), nullptr);
    }
    EXPECT_TRUE(pad->getControl(0)->GetTargets().empty()) << "destroyed channels unbind themselves";
}

} // namespace
} // namespace vex::unidevice::test
