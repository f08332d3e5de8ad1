#include "core/BuiltInPlugins.h"

#include "interface/CCameraPlugin.h"

#include <gtest/gtest.h>

namespace {

using vex::orb::CCamera;
using vex::orb::CCameraPlugin;

void ExpectIdentity(CCameraPlugin* plugin, const char* identifier, const char* displayName,
                    const char* description) {
    ASSERT_NE(plugin, nullptr);
    EXPECT_EQ(plugin->getIdentifier(), identifier);
    EXPECT_EQ(plugin->getDisplayName(), displayName);
    EXPECT_EQ(plugin->getDescription(), description);
    EXPECT_EQ(plugin->getCategory(), "Accessory");
    EXPECT_EQ(plugin->getInterfaceVersion(), 15107);
    CCamera* tool = plugin->create({plugin, "root"});
    ASSERT_NE(tool, nullptr);
    EXPECT_EQ(tool->plugin, plugin);
    EXPECT_EQ(tool->name, "root");
    tool->release();
    plugin->release();
}

TEST(BuiltInPlugins, GroupAndEmptyReportTheirIdentityAndCreateToolObjects) {
    ExpectIdentity(vex::orb::core::CreateGroupPlugin(), "Group", "Group",
                   "Is used to group various tools together");
    CCameraPlugin* empty = vex::orb::core::CreateEmptyPlugin();
    EXPECT_EQ(empty->getFolderName(), "core/emptyplugin");
    ExpectIdentity(empty, "EmptyPlugin", "Empty Plugin", "This plugin is an empty object and does nothing.");
}

} // namespace
