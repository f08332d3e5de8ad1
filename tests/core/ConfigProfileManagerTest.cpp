#include "core/ResourceBundle.h"
#include "tests/core/ToolTestSupport.h"
#include "util/xml/Element.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace vex::orb::core::test {
namespace {

namespace fs = std::filesystem;
using util::xml::Element;

// A tool type with factory profiles in the resource bundle, and one without.
class ProfileTest : public RegistryTest {
protected:
    void SetUp() override {
        RegistryTest::SetUp();
        RegisterResourceBundle();
        tool_ = Manager().FindTool("RuzovuZediziViz");
        ASSERT_NE(tool_, nullptr);
    }
    fs::path UserFolder() const { return DataRoot() / "data" / "ruzovuzediziviz"; }
    Tool::ConfigProfileManager& Configs() { return tool_->GetConfigProfileManager(); }

    Tool* tool_ = nullptr;
};
using ConfigProfileManager = ProfileTest;

TEST_F(ConfigProfileManager, AToolTypeListsItsFactoryAndUserProfilesAndSkipsBrokenFiles) {
    const Names factory = Configs().ListProfiles();
    ASSERT_EQ(factory.size(), 11u);
    EXPECT_EQ(factory.front(), "Bouncy");

    const fs::path folder = UserFolder() / "configprofiles";
    const std::string broken = R"(<configprofile version="2.0" name="Broken"><group>)";
    WriteFile(folder / "Broken.ccp", broken);
    WriteFile(folder / "Foreign.ccp", R"(<settings name="Foreign"/>)");
    WriteFile(folder / "Mine.ccp", R"(<configprofile version="2.0" name="Mine"/>)");
    const std::string oldVersion =
        R"(<configprofiles version="1.0"><configprofile version="2.0" name="Old"/></configprofiles>)";
    WriteFile(UserFolder() / "configprofile.xml", oldVersion);
    Names withMine = factory;
    withMine.insert(std::lower_bound(withMine.begin(), withMine.end(), "Mine"), "Mine");
    EXPECT_EQ(Configs().ListProfiles(), withMine);
    EXPECT_TRUE(Configs().IsReadOnly("Tight"));
    EXPECT_FALSE(Configs().IsReadOnly("Mine"));
    EXPECT_FALSE(Configs().DeleteProfile("Broken"));
    EXPECT_EQ(ReadFile(folder / "Broken.ccp"), broken);
    EXPECT_EQ(ReadFile(UserFolder() / "configprofile.xml"), oldVersion);

    // The input profiles of the same type live in their own sub-folder.
    WriteFile(UserFolder() / "inputprofiles" / "Pad.cip", R"(<profile name="Pad"/>)");
    EXPECT_EQ(tool_->GetInputProfileManager().ListProfiles(), Names{"Pad"});
}

TEST_F(ConfigProfileManager, OlderFormsAreReadConvertedAndMarkedButNeverRewritten) {
    // The form the first versions wrote: parameters named by label, switches as words, a button.
    const std::string cameraConfig =
        R"(<CameraConfig><profile name="Rotation Fixed"><group expanded="true" name="Motion Filter Parameters">)"
        R"(<check name="Fixate Translations">false</check>)"
        R"(<spinner name="Translation Response Factor">25</spinner>)"
        R"(<spinner name="Translation Smoothing Factor">3</spinner>)"
        R"(<spinner name="Translation Max Velocity">0</spinner>)"
        R"(<check name="Fixate Rotations">true</check>)"
        R"(<spinner name="Rotation Response Factor">25</spinner>)"
        R"(<spinner name="Rotation Smoothing Factor">3</spinner>)"
        R"(<spinner name="Rotation Max Velocity">0</spinner>)"
        R"(<button name="Re-Initialize"/></group></profile></CameraConfig>)";
    WriteFile(UserFolder() / "configprofile.xml", cameraConfig);
    Element profile;
    ASSERT_TRUE(Configs().LoadProfile("Rotation Fixed", profile));
    EXPECT_TRUE(Tool::ConfigProfileManager::IsConverted(profile));
    const Element* group = profile.GetChild("group");
    ASSERT_NE(group, nullptr);
    ASSERT_EQ(group->CountChildren("item"), 8u) << "the button carries no value";
    EXPECT_EQ(group->GetChild("item", 4)->ToString(), "<item id=\"-1\" label=\"Fixate Rotations\">1</item>");
    ASSERT_TRUE(Configs().LoadProfile("Tight", profile));
    EXPECT_FALSE(Tool::ConfigProfileManager::IsConverted(profile));

    // The other older roots convert the same way; the user's old file stays as it was.
    const std::string old =
        R"(<orb_config><profile name="Legacy"><group name="G"><spinner label="S">2.5</spinner>)"
        R"(<button name="Reset"/></group></profile></orb_config>)";
    WriteFile(UserFolder() / "configprofile.xml", old);
    ASSERT_TRUE(Configs().LoadProfile("Legacy", profile));
    EXPECT_TRUE(Tool::ConfigProfileManager::IsConverted(profile));
    EXPECT_EQ(profile.GetChild("group")->ToString(),
              "<group id=\"-1\" label=\"G\">\n\t<item id=\"-1\" label=\"S\">2.5</item>\n</group>");
    EXPECT_EQ(ReadFile(UserFolder() / "configprofile.xml"), old);
}

TEST_F(ConfigProfileManager, FactorySettingsIsBuiltInAndStartProfileIsFoundByName) {
    Tool::ConfigProfileManager& configs = Manager().FindTool("Gyro")->GetConfigProfileManager();
    Element values;
    ASSERT_EQ(values.Parse(R"(<configprofile version="2.0"><group id="-1" label="G"/></configprofile>)"), 0);
    EXPECT_TRUE(configs.ListProfiles().empty());
    EXPECT_FALSE(configs.GetStartProfile(values));

    configs.SetBuiltInProfile(values);
    EXPECT_EQ(configs.ListProfiles(), Names{"Factory Settings"});
    Element loaded;
    ASSERT_TRUE(configs.LoadProfile("Factory Settings", loaded));
    EXPECT_EQ(loaded.GetAttribute("name"), "Factory Settings");
    EXPECT_FALSE(configs.SaveProfile("Factory Settings", values));

    ASSERT_TRUE(configs.SaveProfile("Start Profile", values));
    ASSERT_TRUE(configs.GetStartProfile(loaded));
    EXPECT_EQ(configs.ListProfiles(), (Names{"Factory Settings", "Start Profile"}));
}

} // namespace
} // namespace vex::orb::core::test
