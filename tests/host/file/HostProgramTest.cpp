// Runs the built torva-host program as a user would, with scripts and -c commands.
#include "tests/host/file/SceneFileFixture.h"

#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <string>

namespace {

class HostProgramTest : public SceneFileFixture {
protected:
    struct Outcome {
        int status = -1;
        std::string out;
        std::string err;
    };

    // Runs the program with the arguments (already quoted for the shell), reading `input`.
    Outcome RunProgram(const std::string& arguments, const std::string& input = "/dev/null") const {
        const std::string out = path("out.txt"), err = path("err.txt");
        const std::string line = std::string("\"") + TORVA_HOST_PROGRAM + "\" " + arguments + " >\"" + out +
                                 "\" 2>\"" + err + "\" <\"" + input + "\"";
        const int raw = std::system(line.c_str());
        return {WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, ReadFile(out), ReadFile(err)};
    }

    // Checks a run that stopped at one error: status 1, the error once on standard error as its only
    // line, nothing of it on standard output.
    static void ExpectOneError(const Outcome& run, const std::string& error) {
        EXPECT_EQ(run.status, 1) << run.err;
        EXPECT_EQ(run.err, "// Error: " + error + " //\n");
        EXPECT_EQ(run.out.find("rror"), std::string::npos) << run.out;
    }
};

TEST_F(HostProgramTest, ScriptsAndCommandsRunInOrderWithTheirResultsAndPlugins) {
    const std::string script = path("build.mel");
    const std::string scene = path("built.ma");
    WriteFile(script, "createNode transform -n \"ball\";\nsetAttr ball.tx 2.5;\n"
                      "createNode hostTestNode -n \"tool\";\nfile -rename \"" +
                          scene + "\";\nfile -save;\n");
    const std::string documents = path("docs");
    const Outcome run = RunProgram("--data-root \"" + documents +
                                   "\" --plugin \"" HOST_TEST_PLUGIN "\" -c \"print \\\"first\\\\n\\\"\" \"" +
                                   script + "\" -c \"file -new -f; file -o \\\"" + scene +
                                   "\\\"; getAttr ball.tx; hostTestAdd -v 3; undo; hostTestAdd -q\"");
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_TRUE(run.err.empty()) << run.err;
    EXPECT_LT(run.out.find("first"), run.out.find("// Result: ball //")) << run.out;
    EXPECT_NE(run.out.find("// Result: 2.5 //"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("// Result: 0 //"), std::string::npos) << "undo reached the plug-in's command\n"
                                                                  << run.out;
}

TEST_F(HostProgramTest, TheFirstErrorStopsTheRunNamingFileLineAndCommand) {
    const std::string script = path("broken.mel");
    WriteFile(script, "createNode transform -n \"a\";\n\nsetAttr a.noSuchPlug 1;\nprint \"never\";\n");
    const Outcome run = RunProgram("\"" + script + "\" -c \"print \\\"after\\\"\"");
    EXPECT_NE(run.status, 0);
    EXPECT_NE(run.err.find("// Error: file: " + script + " line 3: setAttr: "), std::string::npos) << run.err;
    EXPECT_EQ(run.out.find("never"), std::string::npos);
    EXPECT_EQ(run.out.find("after"), std::string::npos);

    const Outcome missing = RunProgram("\"" + path("none.mel") + "\"");
    EXPECT_NE(missing.status, 0);
    EXPECT_NE(missing.err.find("none.mel"), std::string::npos);

    const Outcome badOption = RunProgram("--frobnicate");
    EXPECT_EQ(badOption.status, 2);
    EXPECT_NE(badOption.err.find("Usage: torva-host"), std::string::npos);

    const Outcome help = RunProgram("--help --version");
    EXPECT_EQ(help.status, 0);
    EXPECT_EQ(help.out.rfind("torva-host ", 0), 0u) << help.out;
    EXPECT_NE(help.out.find("--data-root"), std::string::npos);
}

TEST_F(HostProgramTest, ABadFlagOrValueStopsTheRunOnceOnStandardError) {
    const std::string script = path("flags.mel");
    WriteFile(script, "createNode transform -n \"a\";\nsetAttr a.tx 1;\ncreateNode transform -nmae foo;\n"
                      "print \"never\";\n");
    const Outcome undeclared = RunProgram("\"" + script + "\"");
    ExpectOneError(undeclared, "file: " + script + " line 3: createNode: Invalid flag \"-nmae\"");
    EXPECT_EQ(undeclared.out, "// Result: a //\n") << "nothing after the bad call runs";

    ExpectOneError(RunProgram("-c \"createNode transform -n\""),
                   "line 1: createNode: Flag \"-n\" needs an argument");
    const std::string input = path("input.mel");
    WriteFile(input, "currentTime 4;\ncurrentTime abc;\n");
    ExpectOneError(RunProgram("-", input), "line 2: currentTime: Argument \"abc\" is not a number");
}

TEST_F(HostProgramTest, EveryCommandOfTheProgramDeclaresTheFlagsItReads) {
    const std::string script = path("every.mel");
    WriteFile(script,
              "string $names[];\n"
              "int $count = tokenize(`help`, \"\\n\", $names);\n"
              "for ($name in $names)\n"
              "    if (match(\"reads its flags itself\", `help $name`) != \"\") print ($name + \" \");\n"
              "print ($count + \" commands\\n\");\n"
              "help processEvents; help virtualJoystick; help pathPlot; help quit;\n"
              "help lookThru; help dockControl;\n");
    const Outcome run = RunProgram("\"" + script + "\"");
    EXPECT_EQ(run.status, 0) << run.err;
    // Nothing is printed before the count: no command reads its flags itself.
    const std::string count = run.out.substr(0, run.out.find(" commands\n"));
    EXPECT_TRUE(!count.empty() && count.find_first_not_of("0123456789") == std::string::npos) << run.out;
    EXPECT_EQ(run.out.rfind("(the command reads its flags itself)"), std::string::npos) << run.out;
    for (const char* line :
         {"  -ut -untilTime                 Float", "  -to -timeout                   Float",
          "   -n -name                      String", "   -a -axis                      Int", "   -l -list",
          " -csv -csvFile                   String", "   -e -end                       Float",
          "  -ec -exitCode                  Int", "   -f -force", "  -fr -free", "   -q -query",
          "  -ex -exists", " -vis -visible", "   -a -area"})
        EXPECT_NE(run.out.find(std::string("\n") + line + "\n"), std::string::npos) << line << "\n"
                                                                                    << run.out;
}

TEST_F(HostProgramTest, AMisspeltFlagStopsAProgramCommandBeforeItRuns) {
    // A quit that ran would end the run with its exit code.
    ExpectOneError(RunProgram("-c \"quit -froce -ec 3\""), "line 1: quit: Invalid flag \"-froce\"");
    const std::string csv = path("paths.csv");
    const Outcome plot =
        RunProgram("-c \"spaceLocator -n loc; pathPlot -csv \\\"" + csv + "\\\" -strat 1 -end 3 loc\"");
    ExpectOneError(plot, "line 1: pathPlot: Invalid flag \"-strat\"");
    EXPECT_FALSE(std::filesystem::exists(csv)) << "the refused plot wrote nothing";
    ExpectOneError(RunProgram("-c \"lookThru -fere\""), "line 1: lookThru: Invalid flag \"-fere\"");
    // Spelt right, the same calls run.
    const Outcome quit = RunProgram("-c \"quit -force -ec 3\"");
    EXPECT_EQ(quit.status, 3) << quit.err;
}

TEST_F(HostProgramTest, APluginCommandWithASyntaxGetsOnlyCallsThatFitIt) {
    const std::string plugin = "--plugin \"" HOST_TEST_PLUGIN "\" ";
    ExpectOneError(RunProgram(plugin + "-c \"hostTestAdd -vlaue 3\""),
                   "line 1: hostTestAdd: Invalid flag \"-vlaue\"");
    ExpectOneError(RunProgram(plugin + "-c \"hostTestAdd -v\""),
                   "line 1: hostTestAdd: Flag \"-v\" needs an argument");
    const std::string script = path("add.mel");
    WriteFile(script, "hostTestAdd -v 2;\nhostTestAdd -v 2.5;\n");
    const Outcome fraction = RunProgram(plugin + "\"" + script + "\"");
    ExpectOneError(fraction,
                   "file: " + script + " line 2: hostTestAdd: Flag \"-v\" needs a whole number, not \"2.5\"");
    EXPECT_EQ(fraction.out, "// Result: 2 //\n") << "the refused call added nothing";
    // Query mode takes the flags without their values.
    const Outcome query = RunProgram(plugin + "-c \"hostTestAdd -value 7; hostTestAdd -q -v\"");
    EXPECT_EQ(query.status, 0) << query.err;
    EXPECT_EQ(query.out, "// Result: 7 //\n// Result: 7 //\n");
}

TEST_F(HostProgramTest, ErrorsReportedInsideACommandOrAPluginLoadAreToldOnce) {
    const std::string missing = path("missing.ma");
    ExpectOneError(RunProgram("-c \"file -o \\\"" + missing + "\\\"\""),
                   "line 1: file: Cannot open \"" + missing + "\": the file does not exist.");
    ExpectOneError(RunProgram("--plugin \"" + path("none.so") + "\""),
                   "Plug-in \"" + path("none.so") + "\" was not found.");
    // A warning is not an error: the run goes on, and the warning is on standard error too.
    const Outcome warned = RunProgram("-c \"undo; print \\\"on\\\"\"");
    EXPECT_EQ(warned.status, 0);
    EXPECT_EQ(warned.err, "// Warning: There are no more commands to undo. //\n");
    EXPECT_EQ(warned.out, "on") << "print adds no line end";
}

TEST_F(HostProgramTest, StandardInputRunsEachStatementOnceItIsCompleteAndGoesOnAfterAnError) {
    const std::string input = path("typed.mel");
    WriteFile(input, "global proc int square(int $x) {\n"
                     "    return $x * $x;\n"
                     "}\n"
                     "square(12);\n"
                     "print (\"after \"\n"
                     "       + 1 + \"\\n\");\n"
                     "noSuchThing;\n"
                     "0.1 + 0.2;\n"
                     "createNode transform\n"
                     "    -n \"ball\";\n");
    for (const char* arguments : {"-", ""}) {
        const Outcome run = RunProgram(arguments, input);
        EXPECT_EQ(run.status, 1) << "an error in piped input fails the run";
        EXPECT_EQ(run.err, "// Error: line 7: Cannot find procedure \"noSuchThing\". //\n");
        EXPECT_EQ(run.out,
                  "// Result: 144 //\nafter 1\n// Result: 0.30000000000000004 //\n// Result: ball //\n")
            << "the statements after the error ran too";
    }
    // A last statement without its ";" still runs when the input ends.
    WriteFile(input, "print \"no end\"");
    const Outcome unfinished = RunProgram("", input);
    EXPECT_EQ(unfinished.status, 0) << unfinished.err;
    EXPECT_EQ(unfinished.out, "no end");
}

TEST_F(HostProgramTest, OnStandardInputAnElseOnALaterLineJoinsTheIfBeforeIt) {
    const std::string input = path("else.mel");
    WriteFile(input, "int $x = 0;\n"
                     "if ($x) {\n"
                     "    print \"then\\n\";\n"
                     "}\n"
                     "else {\n"
                     "    print \"else\\n\";\n"
                     "}\n"
                     "if ($x) { print \"a\\n\"; }\n"
                     "\n"
                     "else if ($x == 0) { print \"b\\n\"; }\n"
                     "// a comment between\n"
                     "else { print \"c\\n\"; }\n"
                     "if ($x == 0) print \"bare\\n\";\n"
                     "else print \"not\\n\";\n"
                     "if (1) { print \"alone\\n\"; }\n"
                     "\n"
                     "noSuchThing;\n"
                     "if (1) { print \"last\\n\"; }\n");
    const Outcome run = RunProgram("-", input);
    EXPECT_EQ(run.out, "else\nb\nbare\nalone\nlast\n");
    EXPECT_EQ(run.err, "// Error: line 17: Cannot find procedure \"noSuchThing\". //\n")
        << "the if held back for an else keeps the lines after it counted";
    EXPECT_EQ(run.status, 1);
}

TEST_F(HostProgramTest, ScriptErrorsAndWarningsNameTheFileTheyAreIn) {
    const std::string helpers = path("helpers.mel"), main = path("main.mel");
    WriteFile(helpers, "global proc checkName(string $n) {\n"
                       "    if (size($n) == 0)\n"
                       "        error \"a name is needed\";\n"
                       "}\n");
    WriteFile(main, "source \"" + helpers +
                        "\";\n"
                        "warning \"careful\";\n"
                        "if (catch(`checkName \"\"`)) print \"caught\\n\";\n"
                        "checkName \"ok\";\n"
                        "checkName \"\";\n"
                        "print \"never\";\n");
    const Outcome run = RunProgram("\"" + main + "\"");
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "// Warning: file: " + main +
                           " line 2: careful //\n"
                           "// Error: file: " +
                           helpers +
                           " line 3: a name is needed //\n"
                           "// Error: file: " +
                           helpers + " line 3: a name is needed //\n")
        << "the caught error is told once by catch, the last one once as the run's error";
    EXPECT_EQ(run.out, "caught\n");
}

TEST_F(HostProgramTest, AMayaSceneCutShortOpensAndSaysSoOnStandardError) {
    const std::string whole = ReadFile("host/file/scenes/truck2014.ma");
    const std::string cut = path("cut.ma");
    WriteFile(cut, whole.substr(0, whole.find("select -ne :time1;")));
    const Outcome run = RunProgram("-c \"file -o \\\"" + cut + "\\\"; getAttr axle.tx; getAttr persp.tx\"");
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_NE(run.err.find("Warning: "), std::string::npos) << run.err;
    EXPECT_NE(run.err.find("incomplete"), std::string::npos) << run.err;
    EXPECT_EQ(run.err.find("Error"), std::string::npos) << run.err;
    EXPECT_NE(run.out.find("// Result: 0 //\n// Result: 31.5 //\n"), std::string::npos) << run.out;
}

} // namespace

TEST_F(HostProgramTest, ScriptedJoysticksPlugInAndOutAndRefuseWhatTheyCannotFollow) {
    const std::string csv = path("stick.csv"), bad = path("bad.csv");
    WriteFile(csv, "time,x\n0,-1\n1,1\n");
    WriteFile(bad, "0,1\n1,oops\n");
    const Outcome run =
        RunProgram("-c \"virtualJoystick -name Pad -axes 2 -buttons 1; virtualJoystick -e -csv \\\"" + csv +
                   "\\\" Pad; createNode transform -n n; virtualJoystick -e -button 0 -plug n.tx Pad; "
                   "virtualJoystick -q -list; virtualJoystick -delete Pad; virtualJoystick -q -list\"");
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_NE(run.out.find("// Result: Pad //"), std::string::npos) << run.out;

    const std::pair<std::string, std::string> refused[] = {
        {"virtualJoystick -axes 2", "virtualJoystick: a joystick needs a -name."},
        {"virtualJoystick -name P -axes 40",
         "virtualJoystick: -axes is 0 to 32, -buttons 0 to 64, -hats 0 to 8."},
        {"virtualJoystick -name P; virtualJoystick -name P",
         "virtualJoystick: a joystick named \"P\" is plugged in already."},
        {"virtualJoystick -e -csv x.csv Nobody",
         "virtualJoystick: no joystick named \"Nobody\" is plugged in."},
        {"virtualJoystick -name P; virtualJoystick -e -csv \\\"" + bad + "\\\" P",
         "virtualJoystick: " + bad + ": line 2: a field is not a number."},
        {"virtualJoystick -name P -axes 1; virtualJoystick -e -axis 1 -plug n.tx P",
         "virtualJoystick: axis index out of range for \"P\"."},
        {"virtualJoystick -name P; virtualJoystick -e P",
         "virtualJoystick: -edit needs -csv, or -axis (or -button) with -plug."},
    };
    for (const auto& [commands, error] : refused) {
        const Outcome refusedRun = RunProgram("-c \"" + commands + "\"");
        EXPECT_EQ(refusedRun.status, 1) << commands;
        EXPECT_NE(refusedRun.err.find(error), std::string::npos) << commands << "\n" << refusedRun.err;
    }
}

TEST_F(HostProgramTest, ProcessEventsWaitsForItsConditionOrFailsAtItsTimeout) {
    // Nothing runs a timer: idle at once; on the batch clock a wait for a time that nothing moves
    // the scene to ends at once with an error, instead of hanging.
    const Outcome idle =
        RunProgram("--batch-clock -c \"currentTime 3; processEvents -untilIdle; processEvents -seconds 5\"");
    EXPECT_EQ(idle.status, 0) << idle.err;
    EXPECT_NE(idle.out.find("// Result: 3 //"), std::string::npos) << idle.out;
    const Outcome stuck = RunProgram("--batch-clock -c \"processEvents -untilTime 10\"");
    EXPECT_EQ(stuck.status, 1);
    EXPECT_NE(stuck.err.find("processEvents: the current time did not reach 10 within 600 s of the clock."),
              std::string::npos)
        << stuck.err;
    // Live, the timeout is wall-clock time.
    const Outcome live = RunProgram("-c \"processEvents -untilTime 10 -timeout 0.05\"");
    EXPECT_EQ(live.status, 1);
    EXPECT_NE(live.err.find("within 0.05 s"), std::string::npos) << live.err;
    ExpectOneError(RunProgram("-c \"processEvents -seconds x\""),
                   "line 1: processEvents: Flag \"-seconds\" needs a number, not \"x\"");
    for (const char* bad :
         {"processEvents", "processEvents -untilIdle -seconds 1", "processEvents -untilTime 1 -timeout -1"}) {
        const Outcome refused = RunProgram(std::string("-c \"") + bad + "\"");
        EXPECT_EQ(refused.status, 1) << bad;
        EXPECT_NE(refused.err.find("Usage: processEvents"), std::string::npos) << bad << "\n" << refused.err;
    }
}

TEST_F(HostProgramTest, ArraysPassTheirElementsAndBareNamedPluginsAreFoundOnThePluginPath) {
    const Outcome arrays =
        RunProgram("-c \"createNode transform -n a; createNode transform -n b; string \\$both[] = "
                   "{\\\"a\\\", \\\"b\\\"}; "
                   "select \\$both; print (size(\\`ls -sl\\`) + \\\" selected\\\\n\\\");\"");
    EXPECT_EQ(arrays.status, 0) << arrays.err;
    EXPECT_NE(arrays.out.find("2 selected"), std::string::npos) << arrays.out;

    const std::string plugin = HOST_TEST_PLUGIN;
    const std::string folder = plugin.substr(0, plugin.rfind('/'));
    const std::string name = plugin.substr(folder.size() + 1, plugin.rfind('.') - folder.size() - 1);
    ::setenv("MAYA_PLUG_IN_PATH", ("/nowhere:" + folder).c_str(), 1);
    const Outcome found = RunProgram("-c \"loadPlugin " + name + "; hostTestAdd -v 2; hostTestAdd -q\"");
    const Outcome missing = RunProgram("-c \"loadPlugin noSuchPlugin\"");
    ::unsetenv("MAYA_PLUG_IN_PATH");
    EXPECT_EQ(found.status, 0) << found.err;
    EXPECT_NE(found.out.find("// Result: " + name + " //"), std::string::npos) << found.out;
    EXPECT_EQ(missing.status, 1);
    EXPECT_NE(missing.err.find("Plug-in \"noSuchPlugin\" was not found."), std::string::npos) << missing.err;
}
