// listRelatives, listConnections, listAttr, attributeQuery, objExists and nodeType.
#include "tests/host/builtins/BuiltinsFixture.h"

#include <string>
#include <vector>

namespace {

using Names = std::vector<std::string>;

class SceneQueryCommandsTest : public BuiltinsFixture {
protected:
    // root > (arm > hand, a mesh shape under arm) and a driver whose tx drives arm.tx.
    SceneQueryCommandsTest() {
        Run("createNode transform -n root; createNode transform -n arm -p root;"
            "createNode transform -n hand -p arm; createNode mesh -n armShape -p arm;"
            "createNode transform -n driver; connectAttr driver.tx arm.tx; connectAttr arm.ry hand.ry");
    }

    static Names List(const std::string& script) { return Run(script).AsStrings(); }
};

TEST_F(SceneQueryCommandsTest, ListRelativesFollowsTheHierarchy) {
    EXPECT_EQ(List("listRelatives root"), (Names{"arm"}));
    EXPECT_EQ(List("listRelatives -c arm"), (Names{"hand", "armShape"}));
    EXPECT_EQ(List("listRelatives -s arm"), (Names{"armShape"}));
    EXPECT_EQ(List("listRelatives -p hand"), (Names{"arm"}));
    EXPECT_EQ(List("listRelatives -f -p hand"), (Names{"|root|arm"}));
    EXPECT_EQ(List("listRelatives -ad root"), (Names{"hand", "armShape", "arm"}));
    EXPECT_EQ(List("listRelatives -ad -type transform root"), (Names{"hand", "arm"}));
    EXPECT_EQ(List("listRelatives -p root"), Names{});
    Run("setAttr armShape.io 1");
    EXPECT_EQ(List("listRelatives -s -ni arm"), Names{});
    Run("select -r arm hand");
    EXPECT_EQ(List("listRelatives -p"), (Names{"root", "arm"}));
}

TEST_F(SceneQueryCommandsTest, ListConnectionsAnswersNodesPlugsAndPairs) {
    EXPECT_EQ(List("listConnections arm"), (Names{"driver", "hand"}));
    EXPECT_EQ(List("listConnections -s 1 -d 0 arm"), (Names{"driver"}));
    EXPECT_EQ(List("listConnections -s off arm"), (Names{"hand"}));
    EXPECT_EQ(List("listConnections -p 1 arm.translateX"), (Names{"driver.translateX"}));
    EXPECT_EQ(List("listConnections -c -p arm.ry"), (Names{"arm.rotateY", "hand.rotateY"}));
    EXPECT_EQ(List("listConnections arm.translate"), (Names{"driver"})) << "a compound covers its children";
    EXPECT_EQ(List("listConnections -t mesh arm"), Names{});
    EXPECT_EQ(List("listConnections root"), Names{});
    EXPECT_EQ(Refused("listConnections arm.nothing"),
              "line 1: listConnections: No object matches name: arm.nothing");
}

TEST_F(SceneQueryCommandsTest, ListAttrFilters) {
    Run("addAttr -ln twist -at double -k 1 arm; addAttr -ln note -dt \"string\" arm");
    EXPECT_EQ(List("listAttr -ud arm"), (Names{"twist", "note"}));
    EXPECT_EQ(List("listAttr -ud -k arm"), (Names{"twist"}));
    // Keyable lists the channels, not the compounds that hold them.
    EXPECT_EQ(List("listAttr -k -st \"translate*\" arm"), (Names{"translateX", "translateY", "translateZ"}));
    EXPECT_EQ(List("listAttr -st \"translate*\" arm"),
              (Names{"translate", "translateX", "translateY", "translateZ"}));
    EXPECT_EQ(List("listAttr -st visibility -st rotateOrder arm"), (Names{"visibility", "rotateOrder"}));
    const Names all = List("listAttr arm");
    for (const char* name : {"message", "translate", "translateX", "worldMatrix", "twist"})
        EXPECT_NE(std::find(all.begin(), all.end(), name), all.end()) << name;
    const Names writable = List("listAttr -w arm");
    EXPECT_EQ(std::find(writable.begin(), writable.end(), "worldMatrix"), writable.end());
    EXPECT_EQ(List("listAttr -m arm"), Names{});
}

TEST_F(SceneQueryCommandsTest, AttributeQueryAnswersOneFact) {
    Run("addAttr -ln bend -at double -min -10 -max 45 -dv 5 -k 1 arm;"
        "addAttr -ln mode -at \"enum\" -en \"off:on:auto\" arm; addAttr -ln lower -at double -min 0 arm");
    EXPECT_EQ(Number("attributeQuery -n arm -ex bend"), 1.0);
    EXPECT_EQ(Number("attributeQuery -n arm -ex bent"), 0.0);
    EXPECT_EQ(text("attributeQuery -n arm -at bend"), "double");
    EXPECT_EQ(text("attributeQuery -n arm -at mode"), "enum");
    EXPECT_EQ(text("attributeQuery -n arm -at tx"), "doubleLinear");
    EXPECT_EQ(text("attributeQuery -n arm -at translate"), "double3");
    EXPECT_EQ(Number("attributeQuery -n arm -k bend"), 1.0);
    EXPECT_EQ(Number("attributeQuery -n arm -k mode"), 0.0);
    EXPECT_EQ(Run("attributeQuery -n arm -min bend").AsString(), "-10");
    EXPECT_EQ(Run("attributeQuery -n arm -max bend").AsString(), "45");
    EXPECT_EQ(Run("attributeQuery -n arm -max lower").Size(), 0u);
    EXPECT_EQ(Number("attributeQuery -n arm -re bend"), 1.0);
    EXPECT_EQ(Number("attributeQuery -n arm -re lower"), 0.0);
    EXPECT_EQ(Number("attributeQuery -n arm -mne lower"), 1.0);
    EXPECT_EQ(Number("attributeQuery -n arm -mxe lower"), 0.0);
    EXPECT_EQ(List("attributeQuery -n arm -le mode"), (Names{"off:on:auto"}));
    EXPECT_EQ(Number("attributeQuery -n arm -nc translate"), 3.0);
    EXPECT_EQ(List("attributeQuery -n arm -lp tx"), (Names{"translate"}));
    EXPECT_EQ(text("attributeQuery -n arm -ln tx"), "translateX");
    EXPECT_EQ(text("attributeQuery -n arm -sn rotateOrder"), "ro");
    EXPECT_EQ(Run("attributeQuery -n arm -ld bend").AsString(), "5");
    EXPECT_EQ(Run("attributeQuery -n arm -ld scale").AsString(), "1 1 1");
    EXPECT_EQ(Refused("attributeQuery -n arm -at bent"),
              "line 1: attributeQuery: No attribute named bent on arm.");
    EXPECT_EQ(Refused("attributeQuery -n ghost -ex bend"),
              "line 1: attributeQuery: No object matches name: ghost");
    EXPECT_EQ(Refused("attributeQuery -n arm -exsts bend"),
              "line 1: attributeQuery: Invalid flag \"-exsts\"");
    EXPECT_EQ(Refused("attributeQuery -ex bend -n"), "line 1: attributeQuery: Flag \"-n\" needs an argument");
}

TEST_F(SceneQueryCommandsTest, ObjExistsAndNodeType) {
    EXPECT_EQ(Number("objExists hand"), 1.0);
    EXPECT_EQ(Number("objExists \"|root|arm|hand\""), 1.0);
    EXPECT_EQ(Number("objExists foot"), 0.0);
    EXPECT_EQ(Number("objExists hand.tx"), 1.0);
    EXPECT_EQ(Number("objExists hand.nothing"), 0.0);
    EXPECT_EQ(text("nodeType armShape"), "mesh");
    EXPECT_EQ(List("nodeType -i arm"), (Names{"dagNode", "transform"}));
    EXPECT_EQ(text("nodeType -api arm"), "kTransform");
    EXPECT_EQ(Refused("nodeType foot"), "line 1: nodeType: No object matches name: foot");
    EXPECT_EQ(Refused("objExists -x hand"), "line 1: objExists: Invalid flag \"-x\"");
}

} // namespace
