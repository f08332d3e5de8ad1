#include "tests/host/file/SceneFileFixture.h"

#include <maya/MSceneMessage.h>

#include <vector>

namespace {

using vex::host::Scene;

class SceneImportTest : public SceneFileFixture {
protected:
    // A file with a hierarchy, a keyed channel and a camera moved by the scene it was saved from.
    void SetUp() override {
        Run("createNode transform -n \"car\"; createNode transform -n \"wheel\" -p \"car\"; "
            "createNode animCurveTL -n \"car_tx\"; setAttr -s 2 \".ktv[0:1]\" 1 0 24 8; "
            "connectAttr car_tx.o car.tx; setAttr persp.tx 99; currentTime 10");
        file_ = path("car.ma");
        ASSERT_TRUE(MFileIO::saveAs(file_.c_str()));
        ASSERT_TRUE(MFileIO::newFile(true));
        Run("createNode transform -n \"car\"; setAttr car.ty 3");
    }

    static std::string ParentOf(const std::string& name) {
        return Scene::Instance().findNode(name)->parent()->name();
    }
    static std::string DriverOf(const std::string& plug) {
        const auto dot = plug.find('.');
        const auto node = Scene::Instance().findNode(plug.substr(0, dot));
        const auto* link = node->Input(*node->FindAttribute(plug.substr(dot + 1)));
        return link ? link->other.lock()->name() : std::string();
    }

    std::string file_;
};

TEST_F(SceneImportTest, ImportedNodesGoIntoTheNamespaceAndAUsedNamespaceGetsANumber) {
    std::vector<int> heard;
    ids_.append(MSceneMessage::addCallback(
        MSceneMessage::kBeforeImport, [](void* data) { static_cast<std::vector<int>*>(data)->push_back(1); },
        &heard));
    ids_.append(MSceneMessage::addCallback(
        MSceneMessage::kAfterImport, [](void* data) { static_cast<std::vector<int>*>(data)->push_back(2); },
        &heard));

    const std::string time = Run("currentTime -q");
    Run("file -import -namespace \"ext\" \"" + file_ + "\"");
    EXPECT_EQ(ParentOf("ext:wheel"), "ext:car");
    EXPECT_EQ(DriverOf("ext:car.tx"), "ext:car_tx");
    ASSERT_TRUE(MFileIO::importFile(file_.c_str(), nullptr, false, "ext"));
    EXPECT_EQ(ParentOf("ext1:wheel"), "ext1:car");
    EXPECT_EQ(DriverOf("ext1:car.tx"), "ext1:car_tx");
    EXPECT_EQ(heard, (std::vector<int>{1, 2, 1, 2}));

    // The scene's own nodes and settings are not the imported file's.
    EXPECT_EQ(Run("getAttr persp.tx"), "0");
    EXPECT_EQ(Run("currentTime -q"), time);
    EXPECT_EQ(Run("getAttr car.ty"), "3");
    EXPECT_EQ(DriverOf("car.tx"), "");
}

TEST_F(SceneImportTest, WithoutANamespaceClashingNamesAreRenamedAndStillConnected) {
    Run("file -i \"" + file_ + "\"");
    EXPECT_EQ(ParentOf("wheel"), "car1");
    EXPECT_EQ(DriverOf("car1.tx"), "car_tx");
    EXPECT_EQ(DriverOf("car.tx"), "");
    // An import is one operation outside the undo queue: undo does not take it apart.
    Run("undo");
    EXPECT_NE(Scene::Instance().findNode("car1"), nullptr);
    EXPECT_EQ(Scene::Instance().findNode("car")->name(), "car");
}

} // namespace
