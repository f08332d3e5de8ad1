#include "host/scene/CommandRegistry.h"
#include "host/scene/Scene.h"
#include "host/scene/UndoQueue.h"
#include "system/adaptors/maya/CCreateShaderObj.h"
#include "system/adaptors/maya/HelperMesh.h"
#include "system/adaptors/maya/MayaMeshShape.h"
#include "system/adaptors/maya/TorvaUndoWrapperII.h"
#include "system/adaptors/maya/UndoManagement.h"

#include <gtest/gtest.h>
#include <maya/MFnDependencyNode.h>
#include <maya/MFnLambertShader.h>
#include <maya/MFnMesh.h>
#include <maya/MFnSet.h>
#include <maya/MFnTransform.h>
#include <maya/MGlobal.h>
#include <maya/MPlug.h>
#include <maya/MPointArray.h>

namespace vex::orb::adaptor::maya {
namespace {

using host::Scene;
using host::UndoQueue;

// One triangle in the plane y = 0 (normal +y) and a quad made of two of them.
util::CMesh Triangle() {
    util::CMesh mesh;
    mesh.vertices = {{0, 0, 0}, {1, 0, 0}, {0, 0, 1}};
    mesh.faces = {0, 2, 1};
    return mesh;
}

util::CMesh Quad() {
    util::CMesh mesh;
    mesh.vertices = {{0, 0, 0}, {2, 0, 0}, {2, 0, 2}, {0, 0, 2}};
    mesh.faces = {0, 2, 1, 0, 3, 2};
    return mesh;
}

util::Matrix<double> Scale(double s) {
    util::Matrix<double> m;
    m.m[0][0] = m.m[1][1] = m.m[2][2] = s;
    return m;
}

void ExpectNear(const MPoint& p, double x, double y, double z) {
    EXPECT_NEAR(p.x, x, 1e-4);
    EXPECT_NEAR(p.y, y, 1e-4);
    EXPECT_NEAR(p.z, z, 1e-4);
}

// An empty scene and undo queue, with the adaptor's undo list and its wrapper command.
class MayaGeometryTest : public ::testing::Test {
protected:
    void SetUp() override {
        Scene::Instance().Reset();
        UndoQueue::get().Flush();
        ASSERT_TRUE(host::CommandRegistry::get().Add(TorvaUndoWrapperII::kName, &TorvaUndoWrapperII::Creator,
                                                     "tests"));
        UndoManagement::DestroyInstance();
    }
    void TearDown() override {
        UndoQueue::get().Flush();
        UndoManagement::DestroyInstance();
        host::CommandRegistry::get().remove(TorvaUndoWrapperII::kName);
    }

    // A transform at `offset` under the world.
    static MObject Transform(const MVector& offset) {
        MFnTransform fn;
        MObject transform = fn.create();
        fn.setTranslation(offset, MSpace::kTransform);
        return transform;
    }
    // A helper mesh at the origin with its material, made inside the undo group "Create".
    static MDagPath Helper(const util::CMesh& mesh) {
        MDagPath shape;
        UndoManagement::Instance().beginGroup("Create");
        EXPECT_TRUE(HelperMesh::Create(mesh, Transform(MVector()), util::Matrix<double>(), "helper", shape));
        MayaMeshShape(shape).AssignNewMaterial();
        UndoManagement::Instance().endGroup("Create");
        return shape;
    }
    static MColor Color(const MDagPath& shape) {
        return MFnLambertShader(MayaMeshShape(shape).FindMaterial()).color();
    }
    static bool Undo() { return static_cast<bool>(MGlobal::executeCommand("undo")); }
    static bool Redo() { return static_cast<bool>(MGlobal::executeCommand("redo")); }
};

TEST_F(MayaGeometryTest, AHelperIsAFlatUnshadowedShapeWithItsOwnMaterial) {
    MDagPath shape;
    ASSERT_TRUE(HelperMesh::Create(Triangle(), Transform(MVector()), Scale(100.0), "marker", shape));
    MFnDependencyNode node(shape.node());
    EXPECT_EQ(std::string(node.name().asChar()), "marker");
    for (const auto& [attribute, expected] : {std::pair<const char*, bool>{"castsShadows", false},
                                              {"receiveShadows", false},
                                              {"motionBlur", false},
                                              {"primaryVisibility", true},
                                              {"smoothShading", false},
                                              {"visibleInReflections", false},
                                              {"visibleInRefractions", false},
                                              {"doubleSided", false}}) {
        bool value = !expected;
        ASSERT_TRUE(node.findPlug(attribute).getValue(value)) << attribute;
        EXPECT_EQ(value, expected) << attribute;
    }
    MFnMesh mesh(shape);
    EXPECT_EQ(mesh.numPolygons(), 1);
    MPoint corner;
    mesh.getPoint(1, corner);
    ExpectNear(corner, 100.0, 0.0, 0.0);

    UndoManagement::Instance().beginGroup("Create");
    auto* unit = new CCreateShaderObj(shape, "paint");
    const MObject material = unit->GetMaterial();
    const MObject group = unit->GetGroup();
    UndoManagement::Instance().Record(unit);
    UndoManagement::Instance().endGroup("Create");
    EXPECT_EQ(std::string(MFnDependencyNode(material).name().asChar()), "paint");
    EXPECT_EQ(std::string(MFnDependencyNode(group).name().asChar()), "paintSG");
    EXPECT_TRUE(MFnSet(group).isMember(shape));
    EXPECT_TRUE(MayaMeshShape(shape).FindMaterial() == material);
    EXPECT_FALSE(MayaMeshShape(shape).IsSystemHelper()) << "a material not named after the shape";
}

TEST_F(MayaGeometryTest, TheMaterialGoesWithUndoAndComesBackAssignedWithRedo) {
    const MDagPath shape = Helper(Triangle());
    ASSERT_FALSE(MayaMeshShape(shape).FindMaterial().isNull());
    EXPECT_TRUE(MayaMeshShape(shape).IsSystemHelper());
    ASSERT_TRUE(Undo());
    EXPECT_TRUE(MayaMeshShape(shape).FindMaterial().isNull());
    EXPECT_FALSE(MayaMeshShape(shape).IsSystemHelper());
    EXPECT_EQ(Scene::Instance().findNode("helper_material"), nullptr);
    EXPECT_EQ(Scene::Instance().findNode("helper_materialSG"), nullptr);
    ASSERT_TRUE(Redo());
    EXPECT_TRUE(MayaMeshShape(shape).IsSystemHelper());
    EXPECT_NE(Scene::Instance().findNode("helper_materialSG"), nullptr);
}

TEST_F(MayaGeometryTest, ColourAndGeometryEditsAreUndoneAndRedoneAsGroups) {
    const MDagPath shape = Helper(Triangle());
    MayaMeshShape helper(shape);
    UndoManagement::Instance().beginGroup("Edit");
    ASSERT_TRUE(helper.SetColor(1.0f, 0.5f, 0.0f));
    ASSERT_TRUE(helper.SetMesh(Quad(), Scale(10.0), false));
    UndoManagement::Instance().endGroup("Edit");
    EXPECT_TRUE(Color(shape) == MColor(1.0f, 0.5f, 0.0f));
    MFnMesh mesh(shape);
    EXPECT_EQ(mesh.numPolygons(), 2);
    MPoint corner;
    mesh.getPoint(2, corner);
    ExpectNear(corner, 20.0, 0.0, 20.0);

    ASSERT_TRUE(Undo());
    EXPECT_FALSE(Color(shape) == MColor(1.0f, 0.5f, 0.0f));
    EXPECT_EQ(MFnMesh(shape).numPolygons(), 1);
    EXPECT_EQ(MFnMesh(shape).numVertices(), 3);
    ASSERT_TRUE(Redo());
    EXPECT_TRUE(Color(shape) == MColor(1.0f, 0.5f, 0.0f));
    EXPECT_EQ(MFnMesh(shape).numPolygons(), 2);
}

TEST_F(MayaGeometryTest, TrianglesAreReadInWorldSpaceAndTheMeshIsLeftAsItWas) {
    MFnMesh fn;
    MPointArray points;
    for (const MPoint& p : {MPoint(0, 0, 0), MPoint(1, 0, 0), MPoint(1, 0, 1), MPoint(0, 0, 1)})
        points.append(p);
    MIntArray counts;
    counts.append(4);
    MIntArray connects;
    for (int i : {0, 3, 2, 1}) connects.append(i);
    fn.create(4, 1, points, counts, connects, Transform(MVector(0.0, 2.0, 0.0)));
    MDagPath shape;
    ASSERT_TRUE(MDagPath::getAPathTo(fn.object(), shape));

    util::CMesh triangles;
    ASSERT_TRUE(MayaMeshShape(shape).GetTriangles(triangles));
    ASSERT_EQ(triangles.GetTriangleCount(), 2u);
    ASSERT_EQ(triangles.faces.size(), 6u);
    for (int32_t index : triangles.faces) {
        ASSERT_LT(static_cast<size_t>(index), triangles.vertices.size());
        EXPECT_DOUBLE_EQ(triangles.vertices[static_cast<size_t>(index)].y, 2.0);
    }
    EXPECT_EQ(MFnMesh(shape).numPolygons(), 1) << "the quad is not left triangulated";
    EXPECT_EQ(UndoQueue::get().size(), 0u) << "reading leaves nothing to undo";
}

} // namespace
} // namespace vex::orb::adaptor::maya
