#include "core/CoreImplementation.h"
#include "host/scene/ScriptEditor.h"
#include "system/adaptors/maya/MayaAdaptorInterface.h"
#include "system/adaptors/maya/MayaNames.h"
#include "tests/system/adaptors/maya/TorvaPluginFixture.h"

#include <gtest/gtest.h>
#include <maya/MDagPath.h>
#include <maya/MFnDagNode.h>
#include <maya/MFnMesh.h>
#include <maya/MFnTransform.h>
#include <maya/MGlobal.h>
#include <maya/MIntArray.h>
#include <maya/MPointArray.h>
#include <maya/MSelectionList.h>
#include <maya/MVector.h>

#include <string>

namespace vex::orb::adaptor::maya {
namespace {

// Creating a car through the plug-in's commands with a ground selected, as an animator does.
class GroundPlacementTest : public test::TorvaPluginFixture {
protected:
    // A flat square ground of half-width `half` in its own transform at `at`; answers the transform.
    static MDagPath Ground(const MVector& at, double half) {
        MFnTransform transform;
        const MObject node = transform.create();
        transform.setTranslation(at, MSpace::kTransform);
        MPointArray points;
        for (const MPoint& p :
             {MPoint(-half, 0, -half), MPoint(half, 0, -half), MPoint(half, 0, half), MPoint(-half, 0, half)})
            points.append(p);
        MIntArray counts;
        counts.append(4);
        MIntArray connects;
        for (int i : {0, 3, 2, 1}) connects.append(i);
        MFnMesh().create(4, 1, points, counts, connects, node);
        MFnDagNode(node).setName("ground");
        MDagPath path;
        MDagPath::getAPathTo(node, path);
        return path;
    }
    static MDagPath PathOf(const std::string& name) {
        MSelectionList list;
        MDagPath path;
        if (list.add(MString(MayaNames::Legal(name).c_str())) == MS::kSuccess) list.getDagPath(0, path);
        return path;
    }
    static void Select(const std::string& name) {
        MSelectionList list;
        ASSERT_EQ(list.add(MString(MayaNames::Legal(name).c_str())), MS::kSuccess) << name;
        MGlobal::setActiveSelectionList(list);
    }
    static MVector WorldPosition(const std::string& name) {
        return MFnTransform(PathOf(name)).getTranslation(MSpace::kWorld);
    }
    static std::string ParentOf(const std::string& name) {
        MDagPath path = PathOf(name);
        path.pop();
        return path.length() == 0 ? std::string() : MFnDagNode(path).name().asChar();
    }
    static std::string Warnings() {
        std::string all;
        for (const auto& line : host::ScriptEditor::get().Lines())
            if (line.kind == host::ScriptEditor::Kind::kWarning) all += line.text + "\n";
        return all;
    }
};

void ExpectNear(const MVector& actual, const MVector& expected, double tolerance) {
    EXPECT_NEAR(actual.x, expected.x, tolerance);
    EXPECT_NEAR(actual.y, expected.y, tolerance);
    EXPECT_NEAR(actual.z, expected.z, tolerance);
}

TEST_F(GroundPlacementTest, TheCarStandsOnTheSelectedGroundAsOneUndoStepAndDrivesOnIt) {
    const MVector at(3000.0, 200.0, -1000.0);
    const MDagPath ground = Ground(at, 2000.0);
    Select("ground");
    host::ScriptEditor::get().clear();

    const std::string car = Text("TorvaCreate4VeredevOroCmd");
    ASSERT_EQ(car, "4VeredevOro_01");
    const std::string base = car + "_CarBodyBaseMeshTransform";
    const std::string gravity = car + "_GravityDirectionMeshTransform";
    ExpectNear(WorldPosition(base), at, 1e-6);
    EXPECT_EQ(ParentOf(gravity), "ground") << "the selected mesh is the car's ground";
    ExpectNear(WorldPosition(gravity), at, 1e-6); // the GravityDirectionMesh kept its place
    EXPECT_EQ(Warnings().find("stands at the origin"), std::string::npos) << Warnings();

    // One undo takes the car away and leaves the ground as it was; redo stands it there again.
    ASSERT_TRUE(MGlobal::executeCommand("undo", false, false));
    EXPECT_EQ(Core().FindInstance(car.c_str()), nullptr);
    EXPECT_FALSE(PathOf(base).isValid());
    ExpectNear(MFnTransform(ground).getTranslation(MSpace::kWorld), at, 0.0);
    ASSERT_TRUE(MGlobal::executeCommand("redo", false, false));
    ASSERT_NE(Core().FindInstance(car.c_str()), nullptr);
    ExpectNear(WorldPosition(base), at, 1e-6);
    EXPECT_EQ(ParentOf(gravity), "ground");

    // Driven for a second with nothing pressed it rests on that ground (the base is the contact
    // level), where a car without a ground falls about 5 m.
    RecordTake(1.0);
    MayaAdaptorInterface::Instance().setCurrentTime(1.0);
    ExpectNear(WorldPosition(base), at, 5.0);
}

TEST_F(GroundPlacementTest, WithoutAMeshSelectedTheCarStaysAtTheOriginAndTheUserIsTold) {
    MFnTransform empty;
    empty.create();
    empty.setTranslation(MVector(50.0, 0.0, 0.0), MSpace::kTransform);
    MSelectionList list;
    list.add(empty.dagPath());
    MGlobal::setActiveSelectionList(list);
    host::ScriptEditor::get().clear();

    const std::string car = Text("TorvaCreateToolCmd -n 4VeredevOro");
    ASSERT_EQ(car, "4VeredevOro_01");
    ExpectNear(WorldPosition(car + "_CarBodyBaseMeshTransform"), MVector(), 1e-9);
    EXPECT_EQ(ParentOf(car + "_GravityDirectionMeshTransform"), "");
    EXPECT_NE(Warnings().find(car + " stands at the origin without a ground"), std::string::npos)
        << Warnings();

    // A car's helper mesh is no ground either, and a tool without a ground is not warned about.
    Select(car + "_CarBodyMeshTransform");
    EXPECT_EQ(Text("TorvaCreate4VeredevOroCmd"), "4VeredevOro_02");
    ExpectNear(WorldPosition("4VeredevOro_02_CarBodyBaseMeshTransform"), MVector(), 1e-9);
    host::ScriptEditor::get().clear();
    ASSERT_EQ(Text("TorvaCreateToolCmd -n RuzovuZediziViz"), "RuzovuZediziViz_01");
    EXPECT_EQ(Warnings(), "");
}

} // namespace
} // namespace vex::orb::adaptor::maya
