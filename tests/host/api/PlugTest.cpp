#include "tests/host/api/SceneFixture.h"

#include <maya/MDGContext.h>
#include <maya/MFnMatrixData.h>
#include <maya/MFnNumericAttribute.h>
#include <maya/MFnStringArrayData.h>
#include <maya/MFnTransform.h>
#include <maya/MFnTypedAttribute.h>
#include <maya/MPlugArray.h>
#include <maya/MStringArray.h>
#include <maya/MTime.h>

namespace {

constexpr double kHalfPi = 1.5707963267948966;

class PlugTest : public SceneFixture {
protected:
    MObject node_ = Make("transform", "node");
    MFnDependencyNode fn_{node_};
};

TEST_F(PlugTest, NumericValuesAndCompoundChildren) {
    MPlug v = fn_.findPlug("v");
    EXPECT_TRUE(v.asBool());
    EXPECT_TRUE(v.setValue(false));
    EXPECT_FALSE(fn_.findPlug("visibility").asBool());

    MPlug roi = fn_.findPlug("roi");
    EXPECT_EQ(roi.asInt(), 1);
    EXPECT_TRUE(roi.setValue(2));
    EXPECT_EQ(fn_.findPlug("rotationInterpolation").asInt(), 2);

    MPlug t = fn_.findPlug("t");
    ASSERT_TRUE(t.isCompound());
    ASSERT_EQ(t.numChildren(), 3u);
    EXPECT_EQ(t.child(1).partialName().str(), "ty");
    EXPECT_EQ(t.child(1).name().str(), "node.ty");
    EXPECT_EQ(t.child(1).info().str(), "node.translateY");
    EXPECT_TRUE(t.child(1).parent() == t);
    EXPECT_TRUE(fn_.findPlug("ty").setValue(2.5));
    EXPECT_TRUE(fn_.findPlug("translateZ").setValue(-1));
    EXPECT_DOUBLE_EQ(fn_.findPlug("ty").asDouble(), 2.5);
    EXPECT_DOUBLE_EQ(fn_.findPlug("tz").asDouble(), -1.0);
    EXPECT_EQ(fn_.findPlug("ty").asInt(), 2);
    EXPECT_DOUBLE_EQ(fn_.findPlug("sx").asDouble(), 1.0);
    EXPECT_TRUE(fn_.findPlug("tx").isKeyable());
    EXPECT_FALSE(fn_.findPlug("ro").isKeyable());

    // Function sets and plugs see the same values.
    MVector translation = MFnTransform(node_).getTranslation(MSpace::kTransform);
    EXPECT_DOUBLE_EQ(translation.y, 2.5);
    EXPECT_DOUBLE_EQ(translation.z, -1.0);

    // Reading a number as a string and a string as a number fail.
    MStatus status;
    fn_.findPlug("ty").asString(&status);
    EXPECT_FALSE(status);
    MPlug missing = fn_.findPlug("noSuchAttribute", &status);
    EXPECT_FALSE(status);
    EXPECT_TRUE(missing.isNull());
    EXPECT_FALSE(missing.setValue(1.0));
}

TEST_F(PlugTest, MatrixPlugsFollowTheHierarchy) {
    MObject child = Make("transform", "child", node_);
    MFnTransform(node_).setTranslation(MVector(1, 2, 3), MSpace::kTransform);
    MFnTransform(child).setTranslation(MVector(10, 0, 0), MSpace::kTransform);
    const double scale[3] = {2, 2, 2};
    MFnTransform(node_).setScale(scale);

    // The world matrix is an array of one element, as plug-ins expect.
    MPlug worldPlug = MFnDependencyNode(child).findPlug("worldMatrix");
    EXPECT_TRUE(worldPlug.isArray());
    MStatus status;
    worldPlug.elementByLogicalIndex(1, &status);
    EXPECT_FALSE(status);
    EXPECT_FALSE(MFnDependencyNode(child).findPlug("tx").elementByLogicalIndex(0).isNull() == false);
    MObject data = worldPlug.elementByLogicalIndex(0).asMObject();
    MMatrix world = MFnMatrixData(data).matrix();
    EXPECT_DOUBLE_EQ(world(3, 0), 21.0);
    EXPECT_DOUBLE_EQ(world(3, 1), 2.0);
    EXPECT_DOUBLE_EQ(world(3, 2), 3.0);
    EXPECT_TRUE(PathOf(child).inclusiveMatrix() == world);
    EXPECT_TRUE(PathOf(child).exclusiveMatrix() == MFnDagNode(node_).transformationMatrix());
    EXPECT_DOUBLE_EQ(MFnTransform(child).getTranslation(MSpace::kWorld).x, 21.0);

    // Computed plugs cannot be set.
    EXPECT_FALSE(MFnDependencyNode(child).findPlug("worldMatrix").setValue(data));

    // A world-space translation lands at that world position.
    EXPECT_TRUE(MFnTransform(child).setTranslation(MVector(5, 0, 0), MSpace::kWorld));
    EXPECT_DOUBLE_EQ(MFnTransform(child).getTranslation(MSpace::kTransform).x, 2.0);
    EXPECT_DOUBLE_EQ(MFnTransform(child).getTranslation(MSpace::kWorld).x, 5.0);
}

TEST_F(PlugTest, RotationOrderShapesTheMatrix) {
    MFnTransform transform(node_);
    EXPECT_TRUE(transform.setRotation(MEulerRotation(kHalfPi, 0, kHalfPi, MEulerRotation::kXYZ)));
    MMatrix xyz = transform.transformationMatrix();
    EXPECT_TRUE(transform.setRotationOrder(MTransformationMatrix::kZYX, false));
    MMatrix zyx = transform.transformationMatrix();
    EXPECT_FALSE(xyz.isEquivalent(zyx, 1e-9));
    // Reordering keeps the orientation.
    EXPECT_TRUE(transform.setRotationOrder(MTransformationMatrix::kXYZ, false));
    EXPECT_TRUE(transform.setRotationOrder(MTransformationMatrix::kYZX, true));
    EXPECT_EQ(fn_.findPlug("ro").asInt(), 1);
    EXPECT_TRUE(xyz.isEquivalent(transform.transformationMatrix(), 1e-9));
    // Setting from a matrix and reading the transformation back round-trips.
    MFnTransform other(Make("transform", "other"));
    EXPECT_TRUE(other.set(xyz));
    EXPECT_TRUE(other.transformation().asMatrix().isEquivalent(xyz, 1e-9));
}

TEST_F(PlugTest, DynamicStringStringArrayAndMatrixAttributes) {
    MFnTypedAttribute typed;
    MObject tag = typed.create("VXB_tag", "VXB_tag", MFnData::kString);
    typed.setStorable(true);
    typed.setHidden(false);
    MObject names = typed.create("NodeNames", "nodenames", MFnData::kStringArray);
    typed.setHidden(true);
    MObject stored = typed.create("storedMatrix", "smx", MFnData::kMatrix);
    ASSERT_FALSE(tag.isNull());
    ASSERT_TRUE(fn_.addAttribute(tag));
    ASSERT_TRUE(fn_.addAttribute(names));
    ASSERT_TRUE(fn_.addAttribute(stored));
    EXPECT_FALSE(fn_.addAttribute(tag)); // names already in use
    EXPECT_TRUE(fn_.hasAttribute("VXB_tag"));
    EXPECT_TRUE(fn_.findPlug("VXB_tag").isDynamic());
    EXPECT_FALSE(fn_.findPlug("tx").isDynamic());

    MPlug text = fn_.findPlug("VXB_tag");
    EXPECT_EQ(text.asString().str(), "");
    EXPECT_TRUE(text.setValue(MString("<VXB_tag><name>a</name></VXB_tag>")));
    EXPECT_EQ(fn_.findPlug("VXB_tag").asString().str(), "<VXB_tag><name>a</name></VXB_tag>");
    EXPECT_FALSE(text.setValue(1.0));

    MStringArray strings;
    strings.append("one");
    strings.append("two");
    MFnStringArrayData arrayData;
    MObject arrayObject = arrayData.create(strings);
    ASSERT_TRUE(fn_.findPlug("nodenames").setValue(arrayObject));
    arrayData.set(MStringArray()); // the plug kept its own copy
    MObject readBack;
    ASSERT_TRUE(fn_.findPlug("NodeNames").getValue(readBack));
    EXPECT_EQ(MFnStringArrayData(readBack).array(), strings);

    MMatrix m;
    m(3, 0) = 7.0;
    MFnMatrixData matrixData;
    ASSERT_TRUE(fn_.findPlug("smx").setValue(matrixData.create(m)));
    EXPECT_TRUE(MFnMatrixData(fn_.findPlug("storedMatrix").asMObject()).matrix() == m);
    // A matrix cannot go into a string attribute.
    EXPECT_FALSE(text.setValue(matrixData.create(m)));

    MFnAttribute flags(fn_.attribute("nodenames"));
    EXPECT_TRUE(flags.isHidden());
    EXPECT_TRUE(flags.isStorable());
    EXPECT_FALSE(MFnAttribute(fn_.attribute("VXB_tag")).isHidden());

    // Removing takes the attribute and its value away; static attributes stay.
    const unsigned int count = fn_.attributeCount();
    EXPECT_TRUE(fn_.removeAttribute(tag));
    EXPECT_FALSE(fn_.hasAttribute("VXB_tag"));
    EXPECT_EQ(fn_.attributeCount(), count - 1);
    EXPECT_TRUE(text.isNull() == false);
    EXPECT_FALSE(text.setValue(MString("x")));
    EXPECT_FALSE(fn_.removeAttribute(fn_.attribute("tx")));
    EXPECT_TRUE(fn_.addAttribute(tag));
    EXPECT_EQ(fn_.findPlug("VXB_tag").asString().str(), "");
}

TEST_F(PlugTest, NumericDynamicAttributes) {
    MFnNumericAttribute numeric;
    MObject size = numeric.create("size", "siz", MFnNumericData::kInt, 4);
    numeric.setKeyable(true);
    MObject flag = numeric.create("flag", "flg", MFnNumericData::kBoolean, 1);
    MObject colour = numeric.createColor("tint", "tn");
    ASSERT_TRUE(fn_.addAttribute(size));
    ASSERT_TRUE(fn_.addAttribute(flag));
    ASSERT_TRUE(fn_.addAttribute(colour));
    EXPECT_EQ(fn_.findPlug("siz").asInt(), 4);
    EXPECT_TRUE(fn_.findPlug("flag").asBool());
    EXPECT_TRUE(fn_.findPlug("size").isKeyable());
    EXPECT_TRUE(fn_.findPlug("tnG").setValue(0.25));
    EXPECT_DOUBLE_EQ(fn_.findPlug("tint").child(1).asDouble(), 0.25);
    EXPECT_TRUE(MFnAttribute(colour).isUsedAsColor());
    // A clash with a static name is refused.
    EXPECT_FALSE(fn_.addAttribute(numeric.create("translateX", "tq", MFnNumericData::kDouble)));
}

TEST_F(PlugTest, ConnectionsCarryValuesUntilDisconnected) {
    MObject driver = Make("transform", "driver");
    MFnDependencyNode driverFn(driver);
    driverFn.findPlug("ty").setValue(4.0);

    MDGModifier modifier;
    ASSERT_TRUE(modifier.connect(driverFn.findPlug("ty"), fn_.findPlug("tx")));
    ASSERT_TRUE(modifier.connect(driverFn.findPlug("t"), fn_.findPlug("s")));
    ASSERT_TRUE(modifier.doIt());
    EXPECT_DOUBLE_EQ(fn_.findPlug("tx").asDouble(), 4.0);
    EXPECT_DOUBLE_EQ(fn_.findPlug("sy").asDouble(), 4.0); // children follow a compound connection
    driverFn.findPlug("ty").setValue(6.0);
    EXPECT_DOUBLE_EQ(fn_.findPlug("tx").asDouble(), 6.0);

    EXPECT_TRUE(fn_.findPlug("tx").isDestination());
    EXPECT_FALSE(fn_.findPlug("tx").isSource());
    EXPECT_TRUE(driverFn.findPlug("ty").isSource());
    MPlugArray sources;
    EXPECT_TRUE(fn_.findPlug("tx").connectedTo(sources, true, false));
    ASSERT_EQ(sources.length(), 1u);
    EXPECT_TRUE(sources[0] == driverFn.findPlug("translateY"));
    MPlugArray connected;
    EXPECT_TRUE(fn_.getConnections(connected));
    EXPECT_EQ(connected.length(), 2u);

    // A destination takes one input only; kinds must match.
    MDGModifier second;
    ASSERT_TRUE(second.connect(driverFn.findPlug("tz"), fn_.findPlug("tx")));
    EXPECT_FALSE(second.doIt());
    MDGModifier mismatch;
    ASSERT_TRUE(mismatch.connect(driverFn.findPlug("worldMatrix"), fn_.findPlug("ty")));
    EXPECT_FALSE(mismatch.doIt());

    MDGModifier cut;
    ASSERT_TRUE(cut.disconnect(driverFn.findPlug("ty"), fn_.findPlug("tx")));
    ASSERT_TRUE(cut.doIt());
    EXPECT_FALSE(fn_.findPlug("tx").isConnected());
    EXPECT_DOUBLE_EQ(fn_.findPlug("tx").asDouble(), 0.0); // back to its own stored value

    // Deleting the source removes its connections.
    MDGModifier deletion;
    deletion.deleteNode(driver);
    ASSERT_TRUE(deletion.doIt());
    EXPECT_FALSE(fn_.findPlug("sy").isDestination());
    EXPECT_DOUBLE_EQ(fn_.findPlug("sy").asDouble(), 1.0);
}

TEST_F(PlugTest, ReadsInAContextUseItsTime) {
    // A node type whose output is the time it is read at, as an animation curve's output is.
    auto type =
        std::make_shared<vex::host::NodeType>("timeProbe", 0x7f0001, MFn::kDependencyNode,
                                              vex::host::NodeTypeRegistry::Instance().Find("dependNode"));
    auto output = std::make_shared<vex::host::AttributeDefinition>("output", "o",
                                                                   vex::host::AttributeKind::kDouble, 0.0);
    output->computed = true;
    type->AddAttribute(output);
    type->SetCompute([](const vex::host::Scene&, const vex::host::Node&,
                        const vex::host::AttributeDefinition& a, double time, vex::host::Value& out) {
        if (a.LongName() != "output") return false;
        out = time;
        return true;
    });
    vex::host::NodeTypeRegistry::Instance().Add(type);
    MObject probe = MFnDependencyNode().create("timeProbe");
    MDGModifier modifier;
    modifier.connect(MFnDependencyNode(probe).findPlug("output"), fn_.findPlug("tx"));
    ASSERT_TRUE(modifier.doIt());

    vex::host::Scene::Instance().setCurrentTime(2.0);
    EXPECT_DOUBLE_EQ(fn_.findPlug("tx").asDouble(), 2.0);
    EXPECT_DOUBLE_EQ(fn_.findPlug("tx").asDouble(MDGContext(MTime(0.5, MTime::kSeconds))), 0.5);
    // The world matrix read in a context uses that time all the way up.
    MObject matrix = fn_.findPlug("worldMatrix").asMObject(MDGContext(MTime(3.0, MTime::kSeconds)));
    EXPECT_DOUBLE_EQ(MFnMatrixData(matrix).matrix()(3, 0), 3.0);
    vex::host::NodeTypeRegistry::Instance().remove("timeProbe");
}

} // namespace
