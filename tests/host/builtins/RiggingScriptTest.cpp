// A rigging script as users write them: build, group, place, inspect and wire a small rig, then take
// it back with undo.
#include "tests/host/builtins/BuiltinsFixture.h"

#include <string>
#include <vector>

namespace {

using Names = std::vector<std::string>;

constexpr const char* kRigScript = R"(
string $body[] = `polyCube -n body -w 2 -h 1 -d 1`;
string $ctrl[] = `spaceLocator -n ctrl -p 0 1 0`;
string $rig = `group -n rig $body[0] $ctrl[0]`;
move -r 0 5 0 $rig;
rotate -r 0 45 0 $rig;
string $children[] = `listRelatives -c $rig`;
string $shapes = "";
for ($child in $children) {
    string $found[] = `listRelatives -s $child`;
    $shapes += $found[0] + " ";
}
if (!`attributeQuery -n $ctrl[0] -ex "twist"`)
    addAttr -ln "twist" -at double -min -180 -max 180 -k 1 $ctrl[0];
connectAttr ($ctrl[0] + ".twist") ($body[0] + ".sz");
setAttr ($ctrl[0] + ".twist") 3;
float $range[] = `attributeQuery -n $ctrl[0] -max "twist"`;
float $top[] = `xform -q -ws -t $body[0]`;
optionVar -sv lastRig $rig;
$shapes + size($children) + " " + $range[0] + " " + $top[1];
)";

class RiggingScriptTest : public BuiltinsFixture {};

TEST_F(RiggingScriptTest, BuildsTheRigAndUndoesItStepByStep) {
    const std::string before = Snapshot();
    EXPECT_EQ(text(kRigScript), "bodyShape ctrlShape 2 180 5");
    EXPECT_EQ(Run("listRelatives -p body").AsStrings(), (Names{"rig"}));
    EXPECT_EQ(Number("getAttr body.sz"), 3.0);
    EXPECT_EQ(Run("listConnections -p 1 -s 1 -d 0 body.sz").AsStrings(), (Names{"ctrl.twist"}));
    const auto turned = Run("xform -q -ro rig");
    ASSERT_EQ(turned.Size(), 3u);
    EXPECT_NEAR(turned.At(1).AsDouble(), 45.0, 1e-9);
    EXPECT_EQ(text("optionVar -q lastRig"), "rig");
    // Every scene command of the script is one undo step; undoing them all leaves the empty scene.
    while (vex::host::UndoQueue::get().Position() > 0) Run("undo");
    EXPECT_EQ(Snapshot(), before);
    EXPECT_EQ(Number("objExists body"), 0.0);
}

TEST_F(RiggingScriptTest, AMisspeltFlagStopsTheScriptWhereItIs) {
    const std::string error =
        RunFailing("spaceLocator -n first;\nspaceLocator -nmae second;\nspaceLocator -n third;");
    EXPECT_NE(error.find("line 2: spaceLocator: Invalid flag \"-nmae\""), std::string::npos) << error;
    EXPECT_EQ(Number("objExists first"), 1.0);
    EXPECT_EQ(Number("objExists third"), 0.0);
    EXPECT_EQ(Run("ls -type locator").AsStrings(), (Names{"firstShape"}));
}

} // namespace
