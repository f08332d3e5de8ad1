#include "host/scene/AnimCurveData.h"
#include "host/scene/MeshData.h"
#include "host/scene/PluginManager.h"
#include "host/scene/UndoQueue.h"
#include "tests/host/file/SceneFileFixture.h"

#include <maya/MFnDependencyNode.h>
#include <maya/MGlobal.h>
#include <maya/MSceneMessage.h>

#include <vector>

namespace {

using vex::host::AnimCurveData;
using vex::host::MeshData;
using vex::host::Scene;

// Builds a scene of every kind the host keeps: transforms in a hierarchy, a camera, a mesh, keyed
// curves with several tangent types, a plug-in node with dynamic attributes, values in the user's units
// and a connection; answers the number of commands it ran.
int BuildScene() {
    const std::vector<std::string> script = {
        "createNode transform -n \"car\"",
        "setAttr \"car.t\" 1.5 -2 3.25",
        "setAttr \"car.r\" 10 20 -30",
        "setAttr \"car.v\" off",
        "createNode transform -n \"wheel\" -p \"car\"",
        "setAttr \"wheel.s\" 0.5 0.5 0.5",
        "createNode transform -n \"chase\"",
        "createNode camera -n \"chaseShape\" -p \"chase\"",
        "setAttr \"chaseShape.fl\" 50",
        "setAttr \"chaseShape.fd\" 12.5",
        "createNode transform -n \"body\" -p \"car\"",
        "createNode mesh -n \"bodyShape\" -p \"body\"",
        "setAttr -s 5 \".vt[0:4]\" 0 0 0 1 0 0 1 1 0 0 1 0 0.5 0.5 1",
        "setAttr -s 8 \".ed[0:7]\" 0 1 0 1 2 0 2 3 0 3 0 0 0 4 0 1 4 0 2 4 0 3 4 0",
        "setAttr -s 5 \".fc[0:4]\" -type \"polyFaces\" f 4 0 1 2 3 f 3 0 5 -5 f 3 1 6 -6 f 3 2 7 -7 f 3 3 4 "
        "-8",
        "sets -e -fe initialShadingGroup bodyShape",
        "sets -n \"riders\" car wheel",
        "createNode animCurveTL -n \"car_translateX\"",
        "setAttr -s 3 \".ktv[0:2]\" 1 0 12 5.5 24 -2",
        "connectAttr \"car_translateX.o\" \"car.tx\"",
        "createNode animCurveTA -n \"car_rotateY\"",
        "setAttr -s 2 \".ktv[0:1]\" 1 0 24 90",
        "connectAttr \"car_rotateY.o\" \"car.ry\"",
        "createNode hostTestNode -n \"tool1\"",
        "addAttr -ln \"VXB_tag\" -dt \"string\" tool1",
        "setAttr \"tool1.VXB_tag\" -type \"string\" \"<VXB_tag><name>Car \\\"one\\\"</name>\\n</VXB_tag>\"",
        "addAttr -ln \"gain\" -sn \"gn\" -at \"double\" -dv 2 -k true tool1",
        "setAttr \"tool1.gain\" 0.1",
        "addAttr -ln \"names\" -dt \"stringArray\" -h true tool1",
        "setAttr \"tool1.names\" -type \"stringArray\" 2 \"front wheel\" \"\"",
        "addAttr -ln \"steps\" -at \"long\" tool1",
        "setAttr \"tool1.steps\" -7",
        "setAttr \"persp.t\" 28 21 28",
        "setAttr -l on \"wheel.sx\"",
        "currentTime 12",
        "fileInfo \"rig\" \"car \\\"one\\\"\"",
    };
    for (const auto& line : script) SceneFileFixture::Run(line);
    return static_cast<int>(script.size());
}

// The keys of a curve node as (time, value, in, out) rows.
std::vector<std::vector<double>> KeysOf(const std::string& name) {
    std::vector<std::vector<double>> rows;
    const auto node = Scene::Instance().findNode(name);
    const auto curve = node ? AnimCurveData::Of(*node) : nullptr;
    if (!curve) return rows;
    for (const auto& key : curve->Keys())
        rows.push_back({key.time, key.value, double(key.in), double(key.out)});
    return rows;
}

std::shared_ptr<const MeshData> MeshOf(const std::string& name) {
    const auto node = Scene::Instance().findNode(name);
    if (!node) return nullptr;
    const auto value = node->StoredValue(*node->FindAttribute("outMesh"));
    const auto* data = std::get_if<vex::host::DataPtr>(&value);
    return data ? std::dynamic_pointer_cast<const MeshData>(*data) : nullptr;
}

class SceneRoundTripTest : public SceneFileFixture {
protected:
    void SetUp() override { ASSERT_TRUE(MGlobal::executeCommand("loadPlugin \"" HOST_TEST_PLUGIN "\"")); }
};

TEST_F(SceneRoundTripTest, EverythingSavedComesBackWhenTheFileIsOpenedAgain) {
    // The file's numbers are in the user's units, in which the values were given.
    Run("currentUnit -l \"meter\" -a \"degree\" -t \"pal\"");
    const int commands = BuildScene();
    // Tangent types other than the linear ones a key list gives.
    auto curve = AnimCurveData::Of(*Scene::Instance().findNode("car_translateX"));
    curve->SetTangents(1, AnimCurveData::kFlat, AnimCurveData::kStep);
    curve->SetTangents(2, AnimCurveData::kClamped, AnimCurveData::kAuto);

    // Undo takes every command of the script back and redo makes them again, exactly.
    Run("select -cl");
    const std::string built = SceneText();
    for (int i = 0; i < commands + 1; ++i) Run("undo");
    EXPECT_EQ(Scene::Instance().findNode("car"), nullptr);
    for (int i = 0; i < commands + 1; ++i) Run("redo");
    ASSERT_EQ(SceneText(), built);

    const std::string before = SceneText();
    const auto carKeys = KeysOf("car_translateX");
    const auto rotateKeys = KeysOf("car_rotateY");
    const auto body = MeshOf("bodyShape");
    ASSERT_TRUE(body);

    const std::string file = path("car.ma");
    EXPECT_EQ(Run("file -rename \"" + file + "\"; file -save -type \"mayaAscii\""), file);
    EXPECT_EQ(MFileIO::currentFile().str(), file);
    const std::string text = ReadFile(file);
    EXPECT_EQ(text.rfind("//Maya ASCII 2014 scene\n", 0), 0u);
    EXPECT_NE(text.find("requires maya \"2014\";"), std::string::npos);
    const std::string plugin = vex::host::PluginManager::get().Find(HOST_TEST_PLUGIN)->name();
    EXPECT_NE(text.find("requires \"" + plugin + "\" \"1.5\";"), std::string::npos) << text;

    Run("file -new -f");
    EXPECT_EQ(Scene::Instance().findNode("car"), nullptr);
    EXPECT_EQ(Run("file -q -sn"), "");
    Run("currentUnit -l \"cm\" -a \"rad\" -t \"film\"");

    EXPECT_EQ(Run("file -f -o \"" + file + "\""), file);
    EXPECT_EQ(SceneText(), before);
    EXPECT_EQ(KeysOf("car_translateX"), carKeys);
    EXPECT_EQ(KeysOf("car_rotateY"), rotateKeys);
    EXPECT_EQ(Run("fileInfo -q \"rig\""), "car \"one\"");
    EXPECT_NE(Fails("setAttr wheel.sx 2").find("locked"), std::string::npos);
    const auto reread = MeshOf("bodyShape");
    ASSERT_TRUE(reread);
    EXPECT_EQ(reread->Counts(), body->Counts());
    EXPECT_EQ(reread->Connects(), body->Connects());
    ASSERT_EQ(reread->NumVertices(), body->NumVertices());
    for (int i = 0; i < body->NumVertices(); ++i) EXPECT_EQ(reread->Points()[i], body->Points()[i]) << i;
    // The user's units come back with the scene.
    EXPECT_EQ(Run("currentUnit -q -l"), "m");
    EXPECT_EQ(Run("currentUnit -q -t"), "pal");

    // Saving the scene read back writes the same file.
    const std::string again = path("again.ma");
    ASSERT_TRUE(MFileIO::saveAs(again.c_str()));
    std::string expected = text, written = ReadFile(again);
    for (std::string* t : {&expected, &written})
        *t = std::regex_replace(std::regex_replace(*t, std::regex("car\\.ma|again\\.ma"), "X"),
                                std::regex("//Last modified: [^\n]*\n"), "");
    EXPECT_EQ(written, expected);
    Run("currentUnit -l \"cm\" -a \"deg\" -t \"film\"");
}

TEST_F(SceneRoundTripTest, SaveCallbacksCanAddAStorageNodeThatOnlyTheFileKeeps) {
    std::vector<std::string> heard;
    struct Context {
        std::vector<std::string>* heard;
        bool storageSeenAfterOpen = false;
    } context{&heard};
    ids_.append(MSceneMessage::addCallback(
        MSceneMessage::kBeforeSave,
        [](void* data) {
            static_cast<Context*>(data)->heard->push_back("before save");
            MGlobal::executeCommand(
                "createNode hostTestNode -n \"store\"; addAttr -ln \"AdaptorState\" -dt "
                "\"string\" store; setAttr store.AdaptorState -type \"string\" \"PFZYQi8+\"");
        },
        &context));
    ids_.append(MSceneMessage::addCallback(
        MSceneMessage::kAfterSave,
        [](void* data) {
            static_cast<Context*>(data)->heard->push_back("after save");
            MGlobal::executeCommand("delete store");
        },
        &context));
    ids_.append(MSceneMessage::addCallback(
        MSceneMessage::kBeforeOpen,
        [](void* data) { static_cast<Context*>(data)->heard->push_back("before open"); }, &context));
    ids_.append(MSceneMessage::addCallback(
        MSceneMessage::kAfterOpen,
        [](void* data) {
            auto* c = static_cast<Context*>(data);
            c->heard->push_back("after open");
            c->storageSeenAfterOpen =
                MGlobal::executeCommandStringResult("getAttr store.AdaptorState").str() == "PFZYQi8+";
            MGlobal::executeCommand("delete store");
        },
        &context));

    Run("createNode transform -n \"car\"");
    const std::string file = path("stored.ma");
    ASSERT_TRUE(MFileIO::saveAs(file.c_str()));
    EXPECT_EQ(Scene::Instance().findNode("store"), nullptr) << "the live scene never keeps the storage node";
    const std::string text = ReadFile(file);
    EXPECT_NE(text.find("createNode hostTestNode -n \"store\";"), std::string::npos) << text;
    EXPECT_NE(text.find("\"PFZYQi8+\""), std::string::npos);

    ASSERT_TRUE(MFileIO::newFile(true));
    ASSERT_TRUE(MFileIO::open(file.c_str()));
    EXPECT_TRUE(context.storageSeenAfterOpen);
    EXPECT_EQ(Scene::Instance().findNode("store"), nullptr);
    EXPECT_NE(Scene::Instance().findNode("car"), nullptr);
    EXPECT_EQ(heard, (std::vector<std::string>{"before save", "after save", "before open", "after open"}));
}

} // namespace
