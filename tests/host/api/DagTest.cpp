#include "tests/host/api/SceneFixture.h"

#include <maya/MDagPathArray.h>
#include <maya/MFnCamera.h>
#include <maya/MFnDagNode.h>
#include <maya/MFnTransform.h>
#include <maya/MGlobal.h>
#include <maya/MObjectHandle.h>
#include <maya/MStringArray.h>

#include <cmath>
#include <string>
#include <vector>

namespace {

class DagTest : public SceneFixture {};

TEST_F(DagTest, CameraUnderTransformHasPathsParentAndChildren) {
    MObject transform = Make("transform", "rig_camTransform");
    MObject camera = Make("camera", "rig_cam", transform);
    ASSERT_TRUE(camera.hasFn(MFn::kCamera));
    ASSERT_TRUE(camera.hasFn(MFn::kShape));
    ASSERT_TRUE(camera.hasFn(MFn::kDagNode));
    ASSERT_FALSE(camera.hasFn(MFn::kTransform));
    EXPECT_STREQ(camera.apiTypeStr(), "kCamera");
    MStringArray sets;
    ASSERT_TRUE(MGlobal::getFunctionSetList(transform, sets));
    std::vector<std::string> names;
    for (unsigned int i = 0; i < sets.length(); ++i) names.push_back(sets[i].asChar());
    // In the order of the constants' numbers, which is not the order they are declared in by kind.
    EXPECT_EQ(names, (std::vector<std::string>{"kBase", "kNamedObject", "kDependencyNode", "kDagNode",
                                               "kTransform"}));

    MDagPath path = PathOf(camera);
    EXPECT_EQ(path.fullPathName().str(), "|rig_camTransform|rig_cam");
    EXPECT_EQ(path.partialPathName().str(), "rig_cam");
    EXPECT_EQ(path.length(), 2u);
    EXPECT_TRUE(path.transform() == transform);

    MFnDagNode dag(camera);
    EXPECT_TRUE(dag.parent(0) == transform);
    MFnDagNode top(transform);
    EXPECT_EQ(top.childCount(), 1u);
    EXPECT_TRUE(top.child(0) == camera);

    // The parent of a top-level node is the world, whose path name is empty.
    MObject world = top.parent(0);
    EXPECT_TRUE(world.hasFn(MFn::kWorld));
    EXPECT_EQ(PathOf(world).fullPathName().str(), "");
    EXPECT_EQ(PathOf(world).length(), 0u);

    // From the transform's path to its only shape, and back.
    MDagPath toShape = PathOf(transform);
    unsigned int shapes = 0;
    EXPECT_TRUE(toShape.numberOfShapesDirectlyBelow(shapes));
    EXPECT_EQ(shapes, 1u);
    EXPECT_TRUE(toShape.extendToShape());
    EXPECT_TRUE(toShape == path);
    EXPECT_TRUE(toShape.pop());
    EXPECT_TRUE(toShape == PathOf(transform));
    EXPECT_TRUE(toShape != path);

    MDagPathArray all;
    EXPECT_TRUE(MDagPath::getAllPathsTo(camera, all));
    EXPECT_EQ(all.length(), 1u);
}

TEST_F(DagTest, NewCameraDefaultsAndFieldOfView) {
    MObject camera = Make("camera", "cam", Make("transform", "camT"));
    MFnCamera fn(camera);
    EXPECT_DOUBLE_EQ(fn.focalLength(), 35.0);
    EXPECT_NEAR(fn.horizontalFilmAperture(), 1.41732, 1e-12);
    EXPECT_DOUBLE_EQ(fn.nearClippingPlane(), 0.1);
    EXPECT_TRUE(fn.setNearClippingPlane(fn.nearClippingPlane() / 10.0));
    EXPECT_DOUBLE_EQ(MFnDependencyNode(camera).findPlug("ncp").asDouble(), 0.01);

    const double fov = fn.horizontalFieldOfView();
    EXPECT_NEAR(fov, 2.0 * std::atan(1.41732 * 25.4 * 0.5 / 35.0), 1e-12);
    EXPECT_TRUE(fn.setHorizontalFieldOfView(fov / 2));
    EXPECT_NEAR(fn.horizontalFieldOfView(), fov / 2, 1e-12);
    EXPECT_FALSE(fn.setHorizontalFieldOfView(0.0));
}

TEST_F(DagTest, ShapeWithoutParentGetsItsOwnTransform) {
    MDagModifier modifier;
    MObject result = modifier.createNode("camera");
    ASSERT_TRUE(modifier.doIt());
    ASSERT_TRUE(result.hasFn(MFn::kTransform));
    EXPECT_EQ(NameOf(result), "camera1");
    MDagPath path = PathOf(result);
    ASSERT_TRUE(path.extendToShape());
    EXPECT_EQ(path.fullPathName().str(), "|camera1|cameraShape1");
}

TEST_F(DagTest, ClashingNamesGetANumber) {
    EXPECT_EQ(NameOf(Make("transform", "box")), "box");
    EXPECT_EQ(NameOf(Make("transform", "box")), "box1");
    EXPECT_EQ(NameOf(Make("transform", "box")), "box2");
    // A trailing number is replaced by the lowest free one, as the host does.
    EXPECT_EQ(NameOf(Make("transform", "pCube1")), "pCube1");
    EXPECT_EQ(NameOf(Make("transform", "pCube1")), "pCube2");
    // The default cameras of a new scene take part too.
    EXPECT_EQ(NameOf(Make("transform", "persp")), "persp1");

    // Renaming onto a taken name gets a number; renaming onto one's own name keeps it.
    MObject other = Make("transform", "other");
    MFnDependencyNode fn(other);
    EXPECT_EQ(fn.setName("box").str(), "box3");
    EXPECT_EQ(fn.setName("box3").str(), "box3");
    MStatus status;
    fn.setName("bad name", false, &status);
    EXPECT_FALSE(status);
    EXPECT_EQ(fn.name().str(), "box3");
}

TEST_F(DagTest, DefaultSceneHasTheStartupNodes) {
    MFnDagNode world(PathOf(MFnDagNode(Make("transform", "probe")).parent(0)).node());
    std::vector<std::string> names;
    for (unsigned int i = 0; i < world.childCount(); ++i) names.push_back(NameOf(world.child(i)));
    EXPECT_EQ(names, (std::vector<std::string>{"persp", "top", "front", "side", "probe"}));
    MFnDependencyNode top(world.child(1));
    EXPECT_FALSE(top.findPlug("v").asBool());
}

TEST_F(DagTest, ReparentAndChildOrder) {
    MObject a = Make("transform", "a");
    MObject b = Make("transform", "b");
    MObject c = Make("transform", "c", a);
    MDagModifier modifier;
    ASSERT_TRUE(modifier.reparentNode(c, b));
    ASSERT_TRUE(modifier.doIt());
    EXPECT_EQ(PathOf(c).fullPathName().str(), "|b|c");
    EXPECT_EQ(MFnDagNode(a).childCount(), 0u);

    // A node cannot go below itself, and a shape cannot go to the world.
    MDagModifier cycle;
    ASSERT_TRUE(cycle.reparentNode(b, c));
    EXPECT_FALSE(cycle.doIt());
    EXPECT_EQ(PathOf(c).fullPathName().str(), "|b|c");
    MObject shape = Make("camera", "shape", b);
    MDagModifier toWorld;
    ASSERT_TRUE(toWorld.reparentNode(shape));
    EXPECT_FALSE(toWorld.doIt());

    MObject d = Make("transform", "d", b);
    MFnDagNode parent(b);
    EXPECT_TRUE(parent.addChild(d, 0));
    EXPECT_TRUE(parent.child(0) == d);
    EXPECT_TRUE(parent.child(1) == c);
}

TEST_F(DagTest, DeletedNodesAnswerFailureNotCrash) {
    MObject transform = Make("transform", "gone");
    MObject camera = Make("camera", "goneShape", transform);
    MDagPath path = PathOf(camera);
    MPlug plug = MFnDependencyNode(camera).findPlug("fl");
    MObjectHandle handle(camera);
    ASSERT_TRUE(path.isValid());
    ASSERT_TRUE(handle.isValid());

    MDagModifier deletion;
    ASSERT_TRUE(deletion.deleteNode(transform));
    ASSERT_TRUE(deletion.doIt());

    // Deleting a transform takes its shape with it.
    EXPECT_FALSE(path.isValid());
    EXPECT_FALSE(handle.isValid());
    EXPECT_TRUE(handle.isAlive());
    MDagPath again;
    EXPECT_FALSE(MDagPath::getAPathTo(transform, again));
    MStatus status;
    EXPECT_EQ(path.fullPathName(&status).str(), "");
    EXPECT_FALSE(status);
    EXPECT_FALSE(path.extendToShape());
    EXPECT_FALSE(path.pop());
    double value = 0;
    EXPECT_FALSE(plug.getValue(value));
    EXPECT_FALSE(plug.setValue(50.0));
    MFnCamera fn;
    EXPECT_FALSE(fn.setObject(transform));
    MFnDagNode dag(camera, &status);
    EXPECT_TRUE(status); // attaching works, working on it does not
    dag.name(&status);
    EXPECT_FALSE(status);
    EXPECT_EQ(dag.childCount(&status), 0u);
    EXPECT_FALSE(status);
    EXPECT_FALSE(MFnTransform(transform).setTranslation(MVector(1, 2, 3), MSpace::kTransform));

    MDagModifier late;
    ASSERT_TRUE(late.renameNode(camera, "again"));
    EXPECT_FALSE(late.doIt());
    MDagModifier twice;
    ASSERT_TRUE(twice.deleteNode(transform));
    EXPECT_FALSE(twice.doIt());

    // Undoing the deletion brings back the very same nodes: the old handles work again.
    ASSERT_TRUE(deletion.undoIt());
    EXPECT_TRUE(path.isValid());
    EXPECT_EQ(path.fullPathName().str(), "|gone|goneShape");
    EXPECT_TRUE(plug.getValue(value));
    EXPECT_TRUE(handle.isValid());
    EXPECT_EQ(handle.hashCode(), MObjectHandle(PathOf(camera).node()).hashCode());
}

TEST_F(DagTest, InvalidPathsAndNullObjects) {
    MDagPath empty;
    MStatus status;
    EXPECT_FALSE(empty.isValid());
    EXPECT_TRUE(empty.node(&status).isNull());
    EXPECT_FALSE(status);
    EXPECT_FALSE(MDagPath::getAPathTo(MObject::kNullObj, empty));
    MObject dg = Make("lambert", "mat");
    EXPECT_FALSE(MDagPath::getAPathTo(dg, empty));
    MFnDagNode fn(dg, &status);
    EXPECT_FALSE(status);
    MDagModifier bad;
    bad.createNode("noSuchType", MObject::kNullObj, &status);
    EXPECT_FALSE(status);
    bad.createNode("transform", dg, &status);
    EXPECT_FALSE(status);
}

} // namespace
