#include "core/ConfigProfileManager.h"
#include "core/InputProfileManager.h"
#include "tests/core/CoreTestSupport.h"
#include "util/xml/Element.h"

#include <gtest/gtest.h>

#include <set>

namespace vex::orb::core::test {
namespace {

namespace fs = std::filesystem;
using util::xml::Element;
using Names = std::vector<std::string>;

// The user operations shared by both kinds of profile, on a factory folder and a user folder that
// does not exist yet (given in the system's backslash form).
class XMLFileManager : public ::testing::Test {
protected:
    void SetUp() override {
        manager_.Prepare(factory_.Path(), user_.Path() + "\\tool", "/configprofiles", "/configprofile.xml",
                         "Factory Settings");
    }

    static Element Profile(const std::string& value) {
        Element profile;
        profile.Parse(R"(<configprofile version="2.0"><item id="1">)" + value + "</item></configprofile>");
        return profile;
    }
    std::string ValueOf(const std::string& name) {
        Element profile;
        return manager_.LoadProfile(name, profile) ? profile.GetChild("item")->GetText() : "(none)";
    }
    // The files of the user's profiles sub-folder.
    std::set<std::string> UserFiles() const {
        std::set<std::string> names;
        for (const auto& entry : fs::directory_iterator(fs::path(user_.Path()) / "tool" / "configprofiles"))
            names.insert(entry.path().filename());
        return names;
    }
    fs::path UserContainer() const { return fs::path(user_.Path()) / "tool" / "configprofile.xml"; }

    TempFolder factory_, user_;
    ConfigProfileManager manager_;
};

TEST_F(XMLFileManager, SaveRenameAndDeleteKeepOneFilePerProfileInTheUserFolder) {
    ASSERT_TRUE(manager_.SaveProfile("Bus", Profile("1")));
    ASSERT_TRUE(manager_.SaveProfile("Bus", Profile("2")));
    EXPECT_EQ(UserFiles(), std::set<std::string>{"Bus.ccp"}) << "replaced in place, no temporary left";
    EXPECT_EQ(ValueOf("Bus"), "2");

    manager_.SetCurrentProfileName("Bus");
    ASSERT_TRUE(manager_.RenameProfile("Bus", "Coach"));
    EXPECT_EQ(UserFiles(), std::set<std::string>{"Coach.ccp"});
    EXPECT_EQ(manager_.GetCurrentProfileName(), "Coach");

    // Names that make the same file name do not overwrite each other.
    ASSERT_TRUE(manager_.SaveProfile("A/B", Profile("3")));
    ASSERT_TRUE(manager_.SaveProfile("A_B", Profile("4")));
    EXPECT_EQ(UserFiles(), (std::set<std::string>{"A_B (2).ccp", "A_B.ccp", "Coach.ccp"}));
    EXPECT_EQ(ValueOf("A/B"), "3");
    EXPECT_EQ(ValueOf("A_B"), "4");
    EXPECT_FALSE(manager_.RenameProfile("A/B", "A_B")) << "another profile of the user's";

    ASSERT_TRUE(manager_.DeleteProfile("Coach"));
    EXPECT_EQ(manager_.ListProfiles(), (Names{"A/B", "A_B"}));
    EXPECT_EQ(manager_.GetCurrentProfileName(), "");
}

TEST_F(XMLFileManager, FactoryProfilesAreReadOnlyAndTheUsersOwnProfileOfTheSameNameWins) {
    const std::string bus =
        R"(<configprofile version="2.0" name="Bus"><item id="1">factory</item></configprofile>)";
    WriteFile(fs::path(factory_.Path()) / "configprofiles" / "Bus.ccp", bus);
    EXPECT_TRUE(manager_.IsReadOnly("Bus"));
    EXPECT_FALSE(manager_.RenameProfile("Bus", "Mine"));
    EXPECT_FALSE(manager_.DeleteProfile("Bus"));
    EXPECT_EQ(ReadFile(fs::path(factory_.Path()) / "configprofiles" / "Bus.ccp"), bus);

    ASSERT_TRUE(manager_.SaveProfile("Bus", Profile("user")));
    EXPECT_EQ(manager_.ListProfiles(), Names{"Bus"});
    EXPECT_EQ(ValueOf("Bus"), "user");

    // Deleting the user's profile brings the factory one back.
    ASSERT_TRUE(manager_.DeleteProfile("Bus"));
    EXPECT_EQ(ValueOf("Bus"), "factory");
}

TEST_F(XMLFileManager, AProfileAFileNamesLikeTheBuiltInOneIsNotListedSoEveryListedOneCanBeDeleted) {
    WriteFile(UserContainer(), R"(<configprofiles version="2.0"><configprofile version="2.0" name="A"/>)"
                               R"(<configprofile version="2.0" name="Factory Settings"/></configprofiles>)");
    // The tool has no built-in profile here; the name is still reserved for one.
    EXPECT_EQ(manager_.ListProfiles(), Names{"A"});
    EXPECT_FALSE(manager_.HasProfile("Factory Settings"));
    Element loaded;
    EXPECT_FALSE(manager_.LoadProfile("Factory Settings", loaded));
    ASSERT_TRUE(manager_.DeleteProfile("A"));
    EXPECT_TRUE(manager_.ListProfiles().empty());

    manager_.SetBuiltInProfile(Profile("built-in"));
    EXPECT_EQ(manager_.ListProfiles(), Names{"Factory Settings"});
    EXPECT_EQ(ValueOf("Factory Settings"), "built-in")
        << "the file's profile of that name does not shadow it";
}

TEST_F(XMLFileManager, ChangingAProfileInsideAUserContainerKeepsTheOthers) {
    WriteFile(UserContainer(), R"(<configprofiles version="2.0"><configprofile version="2.0" name="A"/>)"
                               R"(<configprofile version="2.0" name="B"/></configprofiles>)");
    ASSERT_TRUE(manager_.SaveProfile("A", Profile("single")));
    EXPECT_EQ(ValueOf("A"), "single") << "a single file wins over the container";

    ASSERT_TRUE(manager_.DeleteProfile("A"));
    EXPECT_EQ(manager_.ListProfiles(), Names{"B"}) << "gone from the single file and the container";
    EXPECT_NE(ReadFile(UserContainer()).find("<configprofiles version=\"2.0\">"), std::string::npos);

    ASSERT_TRUE(manager_.RenameProfile("B", "C"));
    EXPECT_FALSE(fs::exists(UserContainer())) << "its last profile moved to a file of its own";
    EXPECT_EQ(UserFiles(), std::set<std::string>{"C.ccp"});
}

TEST(InputProfileManager, ReadsContainersAndSingleFilesKeepsBindingsAsWrittenAndMakesNewContainers) {
    TempFolder factory, user;
    InputProfileManager manager;
    manager.Prepare(factory.Path(), user.Path(), "/inputprofiles", "/inputprofile.xml", "Factory Settings");
    const std::string pad =
        R"(<profile name="Pad"><property name="Focal Position"><multiplier>-1</multiplier>)"
        R"(<control device="" type="4" index="1"/></property></profile>)";
    WriteFile(fs::path(factory.Path()) / "inputprofile.xml", "<unidevice>" + pad + "</unidevice>");
    WriteFile(fs::path(user.Path()) / "inputprofile.xml",
              R"(<unidevice><profile name="[default]"/></unidevice>)");
    WriteFile(fs::path(user.Path()) / "inputprofiles" / "Wheel.cip", R"(<profile name="Wheel"/>)");
    WriteFile(fs::path(user.Path()) / "inputprofiles" / "Wrapped.cip", R"(<inputprofile name="Wrapped"/>)");
    EXPECT_EQ(manager.ListProfiles(), (Names{"Pad", "Wheel", "[default]"})) << "not the wrapped one";
    EXPECT_EQ(InputProfileManager::NewContainer().ToString(),
              "<unidevice>\n\t<profile name=\"[default]\"/>\n\t<profile name=\"[current]\"/>\n</unidevice>");

    Element loaded, expected;
    ASSERT_TRUE(manager.LoadProfile("Pad", loaded));
    expected.Parse(pad);
    EXPECT_EQ(loaded, expected);

    ASSERT_TRUE(manager.SaveProfile("Pad copy", loaded));
    Element saved;
    ASSERT_EQ(saved.Load(user.Path() + "/inputprofiles/Pad copy.cip"), 0);
    expected.SetAttribute("name", "Pad copy");
    EXPECT_EQ(saved, expected);
}

TEST(ProfileFolders, SavingIntoAMissingUserFolderMakesItWithBothProfileSubFolders) {
    TempFolder factory, root;
    const fs::path user = fs::path(root.Path()) / "fresh" / "tool";
    ConfigProfileManager configs;
    configs.Prepare(factory.Path(), user.string(), "/configprofiles", "/configprofile.xml",
                    "Factory Settings");
    Element profile;
    profile.Parse(R"(<configprofile version="2.0" name="Mine"/>)");
    ASSERT_TRUE(configs.SaveProfile("Mine", profile));
    EXPECT_TRUE(fs::is_directory(user / "configprofiles"));
    EXPECT_TRUE(fs::is_directory(user / "inputprofiles")) << "the other kind's folder is made too";

    fs::remove_all(user);
    InputProfileManager inputs;
    inputs.Prepare(factory.Path(), user.string(), "/inputprofiles", "/inputprofile.xml", "Factory Settings");
    profile.Parse(R"(<profile name="Pad"/>)");
    ASSERT_TRUE(inputs.SaveProfile("Pad", profile));
    EXPECT_TRUE(fs::exists(user / "inputprofiles" / "Pad.cip"));
    EXPECT_TRUE(fs::is_directory(user / "configprofiles"));
}

} // namespace
} // namespace vex::orb::core::test
