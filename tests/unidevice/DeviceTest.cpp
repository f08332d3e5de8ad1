#include "tests/unidevice/TestDevices.h"
#include "util/xml/Element.h"
#include "util/xml/Status.h"

#include <gtest/gtest.h>

#include <string>

namespace vex::unidevice::test {
namespace {

util::xml::Element Xml(const std::string& text) {
    util::xml::Element element;
    EXPECT_EQ(element.Parse(text), util::xml::kOk) << text;
    return element;
}

using DeviceIdentity = RegistryTest;
using ControlIdentity = RegistryTest;

TEST_F(DeviceIdentity, DevicesOfOneNameAreToldApartByDevindex) {
    auto* first = new TestDevice("Wheel", 2);
    auto* other = new TestDevice("Pedals", 1);
    auto* second = new TestDevice("Wheel", 2);
    EXPECT_EQ(first->GetDevIndex(), 0);
    EXPECT_EQ(other->GetDevIndex(), 0);
    EXPECT_EQ(second->GetDevIndex(), 1);

    util::xml::Element a, b;
    EXPECT_EQ(first->getControl(1)->toXml(a).ToString(),
              "<control device=\"Wheel\" type=\"Axis\" index=\"1\">\n"
              "\t<description>Axis 1</description>\n</control>");
    EXPECT_EQ(second->getControl(1)->toXml(b).ToString(),
              "<control device=\"Wheel\" devindex=\"1\" type=\"Axis\" index=\"1\">\n"
              "\t<description>Axis 1</description>\n</control>");
    EXPECT_EQ(registry_.findControl(a), first->getControl(1));
    EXPECT_EQ(registry_.findControl(b), second->getControl(1));

    // Without the first, a binding without devindex finds the second; a new one takes devindex 0.
    first->destroy();
    EXPECT_EQ(registry_.findControl(a), second->getControl(1));
    auto* third = new TestDevice("Wheel", 1);
    EXPECT_EQ(third->GetDevIndex(), 0);
    EXPECT_EQ(registry_.findDevice(a), second) << "registry order, not devindex order";
}

TEST_F(ControlIdentity, MatchingRules) {
    auto* pad = new TestDevice("Pad", 2);
    auto* pad2 = new TestDevice("Pad", 2);
    auto* stick = new TestDevice("Stick", 3);
    struct Case {
        const char* xml;
        Control* expected;
    } cases[] = {
        {"<control device=\"\" type=\"Axis\" index=\"2\"/>", stick->getControl(2)}, // any device
        {"<control type=\"Axis\" index=\"1\"/>", pad->getControl(1)},
        {"<control devindex=\"1\" type=\"Axis\" index=\"1\"/>", pad2->getControl(1)},
        {"<control device=\"Pad\" devindex=\"\" type=\"Axis\" index=\"0\"/>", pad->getControl(0)},
        {"<control device=\"pad\" type=\"Axis\" index=\"0\"/>", nullptr}, // case-sensitive
        {"<control device=\"Pad\" devindex=\"2\" type=\"Axis\" index=\"0\"/>", nullptr},
        {"<control device=\"Pad\" devindex=\"one\" type=\"Axis\" index=\"0\"/>", nullptr},
        {"<control device=\"Stick\" type=\"axis\" index=\"0\"/>", nullptr},
        {"<control device=\"Stick\" type=\"Axis\" index=\"0x\"/>", nullptr},
        {"<control device=\"Stick\" type=\"Axis\"/>", nullptr}, // index is required
        {"<control device=\"Stick\" type=\"Axis\" index=\"7\"/>", nullptr},
    };
    for (const Case& c : cases) EXPECT_EQ(registry_.findControl(Xml(c.xml)), c.expected) << c.xml;
}

} // namespace
} // namespace vex::unidevice::test
