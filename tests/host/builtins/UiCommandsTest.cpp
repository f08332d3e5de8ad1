#include "tests/host/builtins/BuiltinsFixture.h"

using vex::host::ScriptEditor;
using vex::host::builtins::UiState;

namespace {

// The shelf text as the plug-in runs it when it loads.
const char* const kShelfScript = R"(global string $gShelfTopLevel;
string $tabName = "TorvaPanel";
if (`layout -exists $gShelfTopLevel`) {
    if (!`shelfLayout -exists $tabName`) {
        addNewShelfTab $tabName;
        shelfTabLayout -e -st $tabName $gShelfTopLevel;
        string $ShowInterfaceIcon = "C:/Torva/data/core/images/torvaicon.xpm";
        shelfButton -enableCommandRepeat 1 -enable 1 -width 34 -height 34 -manage 1 -visible 1
            -marginWidth 0 -marginHeight 0 -command "TorvaShowUICmd" -label "Start Torva Suite"
            -annotation "Start Torva Suite" -image $ShowInterfaceIcon -image1 $ShowInterfaceIcon
            -style "iconOnly";
    }
})";

} // namespace

TEST_F(BuiltinsFixture, TheShelfTextRunTwiceMakesOneTabWithOneButtonAndUnloadRemovesIt) {
    Run("addNewShelfTab Animation");
    Run(kShelfScript);
    Run(kShelfScript);
    EXPECT_EQ(text("shelfTabLayout -q -ca $gShelfTopLevel"), "Animation TorvaPanel");
    EXPECT_EQ(text("shelfTabLayout -q -st $gShelfTopLevel"), "TorvaPanel");
    const UiState::ShelfTab* shelf = UiState::get().FindShelf("TorvaPanel");
    ASSERT_TRUE(shelf);
    ASSERT_EQ(shelf->buttons.size(), 1u);
    const auto& button = shelf->buttons[0];
    EXPECT_EQ(button.flag("-c", "-command"), "TorvaShowUICmd");
    EXPECT_EQ(button.flag("-ann", "-annotation"), "Start Torva Suite");
    EXPECT_EQ(button.flag("-i", "-image"), "C:/Torva/data/core/images/torvaicon.xpm");
    EXPECT_EQ(button.flag("-i1", "-image1"), button.flag("-i", "-image"));
    EXPECT_EQ(button.flag("-st", "-style"), "iconOnly");

    Run("if (`shelfLayout -exists \"TorvaPanel\"`) deleteShelfTab \"TorvaPanel\";");
    EXPECT_EQ(text("shelfTabLayout -q -ca $gShelfTopLevel"), "Animation");
    EXPECT_EQ(Number("shelfLayout -exists TorvaPanel"), 0);
    EXPECT_NE(RunFailing("addNewShelfTab Animation").find("already exists"), std::string::npos);
}

TEST_F(BuiltinsFixture, AHotkeyReplacedThroughTheThreeStepsAndRestoredEndsAsItBegan) {
    Run("nameCommand -ann \"Play\" -c \"play\" PlayNameCommand");
    Run("hotkey -k \"-\" -ctl -name PlayNameCommand");
    const std::string modifiers = "-ctl";

    // 1. Query: "-" is queried by the name Dash.
    const std::string present = text("hotkey -q -name Dash " + modifiers);
    EXPECT_EQ(present, "PlayNameCommand");
    // 2. Keep the restore string.
    const std::string restore = "hotkey -k \"-\" " + modifiers + " -name " + present;
    // 3. Define and bind the new name command.
    const std::string command = "TorvaDecSlowFactorCmd";
    EXPECT_EQ(text("nameCommand -ann " + command + " -c " + command + " " + command), command);
    Run("hotkey -k \"-\" " + modifiers + " -name " + command);
    EXPECT_EQ(text("hotkey -q -name Dash -ctl"), command);
    EXPECT_EQ(text("hotkey -q -name Dash"), "") << "modifiers are part of the binding";
    EXPECT_EQ(UiState::get().NameCommands().at(command).command, command);

    Run(restore);
    EXPECT_EQ(text("hotkey -q -name Dash -ctl"), "PlayNameCommand");

    // A key bound to nothing answers an empty name, so no restore string is kept for it.
    EXPECT_EQ(text("hotkey -q -name \"Space\" -ctl -alt"), "");
    Run("hotkey -k \"Space\" -ctl -alt -name TorvaStartAnimationCmd");
    EXPECT_EQ(text("hotkey -q -name \"Space\" -alt -ctl"), "TorvaStartAnimationCmd");
}

TEST_F(BuiltinsFixture, ConfirmDialogAndEchoPrintAndTheDialogAnswersItsDefaultButton) {
    EXPECT_EQ(text("confirmDialog -title \"Gather error\" -message \"Nodes were left out\" -button \"Ok\""),
              "Ok");
    EXPECT_EQ(ScriptEditor::get().Last(ScriptEditor::Kind::kInfo), "Gather error: Nodes were left out\n");
    EXPECT_EQ(text("confirmDialog -m \"Save?\" -b Yes -b No -db No -cb No"), "No");
    Run("echo hello 3 \"big world\"");
    EXPECT_EQ(ScriptEditor::get().Last(ScriptEditor::Kind::kInfo), "hello 3 big world\n");
}
