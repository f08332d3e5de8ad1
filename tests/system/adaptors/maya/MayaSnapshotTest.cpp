#include "core/NodeOwner.h"
#include "host/scene/CommandRegistry.h"
#include "host/scene/Scene.h"
#include "host/scene/UndoQueue.h"
#include "system/adaptors/maya/CMayaNode.h"
#include "system/adaptors/maya/MayaAdaptorInterface.h"
#include "system/adaptors/maya/MayaMeshShape.h"
#include "system/adaptors/maya/TorvaUndoWrapperII.h"
#include "system/adaptors/maya/UndoManagement.h"
#include "tests/core/CoreTestSupport.h"

#include <gtest/gtest.h>
#include <maya/MDistance.h>
#include <maya/MDoubleArray.h>
#include <maya/MFnLambertShader.h>
#include <maya/MFnMesh.h>
#include <maya/MFnNurbsCurve.h>
#include <maya/MFnNurbsSurface.h>
#include <maya/MFnTransform.h>
#include <maya/MGlobal.h>
#include <maya/MPointArray.h>

#include <memory>
#include <string>

namespace vex::orb::adaptor::maya {
namespace {

using host::CommandRegistry;
using host::UndoQueue;
using Vec = util::Vector3<double>;

struct Owner : core::NodeOwner {
    std::string getDisplayName() const override { return "Rig"; }
};

void ExpectNear(const Vec& v, double x, double y, double z) {
    EXPECT_NEAR(v.x, x, 1e-4);
    EXPECT_NEAR(v.y, y, 1e-4);
    EXPECT_NEAR(v.z, z, 1e-4);
}

// One triangle in the plane y = 0, normal +y, in core units.
util::CMesh Triangle() {
    util::CMesh mesh;
    mesh.vertices = {{0, 0, 0}, {1, 0, 0}, {0, 0, 1}};
    mesh.faces = {0, 2, 1};
    return mesh;
}

// The adaptor on a fresh embedded scene (centimetres, Y up) with its undo command registered.
class MayaSnapshotTest : public core::test::CoreTest {
protected:
    void SetUp() override {
        CoreTest::SetUp();
        host::Scene::Instance().Reset();
        UndoQueue::get().Flush();
        ASSERT_TRUE(
            CommandRegistry::get().Add(TorvaUndoWrapperII::kName, &TorvaUndoWrapperII::Creator, "tests"));
        UndoManagement::DestroyInstance();
    }
    void TearDown() override {
        wrappers_.clear();
        MayaAdaptorInterface::DestroyInstance();
        UndoQueue::get().Flush();
        UndoManagement::DestroyInstance();
        CommandRegistry::get().remove(TorvaUndoWrapperII::kName);
        MGlobal::setYAxisUp();
        CoreTest::TearDown();
    }

    static MayaAdaptorInterface& Adaptor() { return MayaAdaptorInterface::Instance(); }
    // A helper made by the adaptor at `position` (metres) in the core's world.
    CMayaNode* Helper(const Vec& position, const std::string& name = "Marker") {
        Adaptor().beginUndoGroup("Create");
        auto* node =
            static_cast<CMayaNode*>(Adaptor().createMesh(&owner_, name, nullptr, Triangle(), nullptr));
        util::Matrix<double> local;
        local.m[3][0] = position.x;
        local.m[3][1] = position.y;
        local.m[3][2] = position.z;
        node->getSnapshot(0.0)->setMatrix(local);
        Adaptor().endUndoGroup();
        return node;
    }
    // A temporary node over a shape the user made.
    CMayaNode& Wrap(const MObject& shape) {
        MDagPath path;
        MDagPath::getAPathTo(shape, path);
        wrappers_.push_back(std::make_unique<CMayaNode>(Adaptor(), path, &owner_, "user", true));
        return *wrappers_.back();
    }
    static MObject Transform(const MVector& offset) {
        MFnTransform fn;
        MObject transform = fn.create();
        fn.setTranslation(offset, MSpace::kTransform);
        return transform;
    }
    static MObject UserMesh() {
        MPointArray points;
        for (const MPoint& p : {MPoint(0, 0, 0), MPoint(1, 0, 0), MPoint(0, 0, 1)}) points.append(p);
        MIntArray counts;
        counts.append(3);
        MIntArray connects;
        for (int i : {0, 2, 1}) connects.append(i);
        MFnMesh fn;
        return fn.create(3, 1, points, counts, connects, Transform(MVector()));
    }
    // A flat patch over [0, 400] x [0, 400] cm at y = 100 cm.
    static MObject UserSurface() {
        MPointArray cvs;
        for (const MPoint& p :
             {MPoint(0, 100, 0), MPoint(0, 100, 400), MPoint(400, 100, 0), MPoint(400, 100, 400)})
            cvs.append(p);
        MDoubleArray knots;
        knots.append(0.0);
        knots.append(1.0);
        MFnNurbsSurface fn;
        return fn.create(cvs, knots, knots, 1, 1, MFnNurbsSurface::kOpen, MFnNurbsSurface::kOpen, false,
                         Transform(MVector()));
    }
    // An L of 300 cm along x then 400 cm along z, at y = 500 cm.
    static MObject UserCurve() {
        MPointArray cvs;
        for (const MPoint& p : {MPoint(0, 0, 0), MPoint(300, 0, 0), MPoint(300, 0, 400)}) cvs.append(p);
        MDoubleArray knots;
        for (double k : {0.0, 1.0, 2.0}) knots.append(k);
        MFnNurbsCurve fn;
        return fn.create(cvs, knots, 1, MFnNurbsCurve::kOpen, false, false,
                         Transform(MVector(0.0, 500.0, 0.0)));
    }

    Owner owner_;
    std::vector<std::unique_ptr<CMayaNode>> wrappers_;
};

TEST_F(MayaSnapshotTest, EachShapeOffersTheSnapshotsOfItsKind) {
    CMayaNode* helper = Helper({0, 0, 0});
    EXPECT_NE(helper->getHelperSnapshot(), nullptr);
    EXPECT_NE(dynamic_cast<CMayaSnapshot_MeshPoly*>(helper->getMeshSnapshot(0.0)), nullptr);
    EXPECT_EQ(helper->getShapeSnapshot(0.0), nullptr);

    CMayaNode& mesh = Wrap(UserMesh());
    EXPECT_EQ(mesh.getHelperSnapshot(), nullptr) << "only the system's own helpers";
    EXPECT_NE(mesh.getMeshSnapshot(0.0), nullptr);

    CMayaNode& surface = Wrap(UserSurface());
    EXPECT_EQ(surface.getHelperSnapshot(), nullptr);
    EXPECT_NE(dynamic_cast<CMayaSnapshot_MeshNurbs*>(surface.getMeshSnapshot(0.0)), nullptr);
    EXPECT_EQ(surface.getShapeSnapshot(0.0), nullptr);

    CMayaNode& curve = Wrap(UserCurve());
    EXPECT_EQ(curve.getMeshSnapshot(0.0), nullptr);
    EXPECT_EQ(curve.getHelperSnapshot(), nullptr);
    ASSERT_NE(curve.getShapeSnapshot(0.0), nullptr);
    EXPECT_EQ(curve.getShapeSnapshot(0.0)->getShapeType(), 1);

    auto* camera = static_cast<CMayaNode*>(Adaptor().createCamera(&owner_, "Cam", nullptr, nullptr));
    EXPECT_EQ(camera->getMeshSnapshot(0.0), nullptr);
    EXPECT_EQ(camera->getShapeSnapshot(0.0), nullptr);
    EXPECT_EQ(camera->getHelperSnapshot(), nullptr);
}

TEST_F(MayaSnapshotTest, AHelpersColourAndGeometryChangeAsOneUndoStep) {
    CMayaNode* helper = Helper({0, 0, 0});
    Adaptor().beginUndoGroup("Restyle");
    CSnapshot_Helper* look = helper->getHelperSnapshot();
    look->setColor(0.0f, 1.0f, 0.0f);
    util::CMesh two = Triangle();
    two.vertices.push_back({1, 0, 1});
    two.faces.insert(two.faces.end(), {1, 2, 3});
    look->setMesh(two);
    Adaptor().endUndoGroup();
    MFnMesh shape(helper->GetPath());
    EXPECT_EQ(shape.numPolygons(), 2);
    const MObject material = MayaMeshShape(helper->GetPath()).FindMaterial();
    EXPECT_TRUE(MFnLambertShader(material).color() == MColor(0.0f, 1.0f, 0.0f));

    ASSERT_TRUE(Adaptor().undo());
    EXPECT_EQ(MFnMesh(helper->GetPath()).numPolygons(), 1);
    EXPECT_FALSE(MFnLambertShader(material).color() == MColor(0.0f, 1.0f, 0.0f));
    EXPECT_NE(helper->getHelperSnapshot(), nullptr) << "still the system's helper";
}

TEST_F(MayaSnapshotTest, RaysAndTrianglesAreInCoreMetresWhateverTheHostsUnitsAndUpAxis) {
    for (bool zUp : {false, true}) {
        SCOPED_TRACE(zUp ? "Z up" : "Y up");
        if (zUp) MGlobal::setZAxisUp();
        CMayaNode* helper = Helper({2, 1, 0}, zUp ? "ZUp" : "YUp");
        CSnapshot_Mesh* collision = helper->getMeshSnapshot(0.0);
        Vec hit;
        Vec normal;
        ASSERT_TRUE(collision->intersectRay({2.25, 5.0, 0.25}, {0.0, -1.0, 0.0}, hit, normal));
        ExpectNear(hit, 2.25, 1.0, 0.25);
        ExpectNear(normal, 0.0, 1.0, 0.0);
        EXPECT_FALSE(collision->intersectRay({0.25, 5.0, 0.25}, {0.0, -1.0, 0.0}, hit, normal));
        EXPECT_FALSE(collision->intersectRay({2.25, 5.0, 0.25}, {0.0, 1.0, 0.0}, hit, normal))
            << "a ray pointing away misses";

        util::CMesh triangles;
        ASSERT_TRUE(collision->getTriangles(triangles));
        ASSERT_EQ(triangles.GetTriangleCount(), 1u);
        Vec min;
        Vec max;
        ASSERT_TRUE(collision->getBounds(min, max));
        ExpectNear(min, 2.0, 1.0, 0.0);
        ExpectNear(max, 3.0, 1.0, 1.0);
    }
}

TEST_F(MayaSnapshotTest, SettingACollisionMeshIsItsOwnUndoStep) {
    CMayaNode& mesh = Wrap(UserMesh());
    const size_t entries = UndoQueue::get().size();
    util::CMesh two = Triangle();
    two.vertices.push_back({1, 0, 1});
    two.faces.insert(two.faces.end(), {1, 2, 3});
    mesh.getMeshSnapshot(0.0)->setMesh(two);
    EXPECT_EQ(MFnMesh(mesh.GetPath()).numPolygons(), 2);
    EXPECT_EQ(UndoQueue::get().size(), entries + 1);
    ASSERT_TRUE(MGlobal::executeCommand("undo"));
    EXPECT_EQ(MFnMesh(mesh.GetPath()).numPolygons(), 1);
}

TEST_F(MayaSnapshotTest, ASurfaceIsHitInCoreMetres) {
    CSnapshot_Mesh* collision = Wrap(UserSurface()).getMeshSnapshot(0.0);
    Vec hit;
    Vec normal;
    ASSERT_TRUE(collision->intersectRay({1.0, 3.0, 2.0}, {0.0, -1.0, 0.0}, hit, normal));
    ExpectNear(hit, 1.0, 1.0, 2.0);
    EXPECT_NEAR(std::abs(normal.y), 1.0, 1e-4);
    util::CMesh triangles;
    EXPECT_FALSE(collision->getTriangles(triangles));
}

TEST_F(MayaSnapshotTest, ACurveIsMeasuredInMetres) {
    CSnapshot_Shape* curve = Wrap(UserCurve()).getShapeSnapshot(0.0);
    EXPECT_NEAR(curve->getLength(), 7.0, 1e-3);
    Vec point;
    curve->getPointAtLength(point, 5.0);
    ExpectNear(point, 3.0, 5.0, 2.0);
    Vec tangent;
    curve->getTangentAtLength(tangent, 1.0);
    ExpectNear(tangent, 1.0, 0.0, 0.0);
    curve->getTangentAtLength(tangent, 6.5);
    ExpectNear(tangent, 0.0, 0.0, 1.0);
}

} // namespace
} // namespace vex::orb::adaptor::maya
