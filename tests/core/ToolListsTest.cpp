#include "core/ToolListSink.h"
#include "tests/core/ToolTestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

namespace vex::orb::core::test {
namespace {

// Records every list it is handed, as (component, identifiers).
class RecordingSink : public ToolListSink {
public:
    void SetToolList(int componentId, const std::vector<Tool*>& tools) override {
        Names identifiers;
        for (Tool* tool : tools) identifiers.push_back(tool->GetIdentifier());
        lists.emplace_back(componentId, identifiers);
    }
    const Names& List(int componentId) const {
        for (const auto& [id, names] : lists) {
            if (id == componentId) return names;
        }
        static const Names none;
        return none;
    }
    std::vector<std::pair<int, Names>> lists;
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
        const std::string model = "<VXB><VXB_Plugin><name>Cabrio</name><type>4VeredevOro</type>"
                                  "<category>Vehicle</category></VXB_Plugin></VXB>";
        WriteFile(models.Path() + "/cabrio.prm", model);
        int error = 0;
        Library::Load(models.Path() + "/cabrio.prm", error);
    }

    TempFolder models;
};

TEST_F(ToolLists, ToolsAreGroupedByTheirLastMainCategoryAndSortedByteWise) {
    RecordingSink sink;
    Manager().FillToolLists(sink, LibraryManager::kAllToolLists);
    ASSERT_EQ(sink.lists.size(), 4u);
    EXPECT_EQ(sink.lists[0].first, 101);
    EXPECT_EQ(sink.lists[1].first, 102);
    EXPECT_EQ(sink.lists[2].first, 103);
    EXPECT_EQ(sink.lists[3].first, 110);

    // Digits before upper case before lower case before bytes above 127; "Camera;Vehicle" is a
    // vehicle, the hidden type is nowhere.
    EXPECT_EQ(sink.List(101),
              (Names{"2WheelerExt", "4VeredevOro", "4WheelerFree", "AirplaneExt", "AirplaneFree",
                     "CrawlerExt", "Helicopter", "Tank", "Trailer", "buggy", "\xC3\x84rger"}));
    EXPECT_EQ(sink.List(102), (Names{"AutoZoomCam", "DirivodaRez", "DirivodaRezFree", "Drone", "HumanizerCam",
                                     "LookAtCam", "MultiStateCam", "RuzovuZediziViz", "SphereCam", "VodiDOva",
                                     "VuzaZaderaRav", "ZoomAndFocusCam"}));
    const Names& accessories = sink.List(103);
    for (const char* expected : {"Cannon", "Firepower", "Missile", "Gyro", "Group", "EmptyPlugin"}) {
        EXPECT_NE(std::find(accessories.begin(), accessories.end(), expected), accessories.end()) << expected;
    }
    EXPECT_TRUE(std::is_sorted(accessories.begin(), accessories.end()));
    // Everything else: all tools but the vehicles, the cameras, the hidden type and the model.
    EXPECT_EQ(accessories.size(), Manager().GetToolCount() - 11 - 12 - 1 - 1);
    EXPECT_EQ(sink.List(110), Names{"Cabrio"}) << "a model is a template whatever its category";
}

TEST_F(ToolLists, OnlyTheListsWhoseBitIsSetAreHandedOver) {
    RecordingSink sink;
    Manager().FillToolLists(sink, 0b1010);
    ASSERT_EQ(sink.lists.size(), 2u);
    EXPECT_EQ(sink.lists[0].first, ToolListSink::kCameras);
    EXPECT_EQ(sink.lists[1].first, ToolListSink::kTemplates);

    sink.lists.clear();
    Manager().FillToolLists(sink, 0);
    EXPECT_TRUE(sink.lists.empty());
}

} // namespace
} // namespace vex::orb::core::test
