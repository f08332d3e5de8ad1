#include "core/CompiledPluginTable.h"
#include "interface/CCameraPlugin.h"

#include <gtest/gtest.h>

#include <memory>
#include <set>
#include <string>
#include <vector>

namespace {

using vex::orb::CCamera;
using vex::orb::CCameraPlugin;
using vex::orb::core::CreateCompiledPlugin;

struct PluginRelease {
    void operator()(CCameraPlugin* p) const { p->release(); }
};
using PluginPtr = std::unique_ptr<CCameraPlugin, PluginRelease>;

PluginPtr Entry(int index) {
    return PluginPtr(CreateCompiledPlugin(index));
}

std::vector<std::string> Aliases(CCameraPlugin& plugin) {
    std::vector<std::string> aliases;
    plugin.extension(CCameraPlugin::kAliases, &aliases);
    return aliases;
}

TEST(PluginTable, HoldsFortyOneEntriesInTheCoreLibraryOrder) {
    std::set<std::string> identifiers;
    int count = 0;
    while (PluginPtr plugin = Entry(count)) {
        identifiers.insert(plugin->getIdentifier());
        ++count;
    }
    EXPECT_EQ(count, 41);
    EXPECT_EQ(identifiers.size(), 41u) << "identifiers must be unique";
    EXPECT_EQ(Entry(-1), nullptr);
    EXPECT_EQ(Entry(1000), nullptr);

    const std::pair<int, const char*> pinned[] = {
        {0, "2WheelerExt"}, {1, "4VeredevOro"}, {13, "RuzovuZediziViz"},        {17, "VuzaZaderaRav"},
        {38, "Gyro"},       {40, "Sinusoid"},   {19, "Spline Speed-Controller"}};
    for (const auto& [index, identifier] : pinned)
        EXPECT_EQ(Entry(index)->getIdentifier(), identifier) << index;
}

TEST(PluginTable, EveryDescriptorReportsACompleteIdentity) {
    for (int i = 0; i < 41; ++i) {
        PluginPtr plugin = Entry(i);
        SCOPED_TRACE(plugin->getIdentifier());
        EXPECT_EQ(plugin->getDisplayName().rfind("Torva ", 0), 0u);
        EXPECT_GT(plugin->getDisplayName().size(), 6u);
        EXPECT_FALSE(plugin->getFolderName().empty());
        EXPECT_FALSE(plugin->getCategory().empty());
        EXPECT_FALSE(plugin->getDescription().empty());
        EXPECT_FALSE(plugin->getAuthor().empty());
        EXPECT_EQ(plugin->getInterfaceVersion(), 15107);
    }
}

TEST(PluginTable, ReportsTheCatalogueIdentityOfTheFourWheeler) {
    PluginPtr plugin = Entry(1);
    EXPECT_EQ(plugin->getFolderName(), "carextended");
    EXPECT_EQ(plugin->getDisplayName(), "Torva 4-Vaviriv Idararer");
    EXPECT_EQ(plugin->getCategory(), "Vehicle");
    EXPECT_EQ(Entry(9)->getCategory(), "Accessory;Weapon");
    EXPECT_EQ(Entry(38)->getFolderName(), "utility/gyro");
    EXPECT_EQ(Entry(14)->getDisplayName(), "Torva CMultiStateCam");
}

TEST(PluginTable, EachCallGivesANewDescriptor) {
    PluginPtr a = Entry(5);
    PluginPtr b = Entry(5);
    EXPECT_NE(a.get(), b.get());
    EXPECT_EQ(a->getIdentifier(), b->getIdentifier());
}

TEST(PluginTable, OnlyTheFourWheelerAndVuzaZaderaRavAnswerToAliases) {
    for (int i = 0; i < 41; ++i) {
        PluginPtr plugin = Entry(i);
        SCOPED_TRACE(plugin->getIdentifier());
        std::vector<std::string> expected;
        if (i == 1) expected = {"CarExtended"};
        if (i == 17) expected = {"VezizaZav"};
        EXPECT_EQ(Aliases(*plugin), expected);
        EXPECT_EQ(plugin->hasExtension(CCameraPlugin::kAliases), !expected.empty());
    }
    // Appending keeps what the caller already listed.
    std::vector<std::string> list{"4VeredevOro"};
    EXPECT_EQ(Entry(1)->extension(CCameraPlugin::kAliases, &list), 1);
    EXPECT_EQ(list, (std::vector<std::string>{"4VeredevOro", "CarExtended"}));
    EXPECT_EQ(Entry(1)->extension(CCameraPlugin::kAliases + 1, &list), 0);
}

TEST(PluginTable, CreateGivesAToolObjectCarryingPluginAndName) {
    PluginPtr plugin = Entry(13);
    CCamera* tool = plugin->create({plugin.get(), "RuzovuZediziViz_01"});
    ASSERT_NE(tool, nullptr);
    EXPECT_EQ(tool->plugin, plugin.get());
    EXPECT_EQ(tool->name, "RuzovuZediziViz_01");
    EXPECT_EQ(tool->core, nullptr);
    EXPECT_EQ(tool->buildConfiguration(), 0);
    EXPECT_EQ(tool->initialize(), 0);
    EXPECT_EQ(tool->store(), 0);
    tool->release();
}

} // namespace
