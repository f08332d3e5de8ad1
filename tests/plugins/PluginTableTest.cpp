#include "core/CompiledPluginTable.h"
#include "interface/CCameraPlugin.h"
#include "tests/interface/StubCoreInterface.h"

#include <gtest/gtest.h>

#include <memory>
#include <set>
#include <string>
#include <vector>

namespace {

using vex::orb::CCamera;
using vex::orb::CCameraPlugin;

struct PluginRelease {
    void operator()(CCameraPlugin* p) const { p->release(); }
};
using PluginPtr = std::unique_ptr<CCameraPlugin, PluginRelease>;

PluginPtr Entry(int index) {
    return PluginPtr(vex::orb::core::CreateCompiledPlugin(index));
}

TEST(PluginTable, HoldsFortyOneToolsInTheCoreLibraryOrderThenNull) {
    std::set<std::string> identifiers;
    int count = 0;
    for (PluginPtr plugin; (plugin = Entry(count)); ++count) {
        SCOPED_TRACE(plugin->getIdentifier());
        identifiers.insert(plugin->getIdentifier());
        EXPECT_EQ(plugin->getDisplayName().rfind("Torva ", 0), 0u);
        EXPECT_FALSE(plugin->getFolderName().empty() || plugin->getCategory().empty() ||
                     plugin->getDescription().empty() || plugin->getAuthor().empty());
        EXPECT_EQ(plugin->getInterfaceVersion(), 15107);
    }
    EXPECT_EQ(count, 41);
    EXPECT_EQ(identifiers.size(), 41u) << "identifiers must be unique";
    EXPECT_EQ(Entry(-1), nullptr);

    const std::pair<int, const char*> pinned[] = {{0, "2WheelerExt"},
                                                  {1, "4VeredevOro"},
                                                  {13, "RuzovuZediziViz"},
                                                  {17, "VuzaZaderaRav"},
                                                  {19, "Spline Speed-Controller"},
                                                  {38, "Gyro"},
                                                  {40, "Sinusoid"}};
    for (const auto& [index, identifier] : pinned) EXPECT_EQ(Entry(index)->getIdentifier(), identifier);

    PluginPtr carCam = Entry(1);
    EXPECT_EQ(carCam->getFolderName(), "carextended");
    EXPECT_EQ(carCam->getDisplayName(), "Torva 4-Vaviriv Idararer");
    EXPECT_EQ(carCam->getCategory(), "Vehicle");
    EXPECT_EQ(Entry(9)->getCategory(), "Accessory;Weapon");
    EXPECT_EQ(Entry(38)->getFolderName(), "utility/gyro");
    EXPECT_NE(Entry(5).get(), Entry(5).get()) << "each call makes a new descriptor";
}

TEST(PluginTable, OnlyTheFourWheelerAndVuzaZaderaRavAnswerToAliases) {
    for (int i = 0; i < 41; ++i) {
        PluginPtr plugin = Entry(i);
        SCOPED_TRACE(plugin->getIdentifier());
        std::vector<std::string> expected{"already listed"};
        if (i == 1) expected.push_back("CarExtended");
        if (i == 17) expected.push_back("VezizaZav");
        std::vector<std::string> aliases{"already listed"};
        EXPECT_EQ(plugin->extension(CCameraPlugin::kAliases, &aliases), expected.size() > 1 ? 1 : 0);
        EXPECT_EQ(aliases, expected);
        EXPECT_EQ(plugin->hasExtension(CCameraPlugin::kAliases), expected.size() > 1);
    }
}

TEST(PluginTable, CreateGivesAToolObjectCarryingPluginAndName) {
    PluginPtr plugin = Entry(13);
    CCamera* tool = plugin->create({plugin.get(), "RuzovuZediziViz_01"});
    ASSERT_NE(tool, nullptr);
    // The core sets itself on a tool it makes; a host that creates nothing serves here.
    vex::orb::test::StubCoreInterface core;
    tool->core = &core;
    EXPECT_EQ(tool->plugin, plugin.get());
    EXPECT_EQ(tool->name, "RuzovuZediziViz_01");
    EXPECT_EQ(tool->buildConfiguration() | tool->initialize() | tool->store(), 0);
    tool->release();
}

} // namespace
