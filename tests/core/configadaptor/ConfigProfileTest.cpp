#include "core/configadaptor/CheckBox.h"
#include "core/configadaptor/ComboBox.h"
#include "core/configadaptor/Group.h"
#include "core/configadaptor/PageBuilder.h"
#include "core/configadaptor/Root.h"
#include "core/configadaptor/Spinner.h"
#include "core/configadaptor/Spinner_Int.h"
#include "core/configadaptor/ValueText.h"

#include <gtest/gtest.h>

#include <bit>
#include <cstdint>
#include <limits>
#include <string>

namespace vex::orb::core::configadaptor {
namespace {

util::xml::Element Parse(const std::string& text) {
    util::xml::Element element;
    EXPECT_EQ(element.Parse(text), 0);
    return element;
}

// A page like a tool's: one group with spinners, a switch, an int spinner and a combo box.
struct Page {
    Page() {
        builder.beginConfiguration();
        builder.beginGroup("General Settings", "");
        builder.addCheckBox("Hide Helpers", "", &hide, nullptr); // id 0
        builder.addSpinner("Acceleration (in Percent)", "", &acceleration, 0, 100, 1, 1, true, 0,
                           nullptr);                                                                // id 1
        builder.addIntSpinner("Gears", "", &gears, 1, 9, 1, 10, true, 0, nullptr);                  // id 2
        builder.addSpinner("Maximum Steering Angle", "", &steering, 0, 90, 1, 1, true, 0, nullptr); // id 3
        builder.addComboBox("Mode", "", {"Off", "Follow", "Drive"}, &mode, nullptr);                // id 4
        builder.endGroup();
        builder.endConfiguration();
    }
    element::Root& root() { return *builder.GetPage(); }

    PageBuilder builder;
    bool hide = false;
    double acceleration = 1.0;
    int gears = 5;
    double steering = 2.0;
    int mode = 0;
};

TEST(ConfigProfile, LoadsTheShippedBusProfileExactly) {
    Page page;
    page.root().loadProfile(Parse(R"x(<?xml version="1.0"?>
<configprofile version="2.0" name="Bus">
	<group id="-1" label="General Settings">
		<item id="1" type="blob" label="Acceleration (in Percent)">AAAAAAAAJEA=</item>
		<item id="3" type="blob" label="Maximum Steering Angle">AAAAAAAAREA=</item>
	</group>
</configprofile>)x"));
    EXPECT_EQ(page.acceleration, 10.0);
    EXPECT_EQ(page.steering, 40.0);
    EXPECT_FALSE(page.hide);
    EXPECT_EQ(page.gears, 5);
}

TEST(ConfigProfile, SaveAndLoadReturnsEveryValueBitForBit) {
    const double values[] = {0.1,
                             1.0 / 3.0,
                             2.0 / 3.0 * 1e-300,
                             -0.0,
                             std::numeric_limits<double>::denorm_min(),
                             123456.78901234567};
    for (double value : values) {
        Page source;
        source.acceleration = value;
        source.steering = -value;
        source.hide = true;
        source.gears = -7;
        source.mode = 2;
        const util::xml::Element profile = Parse(source.root().saveProfile().ToString());
        EXPECT_EQ(profile.GetAttribute("version"), "2.0");

        Page target;
        target.root().loadProfile(profile);
        EXPECT_EQ(std::bit_cast<uint64_t>(target.acceleration), std::bit_cast<uint64_t>(value));
        EXPECT_EQ(std::bit_cast<uint64_t>(target.steering), std::bit_cast<uint64_t>(-value));
        EXPECT_TRUE(target.hide);
        EXPECT_EQ(target.gears, -7);
        EXPECT_EQ(target.mode, 2);
    }
}

TEST(ConfigProfile, WritesTheItemForms) {
    Page page;
    page.acceleration = 10.0;
    page.mode = 1;
    const util::xml::Element profile = page.root().saveProfile();
    const util::xml::Element* group = profile.GetChild("group");
    ASSERT_NE(group, nullptr);
    EXPECT_EQ(group->GetAttribute("id"), "-1");
    EXPECT_EQ(group->GetAttribute("label"), "General Settings");
    ASSERT_EQ(group->CountChildren("item"), 5u);
    EXPECT_EQ(group->GetChild("item", 0)->ToString(), R"x(<item id="0" label="Hide Helpers">0</item>)x");
    EXPECT_EQ(group->GetChild("item", 1)->ToString(),
              R"x(<item id="1" type="blob" label="Acceleration (in Percent)">AAAAAAAAJEA=</item>)x");
    EXPECT_EQ(group->GetChild("item", 2)->ToString(), R"x(<item id="2" label="Gears">5</item>)x");
    EXPECT_EQ(group->GetChild("item", 4)->ToString(),
              R"x(<item id="4" type="text" label="Mode">Follow</item>)x");
}

TEST(ConfigProfile, UnreadableItemsLeaveValuesUnchanged) {
    Page page;
    page.root().loadProfile(Parse(R"x(<configprofile version="2.0"><group id="-1" label="General Settings">
        <item id="0" type="blob" label="Hide Helpers">AQ==</item>
        <item id="1" type="blob" label="Acceleration (in Percent)">AAAAAAAAJA==</item>
        <item id="2" label="Gears">many</item>
        <item id="3" type="blob" label="Maximum Steering Angle">not base64!</item>
        <item id="4" type="text" label="Mode">Fly</item>
    </group></configprofile>)x"));
    EXPECT_FALSE(page.hide);           // a check box reads no blob
    EXPECT_EQ(page.acceleration, 1.0); // 7 bytes are not a double
    EXPECT_EQ(page.gears, 5);
    EXPECT_EQ(page.steering, 2.0);
    EXPECT_EQ(page.mode, 0); // no such entry

    page.root().loadProfile(Parse(R"x(<configprofile version="1.0"><group id="-1" label="General Settings">
        <item id="0" label="Hide Helpers">1</item></group></configprofile>)x"));
    EXPECT_FALSE(page.hide); // another version is ignored as a whole
}

TEST(ConfigProfile, GenericAndBlobItemsGiveTheSameValues) {
    Page page;
    page.root().loadProfile(Parse(R"x(<configprofile version="2.0"><group id="-1" label="General Settings">
        <item id="0" type="generic" label="Hide Helpers">1</item>
        <item id="1" label="Acceleration (in Percent)"> 10 </item>
        <item id="2" type="blob" label="Gears">AAAAAAAAIEA=</item>
    </group></configprofile>)x"));
    EXPECT_TRUE(page.hide);
    EXPECT_EQ(page.acceleration, 10.0);
    EXPECT_EQ(page.gears, 8);
    EXPECT_EQ(page.steering, 2.0); // no item at its position
}

// A blob carries a double; an int spinner takes it as C converts it, toward zero, not rounded.
TEST(ConfigProfile, IntSpinnerTruncatesABlobTowardZero) {
    const auto load = [](double stored) {
        Page page;
        page.root().loadProfile(
            Parse(R"x(<configprofile version="2.0"><group id="-1" label="General Settings">
            <item id="0" label="Hide Helpers">0</item><item id="1" label="Acceleration (in Percent)">1</item>
            <item id="2" type="blob" label="Gears">)x" +
                  EncodeDoubleBlob(stored) + "</item></group></configprofile>"));
        return page.gears;
    };
    EXPECT_EQ(load(2.9), 2);
    EXPECT_EQ(load(-2.9), -2);
    EXPECT_EQ(load(7.5), 7);
    EXPECT_EQ(load(std::numeric_limits<double>::quiet_NaN()), 5); // unreadable keeps the value
}

TEST(ConfigProfile, UsesThePositionalItemOnlyWhenItsLabelMatchesElseTheId) {
    Page page;
    // Position 1 holds a different parameter; the acceleration is found by its id, the steering by
    // position (no label), and the gears item is another parameter's, so the gears keep their value.
    page.root().loadProfile(Parse(R"x(<configprofile version="2.0"><group id="-1" label="General Settings">
        <item id="0" label="Hide Helpers">1</item>
        <item id="9" type="blob" label="Brake Force">AAAAAAAAWUA=</item>
        <item id="7" label="Reverse Gears">3</item>
        <item id="3" type="blob">AAAAAAAAREA=</item>
        <item id="1" type="blob" label="Acceleration">AAAAAAAAJEA=</item>
    </group></configprofile>)x"));
    EXPECT_TRUE(page.hide);
    EXPECT_EQ(page.acceleration, 10.0);
    EXPECT_EQ(page.steering, 40.0);
    EXPECT_EQ(page.gears, 5);
}

TEST(ConfigProfile, ReadsTheOlderCameraConfigFormByLabel) {
    Page page;
    page.root().LoadOlderProfile(Parse(R"x(<profile name="Bouncy">
        <group expanded="true" name="General Settings">
            <button name="Re-Initialize"/>
            <spinner name="Maximum Steering Angle">25.5</spinner>
            <check name="Hide Helpers">true</check>
            <spinner name="Gears">3</spinner>
        </group></profile>)x"));
    EXPECT_TRUE(page.hide);
    EXPECT_EQ(page.steering, 25.5);
    EXPECT_EQ(page.gears, 3);
    EXPECT_EQ(page.acceleration, 1.0);
}

TEST(ConfigProfile, NestedGroupsAndTopLevelItemsRoundTrip) {
    double a = 1.5, b = 2.5, c = 3.5;
    PageBuilder builder;
    builder.beginConfiguration();
    builder.beginGroup("Outer", "");
    builder.addSpinner("A", "", &a, 0, 10, 1, 1, false, 0, nullptr);
    builder.beginGroup("Selected Waypoint", "");
    builder.addSpinner("B", "", &b, 0, 10, 1, 1, false, 0, nullptr);
    builder.endGroup();
    builder.addSpinner("C", "", &c, 0, 10, 1, 1, false, 0, nullptr);
    const util::xml::Element profile = builder.GetPage()->saveProfile();
    ASSERT_NE(profile.GetChild("group"), nullptr);
    EXPECT_EQ(profile.GetChild("group")->CountChildren("item"), 2u);
    EXPECT_EQ(profile.GetChild("group")->CountChildren("group"), 1u);

    a = b = c = 0;
    builder.GetPage()->loadProfile(profile);
    EXPECT_EQ(a, 1.5);
    EXPECT_EQ(b, 2.5);
    EXPECT_EQ(c, 3.5);
}

TEST(ConfigProfile, TextItemsAndComboEntries) {
    std::string name;
    int mode = 1;
    PageBuilder builder;
    builder.beginConfiguration();
    builder.addTextBox("Name", "", &name, nullptr);
    CInterface::ComboUpdater* updater = builder.addComboBox("Mode", "", {"Off", "Follow"}, &mode, nullptr);
    util::xml::Element profile = builder.GetPage()->saveProfile();
    EXPECT_EQ(profile.GetChild("item", 0)->ToString(), R"x(<item id="0" type="text" label="Name"/>)x");

    updater->update({"Walk", "Run", "Fly"});
    EXPECT_EQ(mode, 1);
    builder.GetPage()->loadProfile(Parse(R"x(<configprofile version="2.0">
        <item id="0" type="text" label="Name">a &#60;b&#62;</item>
        <item id="1" type="text" label="Mode">Fly</item></configprofile>)x"));
    EXPECT_EQ(name, "a <b>");
    EXPECT_EQ(mode, 2);
    EXPECT_EQ(builder.GetPage()->saveProfile().GetChild("item", 1)->GetText(), "Fly");
}

} // namespace
} // namespace vex::orb::core::configadaptor
