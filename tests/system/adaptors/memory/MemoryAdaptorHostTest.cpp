#include "tests/system/adaptors/memory/MemoryTestSupport.h"

#include <cmath>

namespace vex::orb::adaptor::memory::test {
namespace {

TEST(MemoryAdaptorHost, NamesVersionsAndVariants) {
    HostAdaptor adaptor;
    EXPECT_EQ(adaptor.getInterfaceVersion(), 15107);

    std::vector<std::string> variants;
    util::ReturnValue<std::vector<std::string>> out(&variants);
    adaptor.getHostNameVariants(out);
    EXPECT_EQ(variants, (std::vector<std::string>{"Memory_1", "Memory"}));

    HostAdaptor old(24.0, 15000);
    EXPECT_EQ(old.getInterfaceVersion(), 15000);
    old.SetInterfaceVersion(15107);
    EXPECT_EQ(old.getInterfaceVersion(), 15107);

    util::xml::Element settings;
    util::ReturnValue<util::xml::Element> settingsOut(&settings);
    adaptor.getHostSettings(settingsOut);
    EXPECT_EQ(settings.GetName(), "hostsettings");
    EXPECT_EQ(settings.CountChildren(), 0u);
}

TEST(MemoryAdaptorHost, FrameDurationFollowsTheTimeUnit) {
    HostAdaptor film(24.0);
    EXPECT_EQ(film.getFramesPerSecond(), 24.0);
    EXPECT_DOUBLE_EQ(film.getFrameDuration(), 1.0 / 24.0);

    HostAdaptor unknown(0.0);
    EXPECT_EQ(unknown.getFramesPerSecond(), 0.0);
    EXPECT_TRUE(std::isinf(unknown.getFrameDuration()));
}

TEST(MemoryAdaptorHost, TimeLineMessagesAndFileOperations) {
    HostAdaptor adaptor;
    adaptor.setPlaybackRange({5.0, 2.0});
    EXPECT_EQ(adaptor.getPlaybackRange(), (std::pair<double, double>{5.0, 2.0}));

    EXPECT_TRUE(adaptor.showMessage("Disk full", "Error"));
    ASSERT_EQ(adaptor.GetScene().GetMessages().size(), 1u);
    EXPECT_EQ(adaptor.GetScene().GetMessages()[0].text, "Disk full");
    EXPECT_EQ(adaptor.GetScene().GetMessages()[0].title, "Error");

    std::vector<core::CoreNode*> merged{nullptr};
    core::NodeList out(&merged);
    adaptor.mergeScene("elsewhere.scene", out);
    EXPECT_TRUE(merged.empty());
    EXPECT_TRUE(adaptor.GetUndoLabels().empty());

    EXPECT_EQ(adaptor.installRunHotkeys(), 0);
    EXPECT_EQ(adaptor.installRunHotkeys(), 0);
    EXPECT_TRUE(adaptor.AreRunHotkeysInstalled());
}

TEST(MemoryAdaptorHost, SceneNamesStayUniqueAcrossDeletionAndRestore) {
    MemoryScene scene;
    const ObjectId first = scene.Create("box", ShapeKind::kPolygonMesh);
    EXPECT_EQ(scene.Find(first)->shapeName, "boxShape");
    scene.SetDeleted(first, true);
    const ObjectId second = scene.Create("box", ShapeKind::kNone);
    EXPECT_EQ(scene.Find(second)->name, "box") << "a deleted object frees its name";

    scene.SetDeleted(first, false);
    EXPECT_EQ(scene.Find(first)->name, "box1");
    EXPECT_EQ(scene.Rename(second, "box1"), "box2");
    EXPECT_EQ(scene.FindByName("box1"), first);
}

} // namespace
} // namespace vex::orb::adaptor::memory::test
