#include "tests/host/api/SceneFixture.h"

#include <maya/MFnCamera.h>
#include <maya/MFnDagNode.h>
#include <maya/MFnMatrixData.h>
#include <maya/MFnNumericAttribute.h>
#include <maya/MFnStringData.h>
#include <maya/MFnTransform.h>
#include <maya/MFnTypedAttribute.h>
#include <maya/MItDependencyNodes.h>
#include <maya/MPlugArray.h>
#include <maya/MSelectionList.h>

#include <algorithm>
#include <cmath>

namespace {

constexpr double kQuarterTurn = 1.5707963267948966;

class FunctionSetTest : public SceneFixture {};

TEST_F(FunctionSetTest, TransformRotationsTranslationsAndScales) {
    MFnTransform fn;
    MObject node = fn.create();
    ASSERT_FALSE(node.isNull());
    EXPECT_EQ(NameOf(node), "transform1");

    EXPECT_TRUE(fn.translateBy(MVector(1, 2, 3), MSpace::kTransform));
    EXPECT_TRUE(fn.translateBy(MVector(1, 0, 0), MSpace::kTransform));
    EXPECT_DOUBLE_EQ(fn.getTranslation(MSpace::kTransform).x, 2.0);

    const double scale[3] = {2, 3, 4};
    EXPECT_TRUE(fn.setScale(scale));
    EXPECT_TRUE(fn.scaleBy(scale));
    double read[3];
    EXPECT_TRUE(fn.getScale(read));
    EXPECT_DOUBLE_EQ(read[2], 16.0);

    // A quarter turn about Y takes +X to -Z; the Euler angles land in the node's attributes.
    EXPECT_TRUE(fn.setRotation(MQuaternion(kQuarterTurn, MVector(0, 1, 0))));
    EXPECT_NEAR(MFnDependencyNode(node).findPlug("ry").asDouble(), kQuarterTurn, 1e-12);
    MQuaternion q;
    EXPECT_TRUE(fn.getRotation(q));
    EXPECT_TRUE(q.isEquivalent(MQuaternion(kQuarterTurn, MVector(0, 1, 0)), 1e-9));
    EXPECT_TRUE(fn.rotateBy(MEulerRotation(0, kQuarterTurn, 0)));
    // Now a half turn: the scaled X axis points the other way.
    MMatrix turned = fn.transformationMatrix();
    EXPECT_NEAR(turned(0, 0), -4.0, 1e-9);
    EXPECT_NEAR(turned(0, 2), 0.0, 1e-9);
    EXPECT_NEAR(turned(2, 2), -16.0, 1e-9);

    // Setting from a matrix keeps the node's rotate order.
    EXPECT_TRUE(fn.setRotationOrder(MTransformationMatrix::kZXY, false));
    MMatrix matrix = fn.transformationMatrix();
    EXPECT_TRUE(fn.set(matrix));
    EXPECT_EQ(fn.rotationOrder(), MTransformationMatrix::kZXY);
    EXPECT_TRUE(fn.transformationMatrix().isEquivalent(matrix, 1e-9));
    EXPECT_FALSE(fn.setRotationOrder(MTransformationMatrix::kInvalid, false));

    MFnTransform notATransform;
    EXPECT_FALSE(notATransform.setObject(Make("lambert", "mat")));
    EXPECT_FALSE(notATransform.setTranslation(MVector(1, 0, 0), MSpace::kTransform));
}

TEST_F(FunctionSetTest, DagNodeCreationAndChildren) {
    MFnDagNode fn;
    MObject transform = fn.create("transform", "holder");
    EXPECT_EQ(fn.name().str(), "holder");
    MObject camera = fn.create("camera", "lens", transform);
    EXPECT_TRUE(fn.object() == camera);
    EXPECT_EQ(fn.fullPathName().str(), "|holder|lens");
    EXPECT_TRUE(fn.hasParent(transform));
    EXPECT_TRUE(MFnDagNode(transform).isParentOf(camera));
    EXPECT_TRUE(fn.isChildOf(transform));
    EXPECT_EQ(fn.parentCount(), 1u);
    EXPECT_TRUE(fn.dagPath() == PathOf(camera));

    // MFnCamera makes a transform above a new camera, answers it and works on the shape.
    MFnCamera cameraFn;
    MObject above = cameraFn.create();
    EXPECT_TRUE(above.hasFn(MFn::kTransform));
    EXPECT_TRUE(cameraFn.object().hasFn(MFn::kCamera));
    EXPECT_TRUE(cameraFn.setIsOrtho(true));
    EXPECT_TRUE(cameraFn.isOrtho());
    EXPECT_TRUE(cameraFn.setFocusDistance(250.0));
    EXPECT_DOUBLE_EQ(MFnDependencyNode(cameraFn.object()).findPlug("fd").asDouble(), 250.0);

    MObject child = fn.create("transform", "loose", transform);
    MFnDagNode holder(transform);
    EXPECT_EQ(holder.childCount(), 2u);
    EXPECT_TRUE(holder.removeChild(child));
    EXPECT_EQ(PathOf(child).fullPathName().str(), "|loose");
    EXPECT_FALSE(holder.removeChild(child)); // no longer its child
    EXPECT_FALSE(holder.removeChildAt(0));   // a shape cannot go to the world
    EXPECT_FALSE(fn.create("lambert", "notDag").hasFn(MFn::kLambert));
    EXPECT_FALSE(fn.create("transform", "x", Make("lambert", "m")).hasFn(MFn::kTransform));
}

TEST_F(FunctionSetTest, DependencyNodeQueries) {
    MFnDependencyNode fn;
    MObject first = fn.create("lambert", "shader");
    MObject second = MFnDependencyNode().create("lambert", "shader");
    EXPECT_EQ(NameOf(second), "shader1");
    EXPECT_EQ(fn.typeName().str(), "lambert");
    EXPECT_EQ(fn.typeId(), MFnDependencyNode(second).typeId());
    EXPECT_NE(fn.typeId(), MFnDependencyNode(Make("transform", "t")).typeId());
    EXPECT_EQ(fn.userNode(), nullptr);
    MObject byId = MFnDependencyNode().create(fn.typeId());
    EXPECT_TRUE(byId.hasFn(MFn::kLambert));

    std::vector<std::string> names;
    for (unsigned int i = 0; i < fn.attributeCount(); ++i)
        names.push_back(MFnAttribute(fn.attribute(i)).name().str());
    EXPECT_EQ(names.front(), "message");
    EXPECT_NE(std::find(names.begin(), names.end(), "color"), names.end());
    EXPECT_TRUE(fn.attribute(fn.attributeCount()).isNull());

    MPlugArray none;
    EXPECT_FALSE(fn.getConnections(none));
    EXPECT_EQ(none.length(), 0u);

    // Plugs of one attribute on one node are equal however they are found.
    MPlug byName = fn.findPlug("colorG");
    MPlug byObject = fn.findPlug(fn.attribute("cg"));
    EXPECT_TRUE(byName == byObject);
    EXPECT_TRUE(fn.findPlug("color").child(fn.attribute("colorG")) == byName);
    EXPECT_FALSE(byName == MFnDependencyNode(second).findPlug("colorG"));
    EXPECT_EQ(byName.partialName(true, false, false, false, true, true).str(), "shader.color.colorG");
    EXPECT_TRUE(MFnDependencyNode(first)
                    .findPlug(MFnDependencyNode(Make("transform", "u")).attribute("tx"))
                    .isNull());
}

TEST_F(FunctionSetTest, AttributeDefaultsFlagsAndData) {
    MFnStringData text;
    MObject defaultText = text.create("untitled");
    MFnTypedAttribute typed;
    MObject label = typed.create("label", "lb", MFnData::kString, defaultText);
    EXPECT_EQ(typed.attrType(), MFnData::kString);
    MObject readDefault;
    EXPECT_TRUE(typed.getDefault(readDefault));
    EXPECT_EQ(MFnStringData(readDefault).string().str(), "untitled");
    EXPECT_FALSE(typed.setDefault(MFnMatrixData().create(MMatrix())));
    MStatus status;
    typed.create("bad", "bd", MFnData::kLattice, MObject::kNullObj, &status);
    EXPECT_FALSE(status);

    MObject node = Make("transform", "holder");
    MFnDependencyNode fn(node);
    ASSERT_TRUE(fn.addAttribute(label));
    EXPECT_EQ(fn.findPlug("lb").asString().str(), "untitled");

    MFnNumericAttribute numeric;
    MObject offset = numeric.create("offset", "off", MFnNumericData::k3Double, 0.0);
    EXPECT_TRUE(numeric.setDefault(1.0, 2.0, 3.0));
    EXPECT_EQ(numeric.unitType(), MFnNumericData::k3Double);
    EXPECT_FALSE(numeric.setArray(true));
    EXPECT_TRUE(numeric.setArray(false));
    ASSERT_TRUE(fn.addAttribute(offset));
    EXPECT_DOUBLE_EQ(fn.findPlug("offsetZ").asDouble(), 3.0);
    EXPECT_TRUE(MFnAttribute(fn.attribute("offsetY")).parent() == offset);
    numeric.create("pair", "pr", MFnNumericData::k2Double, 0.0, &status);
    EXPECT_FALSE(status);

    // Flags set on an attribute apply to its children.
    MFnAttribute flags(offset);
    EXPECT_TRUE(flags.setHidden(true));
    EXPECT_TRUE(MFnAttribute(fn.attribute("offsetX")).isHidden());
    EXPECT_TRUE(flags.setWritable(false));
    EXPECT_FALSE(fn.findPlug("offsetX").setValue(5.0));
    EXPECT_TRUE(flags.setWritable(true));
    EXPECT_TRUE(fn.findPlug("offsetX").setValue(5.0));

    MFnMatrixData notMatrix;
    EXPECT_FALSE(notMatrix.setObject(defaultText));
    EXPECT_FALSE(notMatrix.set(MMatrix()));
}

TEST_F(FunctionSetTest, WalksSkipNodesDeletedOnTheWay) {
    MObject a = Make("transform", "a");
    MObject b = Make("transform", "b");
    std::vector<std::string> seen;
    for (MItDependencyNodes it(MFn::kTransform); !it.isDone(); it.next()) {
        seen.push_back(NameOf(it.thisNode()));
        if (seen.back() == "a") {
            MDGModifier modifier;
            modifier.deleteNode(b);
            modifier.doIt();
        }
    }
    EXPECT_EQ(seen, (std::vector<std::string>{"persp", "top", "front", "side", "a"}));

    // Selection lists keep deleted nodes but hand them out as failures.
    MSelectionList list;
    list.add(a);
    MDagModifier modifier;
    modifier.deleteNode(a);
    ASSERT_TRUE(modifier.doIt());
    MObject object;
    EXPECT_FALSE(list.getDependNode(0, object));
    MDagPath path;
    EXPECT_FALSE(list.getDagPath(0, path));
    EXPECT_FALSE(list.add(a));
}

} // namespace
