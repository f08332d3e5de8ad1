#include "core/BuiltInPlugins.h"
#include "interface/CCameraPlugin.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

using vex::orb::CCamera;
using vex::orb::CCameraPlugin;

struct PluginRelease {
    void operator()(CCameraPlugin* p) const { p->release(); }
};
using PluginPtr = std::unique_ptr<CCameraPlugin, PluginRelease>;

TEST(BuiltInPlugins, GroupAndEmptyReportTheirIdentityAndCreateToolObjects) {
    PluginPtr group(vex::orb::core::CreateGroupPlugin());
    EXPECT_EQ(group->getIdentifier(), "Group");
    EXPECT_EQ(group->getDisplayName(), "Group");
    EXPECT_EQ(group->getDescription(), "Is used to group various tools together");
    EXPECT_EQ(group->getCategory(), "Accessory");

    PluginPtr empty(vex::orb::core::CreateEmptyPlugin());
    EXPECT_EQ(empty->getIdentifier(), "EmptyPlugin");
    EXPECT_EQ(empty->getFolderName(), "core/emptyplugin");
    EXPECT_EQ(empty->getDisplayName(), "Empty Plugin");
    EXPECT_EQ(empty->getDescription(), "This plugin is an empty object and does nothing.");
    EXPECT_EQ(empty->getCategory(), "Accessory");

    for (CCameraPlugin* plugin : {group.get(), empty.get()}) {
        EXPECT_EQ(plugin->getInterfaceVersion(), 15107);
        EXPECT_FALSE(plugin->hasExtension(CCameraPlugin::kAliases));
        CCamera* tool = plugin->create({plugin, "root"});
        ASSERT_NE(tool, nullptr);
        EXPECT_EQ(tool->plugin, plugin);
        EXPECT_EQ(tool->name, "root");
        tool->release();
    }
}

} // namespace
