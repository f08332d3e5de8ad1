// spaceLocator, group, polyCube and polyPlane: names answered, what they make, undo and bad calls.
#include "host/builtins/PrimitiveMeshes.h"
#include "host/scene/MeshData.h"
#include "tests/host/builtins/BuiltinsFixture.h"

#include <maya/MVector.h>

#include <set>
#include <string>
#include <vector>

namespace {

using Names = std::vector<std::string>;

class CreateCommandsTest : public BuiltinsFixture {};

TEST_F(CreateCommandsTest, SpaceLocatorMakesATransformWithALocatorShape) {
    EXPECT_EQ(Run("spaceLocator").AsStrings(), (Names{"locator1"}));
    EXPECT_EQ(Run("spaceLocator -n aim -p 1 2 3").AsStrings(), (Names{"aim"}));
    EXPECT_EQ(Run("listRelatives -s aim").AsStrings(), (Names{"aimShape"}));
    EXPECT_EQ(text("nodeType aimShape"), "locator");
    EXPECT_EQ(text("getAttr aimShape.localPosition"), "1 2 3");
    EXPECT_EQ(Run("ls -sl").AsStrings(), (Names{"aim"}));
    ExpectOneUndoStep("spaceLocator -n extra");
    EXPECT_EQ(Refused("spaceLocator -p 1 2"), "line 1: spaceLocator: Flag \"-p\" needs an argument");
}

TEST_F(CreateCommandsTest, GroupKeepsTheWorldPlacementOfWhatItHolds) {
    Run("createNode transform -n base; setAttr base.t 5 0 0;"
        "createNode transform -n a -p base; createNode transform -n b -p base; setAttr a.t 1 0 0");
    EXPECT_EQ(text("group -n pair a b"), "pair");
    EXPECT_EQ(Run("listRelatives -p pair").AsStrings(), (Names{"base"}))
        << "made under the first one's parent";
    EXPECT_EQ(Run("listRelatives -c pair").AsStrings(), (Names{"a", "b"}));
    EXPECT_EQ(Run("xform -q -ws -t a").AsString(), "6 0 0");
    EXPECT_EQ(text("group -w -n outer pair"), "outer");
    EXPECT_EQ(Run("listRelatives -p outer").AsStrings(), Names{});
    EXPECT_EQ(Run("xform -q -ws -t a").AsString(), "6 0 0");
    EXPECT_EQ(text("group -em -p base"), "group1");
    EXPECT_EQ(Run("listRelatives -c group1").AsStrings(), Names{});
    Run("select -r b");
    ExpectOneUndoStep("group");
    EXPECT_EQ(Refused("group ghost"), "line 1: group: No object matches name: ghost");
    EXPECT_EQ(Refused("group -n"), "line 1: group: Flag \"-n\" needs an argument");
}

TEST_F(CreateCommandsTest, PolyCubeAndPolyPlaneAnswerTransformAndHistory) {
    EXPECT_EQ(Run("polyCube").AsStrings(), (Names{"pCube1", "polyCube1"}));
    EXPECT_EQ(Run("polyCube -n box -w 2 -h 4 -d 6 -sx 2 -sy 3 -sz 1").AsStrings(),
              (Names{"box", "polyCube2"}));
    EXPECT_EQ(Run("listRelatives -s box").AsStrings(), (Names{"boxShape"}));
    EXPECT_EQ(Run("listConnections -s 1 -d 0 boxShape").AsStrings(), (Names{"polyCube2"}));
    EXPECT_EQ(Number("getAttr polyCube2.height"), 4.0);
    const auto box = MeshOf("boxShape");
    ASSERT_TRUE(box);
    EXPECT_EQ(box->numPolygons(), 2 * (2 * 3 + 3 * 1 + 1 * 2));
    EXPECT_EQ(Run("polyCube -ch 0 -n bare").AsStrings(), (Names{"bare"}));
    EXPECT_EQ(Number("objExists polyCube3"), 0.0);
    EXPECT_EQ(Run("polyPlane -w 4 -h 2 -sx 4 -sy 2").AsStrings(), (Names{"pPlane1", "polyPlane1"}));
    const auto plane = MeshOf("pPlaneShape1");
    ASSERT_TRUE(plane);
    EXPECT_EQ(plane->numPolygons(), 8);
    EXPECT_EQ(plane->NumVertices(), 15);
    ExpectOneUndoStep("polyCube -n another");
    EXPECT_EQ(Refused("polyCube -w 0"), "line 1: polyCube: The width must be positive.");
    EXPECT_EQ(Refused("polyPlane -sx 1.5"),
              "line 1: polyPlane: Flag \"-sx\" needs a whole number, not \"1.5\"");
    EXPECT_EQ(Refused("polyPlane -d 3"), "line 1: polyPlane: Invalid flag \"-d\"");
}

TEST(PrimitiveMeshes, BoxSidesShareVerticesAndFaceOutwards) {
    const auto box = vex::host::builtins::BoxMesh(2.0, 4.0, 6.0, 2, 1, 3);
    // Surface lattice points of a 3 x 2 x 4 grid: all minus the inner ones (none here).
    EXPECT_EQ(box->NumVertices(), 3 * 2 * 4);
    EXPECT_EQ(box->numPolygons(), 2 * (2 * 1 + 1 * 3 + 3 * 2));
    for (int p = 0; p < box->numPolygons(); ++p) {
        MVector centre;
        const auto vertices = box->PolygonVertices(p);
        for (int v : vertices) centre += MVector(box->Points()[v]);
        centre = centre / static_cast<double>(vertices.size());
        EXPECT_GT(box->PolygonNormal(p) * centre, 0.0) << "polygon " << p << " faces inwards";
    }
    const auto plane = vex::host::builtins::PlaneMesh(1.0, 1.0, 3, 3);
    for (int p = 0; p < plane->numPolygons(); ++p) EXPECT_GT(plane->PolygonNormal(p).y, 0.99);
    std::set<double> heights;
    for (const auto& point : plane->Points()) heights.insert(point.y);
    EXPECT_EQ(heights, std::set<double>{0.0});
}

} // namespace
