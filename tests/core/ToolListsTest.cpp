#include "core/ToolListSink.h"
#include "tests/core/ToolTestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>

namespace vex::orb::core::test {
namespace {

// Keeps the identifiers of every list it is handed, by component, and the order of the components.
class RecordingSink : public ToolListSink {
public:
    void SetToolList(int componentId, const std::vector<Tool*>& tools) override {
        components.push_back(componentId);
        for (Tool* tool : tools) lists[componentId].push_back(tool->GetIdentifier());
    }
    std::vector<int> components;
    std::map<int, Names> lists;
};

class ToolLists : public RegistryTest {
protected:
    void SetUp() override {
        RegistryTest::SetUp();
        MakeLibrary("extra",
                    {new FakeDescriptor("Tank", "Camera;Vehicle"),
                     new FakeDescriptor("Drone", "Vehicle;Camera"),
                     new FakeDescriptor("Cannon", "Accessory;Weapon"),
                     new FakeDescriptor("\xC3\x84rger", "Vehicle"), new FakeDescriptor("buggy", "Vehicle"),
                     new FakeDescriptor("Secret", "Vehicle", nullptr, {Plugin::kUnlistedExtension})});
        WriteFile(models_.Path() + "/cabrio.prm",
                  "<VXB><VXB_Plugin><name>Cabrio</name><type>4VeredevOro</type>"
                  "<category>Vehicle</category></VXB_Plugin></VXB>");
        int error = 0;
        Library::Load(models_.Path() + "/cabrio.prm", error);
    }

    TempFolder models_;
};

TEST_F(ToolLists, ToolsAreGroupedByTheirLastMainCategoryAndSortedByteWise) {
    RecordingSink sink;
    Manager().FillToolLists(sink, LibraryManager::kAllToolLists);
    EXPECT_EQ(sink.components, (std::vector<int>{101, 102, 103, 110}));
    // Digits, upper case, lower case, then bytes above 127; the hidden type is nowhere.
    EXPECT_EQ(sink.lists[101],
              (Names{"2WheelerExt", "4VeredevOro", "4WheelerFree", "AirplaneExt", "AirplaneFree",
                     "CrawlerExt", "Helicopter", "Tank", "Trailer", "buggy", "\xC3\x84rger"}));
    EXPECT_EQ(sink.lists[102], (Names{"AutoZoomCam", "DirivodaRez", "DirivodaRezFree", "Drone",
                                      "HumanizerCam", "LookAtCam", "MultiStateCam", "RuzovuZediziViz",
                                      "SphereCam", "VodiDOva", "VuzaZaderaRav", "ZoomAndFocusCam"}));
    const Names& accessories = sink.lists[103];
    EXPECT_TRUE(std::is_sorted(accessories.begin(), accessories.end()));
    EXPECT_EQ(accessories.size(), Manager().GetToolCount() - 11 - 12 - 1 - 1) << "all the others";
    EXPECT_NE(std::find(accessories.begin(), accessories.end(), "Cannon"), accessories.end());
    EXPECT_EQ(sink.lists[110], Names{"Cabrio"}) << "a model is a template whatever its category";
}

TEST_F(ToolLists, OnlyTheListsWhoseBitIsSetAreHandedOver) {
    RecordingSink sink;
    Manager().FillToolLists(sink, 0b1010);
    EXPECT_EQ(sink.components, (std::vector<int>{ToolListSink::kCameras, ToolListSink::kTemplates}));
}

} // namespace
} // namespace vex::orb::core::test
