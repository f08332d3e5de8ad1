#include "system/adaptors/maya/UndoManagement.h"

#include "host/scene/CommandRegistry.h"
#include "host/scene/Scene.h"
#include "host/scene/UndoQueue.h"
#include "system/adaptors/maya/CBoolAttributeRestoreObj.h"
#include "system/adaptors/maya/CDagModifierRestoreObj.h"
#include "system/adaptors/maya/CDagModifierReverseRestoreObj.h"
#include "system/adaptors/maya/CMatrixRestoreObj.h"
#include "system/adaptors/maya/CMayaSelectionRestoreObj.h"
#include "system/adaptors/maya/CObjectNullRestoreObj.h"
#include "system/adaptors/maya/CParentAddedRestore.h"
#include "system/adaptors/maya/CTimesliderRestoreObj.h"
#include "system/adaptors/maya/CUndoWrapper.h"
#include "system/adaptors/maya/TorvaUndoWrapperII.h"

#include <gtest/gtest.h>
#include <maya/MAnimControl.h>
#include <maya/MDagModifier.h>
#include <maya/MDagPath.h>
#include <maya/MFnDagNode.h>
#include <maya/MFnTransform.h>
#include <maya/MGlobal.h>
#include <maya/MMatrix.h>
#include <maya/MPlug.h>
#include <maya/MSelectionList.h>

#include <string>
#include <vector>

namespace vex::orb::adaptor::maya {
namespace {

using host::CommandRegistry;
using host::UndoQueue;

std::vector<std::string> steps; // what the units did, in order

// A core unit that says what it does.
class Step : public CUndo {
public:
    explicit Step(std::string name) : name_(std::move(name)) {}
    ~Step() override { steps.push_back("drop " + name_); }
    void undo() override { steps.push_back("undo " + name_); }
    void redo() override { steps.push_back("redo " + name_); }

private:
    std::string name_;
};

// The adaptor's list with its wrapper command registered, over an empty scene and undo queue.
class UndoManagementTest : public ::testing::Test {
protected:
    void SetUp() override {
        host::Scene::Instance().Reset();
        UndoQueue::get().Flush();
        ASSERT_TRUE(
            CommandRegistry::get().Add(TorvaUndoWrapperII::kName, &TorvaUndoWrapperII::Creator, "tests"));
        UndoManagement::DestroyInstance();
        steps.clear();
    }
    void TearDown() override {
        UndoQueue::get().Flush();
        UndoManagement::DestroyInstance();
        CommandRegistry::get().remove(TorvaUndoWrapperII::kName);
    }

    static UndoManagement& List() { return UndoManagement::Instance(); }
    static bool Add(const std::string& name) {
        auto* unit = new CUndoWrapper(new Step(name), "test");
        if (List().addUnit(unit)) return true;
        delete unit;
        return false;
    }
    static void Group(const std::string& label, const std::vector<std::string>& names) {
        List().beginGroup(label);
        for (const std::string& name : names) EXPECT_TRUE(Add(name));
        List().endGroup(label);
    }
};

TEST_F(UndoManagementTest, EachGroupWithUnitsIsOneMayaEntryThatRollsItBackAndForth) {
    Group("Move", {"a", "b"});
    Group("Nothing", {});
    Group("Turn", {"c"});
    EXPECT_EQ(UndoQueue::get().size(), 2u) << "a group without units enters nothing";
    EXPECT_EQ(UndoQueue::get().UndoText(), "TorvaUndoWrapperII -id 3;");

    ASSERT_TRUE(MGlobal::executeCommand("undo"));
    ASSERT_TRUE(MGlobal::executeCommand("undo"));
    ASSERT_TRUE(MGlobal::executeCommand("redo"));
    EXPECT_EQ(steps, (std::vector<std::string>{"undo c", "undo b", "undo a", "redo a", "redo b"}));
    EXPECT_EQ(List().GetPosition(), 2u);
    EXPECT_FALSE(Add("outside")) << "a unit offered outside a group is refused";
}

TEST_F(UndoManagementTest, ANewGroupAfterAnUndoDropsTheUndoneOne) {
    Group("First", {"a"});
    Group("Second", {"b"});
    ASSERT_TRUE(MGlobal::executeCommand("undo"));
    Group("Third", {"c"});
    EXPECT_EQ(steps, (std::vector<std::string>{"undo b", "drop b"}));
    EXPECT_EQ(List().GetUnitCount(), 2u);
    steps.clear();
    ASSERT_TRUE(MGlobal::executeCommand("undo"));
    ASSERT_TRUE(MGlobal::executeCommand("undo"));
    EXPECT_EQ(steps, (std::vector<std::string>{"undo c", "undo a"}));
}

TEST_F(UndoManagementTest, ACancelledGroupPutsTheNodeBackAndLeavesNoEntry) {
    Group("Before", {"a"});
    const size_t entries = UndoQueue::get().size();
    List().beginGroup("Create");
    auto* modifier = new MDagModifier();
    MObject node = modifier->createNode("transform");
    modifier->renameNode(node, "cancelled");
    ASSERT_TRUE(modifier->doIt());
    ASSERT_NE(host::Scene::Instance().findNode("cancelled"), nullptr);
    ASSERT_TRUE(List().addUnit(new CDagModifierRestoreObj(modifier)));
    List().cancelGroup();
    EXPECT_EQ(host::Scene::Instance().findNode("cancelled"), nullptr);
    EXPECT_EQ(UndoQueue::get().size(), entries);
    EXPECT_TRUE(steps.empty()) << "the group before the cancelled one is left alone";

    // An empty cancelled group does not roll back the one before it either.
    List().beginGroup("Empty");
    List().cancelGroup();
    EXPECT_TRUE(steps.empty());
}

TEST_F(UndoManagementTest, CurveEditsKeepTheirPlaceAmongTheOtherUnits) {
    List().beginGroup("Record");
    List().beginCurveChange();
    ASSERT_NE(List().getCurveChange(), nullptr);
    List().beginCurveChange(); // nested: the same change
    MAnimCurveChange* first = List().getCurveChange();
    EXPECT_TRUE(Add("create"));
    EXPECT_NE(List().getCurveChange(), first) << "a fresh change after a unit came in";
    List().endCurveChange();
    EXPECT_NE(List().getCurveChange(), nullptr);
    List().endCurveChange();
    EXPECT_EQ(List().getCurveChange(), nullptr);
    List().endGroup("Record");
    // The curve edits before the unit, the unit, the curve edits after it.
    EXPECT_EQ(List().GetUnitCount(), 3u);
    ASSERT_TRUE(MGlobal::executeCommand("undo"));
    EXPECT_EQ(steps, (std::vector<std::string>{"undo create"}));
    EXPECT_EQ(List().GetPosition(), 0u);
}

TEST_F(UndoManagementTest, ValueUnitsPutBackTheValueFromBeforeAndAfterTheirEdit) {
    auto* modifier = new MDagModifier();
    MObject node = modifier->createNode("transform");
    ASSERT_TRUE(modifier->doIt());
    MDagPath path;
    ASSERT_TRUE(MDagPath::getAPathTo(node, path));
    MFnTransform transform(path);
    const MTransformationMatrix before = transform.transformation();
    MMatrix moved;
    moved[3][0] = 4.0;
    const MTime start(10.0, MTime::kFilm);
    const MTime end(20.0, MTime::kFilm);
    ASSERT_TRUE(MAnimControl::setCurrentTime(start));

    List().beginGroup("Edit");
    ASSERT_TRUE(List().addUnit(new CDagModifierRestoreObj(modifier)));
    ASSERT_TRUE(transform.set(MTransformationMatrix(moved)));
    ASSERT_TRUE(List().addUnit(new CMatrixRestoreObj(path, before, MTransformationMatrix(moved))));
    MPlug visibility = MFnDagNode(path).findPlug("visibility");
    ASSERT_TRUE(visibility.setValue(false));
    ASSERT_TRUE(List().addUnit(new CBoolAttributeRestoreObj(path, "visibility", true, false)));
    ASSERT_TRUE(MAnimControl::setCurrentTime(end));
    ASSERT_TRUE(List().addUnit(new CTimesliderRestoreObj(start, end)));
    List().endGroup("Edit");

    ASSERT_TRUE(MGlobal::executeCommand("undo"));
    EXPECT_EQ(MAnimControl::currentTime(), start);
    EXPECT_FALSE(path.isValid()) << "the node the group made is gone again";
    ASSERT_TRUE(MGlobal::executeCommand("redo"));
    EXPECT_EQ(MAnimControl::currentTime(), end);
    ASSERT_TRUE(MDagPath::getAPathTo(node, path));
    EXPECT_TRUE(MFnTransform(path).transformation() == MTransformationMatrix(moved));
    bool visible = true;
    ASSERT_TRUE(MFnDagNode(path).findPlug("visibility").getValue(visible));
    EXPECT_FALSE(visible);
}

TEST_F(UndoManagementTest, AReversedDeletionTakesAMergedNodeAwayOnUndoAndTheSelectionComesBack) {
    auto* make = new MDagModifier();
    MObject merged = make->createNode("transform");
    make->renameNode(merged, "merged");
    ASSERT_TRUE(make->doIt());
    delete make;
    MDagPath path;
    ASSERT_TRUE(MDagPath::getAPathTo(merged, path));
    MSelectionList before;
    MGlobal::getActiveSelectionList(before);
    MObject kept = merged;

    List().beginGroup("AfterMergeFromFile");
    auto* reverse = new MDagModifier();
    ASSERT_TRUE(reverse->deleteNode(merged));
    ASSERT_TRUE(List().addUnit(new CDagModifierReverseRestoreObj(reverse)));
    ASSERT_TRUE(List().addUnit(new CObjectNullRestoreObj(kept)));
    ASSERT_TRUE(MGlobal::select(path, MObject::kNullObj, MGlobal::kReplaceList));
    ASSERT_TRUE(List().addUnit(new CMayaSelectionRestoreObj(before, path, MGlobal::kReplaceList)));
    List().endGroup("AfterMergeFromFile");

    ASSERT_TRUE(MGlobal::executeCommand("undo"));
    EXPECT_EQ(host::Scene::Instance().findNode("merged"), nullptr);
    EXPECT_TRUE(kept.isNull());
    MSelectionList now;
    MGlobal::getActiveSelectionList(now);
    EXPECT_EQ(now.length(), before.length());
    ASSERT_TRUE(MGlobal::executeCommand("redo"));
    EXPECT_NE(host::Scene::Instance().findNode("merged"), nullptr);
    EXPECT_TRUE(kept == merged);
    MGlobal::getActiveSelectionList(now);
    EXPECT_EQ(now.length(), 1u);
}

TEST_F(UndoManagementTest, AParentLinkComesBackOnRedoOnly) {
    ASSERT_TRUE(MGlobal::executeCommand("createNode transform -n rig; createNode transform -n cam;"));
    MSelectionList names;
    names.add("rig");
    names.add("cam");
    MObject rig;
    MDagPath cam;
    ASSERT_TRUE(names.getDependNode(0, rig));
    ASSERT_TRUE(names.getDagPath(1, cam));
    const auto parentName = [&] {
        return std::string(MFnDagNode(MFnDagNode(cam).parent(0)).name().asChar());
    };

    CParentAddedRestore below(cam, rig);
    below.undo();
    EXPECT_EQ(parentName(), "world") << "undo leaves the link to the host's own undo";
    below.redo();
    EXPECT_EQ(parentName(), "rig");
    below.redo();
    EXPECT_EQ(parentName(), "rig") << "a link already there stays as it is";

    CParentAddedRestore toWorld(cam, MObject::kNullObj);
    toWorld.redo();
    EXPECT_EQ(parentName(), "world");
}

} // namespace
} // namespace vex::orb::adaptor::maya
