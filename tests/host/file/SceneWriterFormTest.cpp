#include "tests/host/file/SceneFileFixture.h"

#include <maya/MFileIO.h>

#include <string>

namespace {

using vex::host::Scene;

class SceneWriterFormTest : public SceneFileFixture {
protected:
    ~SceneWriterFormTest() override { Run("currentUnit -l \"cm\" -a \"deg\" -t \"film\""); }

    // A scene of the kinds whose form the writer decides, saved in the user's units; answers the text.
    std::string Saved() {
        Run("currentUnit -l \"meter\" -a \"degree\" -t \"pal\"");
        Run("createNode transform -n \"car\"; setAttr car.t 0.015 -0.02 0.0325; setAttr car.r 0 10 0");
        Run("createNode transform -n \"body\"; createNode mesh -n \"bodyShape\" -p \"body\"");
        Run("setAttr -s 3 \".vt[0:2]\" 0 0 0 1 0 0 0 1 0; setAttr -s 3 \".ed[0:2]\" 0 1 0 1 2 0 2 0 0; "
            "setAttr -s 1 \".fc[0]\" -type \"polyFaces\" f 3 0 1 2");
        Run("addAttr -ln \"aim\" -at \"double3\" car; setAttr car.aim 0 2 0");
        Run("createNode animCurveTL -n \"car_tx\"; setAttr -s 2 \".ktv[0:1]\" 1 0 25 0.015; "
            "connectAttr car_tx.o car.tx");
        Run("sets -n \"parts\" car; sets -e -fe parts car_tx");
        Run("playbackOptions -min 1 -max 48 -ast 1 -aet 50");
        const std::string file = path("form.ma");
        EXPECT_TRUE(MFileIO::saveAs(file.c_str()));
        return ReadFile(file);
    }

    static std::size_t Count(const std::string& text, const std::string& what) {
        std::size_t count = 0;
        for (auto at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) ++count;
        return count;
    }
};

TEST_F(SceneWriterFormTest, TheFileStartsAsTheHostsFilesDoWithOneCurrentUnitLine) {
    const std::string text = Saved();
    EXPECT_EQ(text.rfind("//Maya ASCII 2014 scene\n//Name: form.ma\n//Last modified: ", 0), 0u) << text;
    EXPECT_NE(text.find("\n//Codeset: UTF-8\nrequires maya \"2014\";\n"), std::string::npos);
    EXPECT_EQ(Count(text, "currentUnit"), 1u);
    EXPECT_NE(text.find("\ncurrentUnit -l meter -a degree -t pal;\nfileInfo \"application\" \"maya\";\n"
                        "fileInfo \"product\" \"Maya 2014\";\nfileInfo \"version\" \"2014\";\n"
                        "fileInfo \"cutIdentifier\" "),
              std::string::npos)
        << text;
    EXPECT_NE(text.find("\nfileInfo \"osv\" \""), std::string::npos);
    EXPECT_LT(text.find("fileInfo \"osv\""), text.find("createNode"));
    EXPECT_EQ(text.substr(text.size() - 18), "// End of form.ma\n");
}

TEST_F(SceneWriterFormTest, ValuesAreInTheUsersUnitsAndNodesInTheHostsForm) {
    const std::string text = Saved();
    // The default cameras come first, shared; their lines name no node.
    EXPECT_EQ(text.find("createNode "), text.find("createNode transform -s -n \"persp\";\n"));
    EXPECT_NE(text.find("createNode camera -s -n \"perspShape\" -p \"persp\";\n"), std::string::npos);
    EXPECT_NE(text.find("createNode transform -s -n \"top\";\n\tsetAttr \".v\" no;\n"), std::string::npos);
    EXPECT_EQ(text.find("\":persp"), std::string::npos);

    EXPECT_NE(text.find("\tsetAttr \".t\" -type \"double3\" 0.015 -0.02 0.0325;\n"), std::string::npos)
        << text;
    EXPECT_NE(text.find("\tsetAttr \".r\" -type \"double3\" 0 10 0;\n"), std::string::npos);
    EXPECT_NE(text.find("\tsetAttr -s 2 \".ktv[0:1]\" 1 0 25 0.015;\n"), std::string::npos);
    EXPECT_NE(text.find("\taddAttr -ci true -sn \"aim\" -ln \"aim\" -at \"double3\" -nc 3;\n"
                        "\taddAttr -ci true -sn \"aimX\" -ln \"aimX\" -at \"double\" -p \"aim\";\n"),
              std::string::npos)
        << text;
    EXPECT_NE(
        text.find("createNode script -n \"sceneConfigurationScriptNode\";\n"
                  "\tsetAttr \".b\" -type \"string\" \"playbackOptions -min 1 -max 48 -ast 1 -aet 50 \";\n"
                  "\tsetAttr \".st\" 6;\n"),
        std::string::npos);
    // Memberships are connections; a mesh in no shading group is in the initial one.
    EXPECT_NE(text.find("connectAttr \"car.iog\" \"parts.dsm\" -na;\n"), std::string::npos);
    EXPECT_NE(text.find("connectAttr \"car_tx.msg\" \"parts.dnsm\" -na;\n"), std::string::npos);
    EXPECT_NE(text.find("connectAttr \"bodyShape.iog\" \":initialShadingGroup.dsm\" -na;\n"),
              std::string::npos);
    EXPECT_EQ(text.find("sets "), std::string::npos);
    EXPECT_EQ(text.find("playbackOptions -min 1 -max 48 -ast 1 -aet 50;"), std::string::npos);

    // And it all reads back as it was.
    Run("select -cl");
    const std::string before = SceneText();
    ASSERT_TRUE(MFileIO::open(path("form.ma").c_str(), nullptr, true));
    EXPECT_TRUE(Scene::Instance()
                    .findNode("initialShadingGroup")
                    ->IsMember(*Scene::Instance().findNode("bodyShape")));
    EXPECT_EQ(Run("playbackOptions -q -aet"), "50");
    EXPECT_EQ(Run("getAttr car.aimY"), "2");
    Run("sets -e -rm initialShadingGroup bodyShape");
    EXPECT_EQ(SceneText(), before);
}

} // namespace
