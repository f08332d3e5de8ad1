#include "core/InstanceReference.h"
#include "core/Library.h"
#include "core/LibraryManager.h"
#include "core/ToolListSink.h"
#include "core/configadaptor/Root.h"
#include "platform/win32/DebugOutputRecorder.h"
#include "tests/platform/win32/TempFolder.h"
#include "tests/plugins/TemplateOnHost.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

namespace vex::orb::core::test {
namespace {

namespace win32 = platform::win32;

// Two channels (a third without a name is skipped), two controls, one of them without an index and
// one empty, and a page of the three kinds of parameter.
constexpr const char* kShape = R"(<orbtemplate><name>Shape</name><category>Template;Camera</category>
<buildmode/>
<input>
  <property><name>Wheel</name><finite>1</finite><binary></binary></property>
  <property><name/></property>
  <property><name>Button</name><binary>1</binary><trinary>1</trinary><infinite>1</infinite></property>
</input>
<configuration><group label="Settings">
  <spinner label="Gain" min="0" max="4" step="0.5">2.5</spinner>
  <checkbox label="Armed">1</checkbox>
  <id label="Slot" min="-1" max="9">7</id>
</group></configuration>
<virtualdevice>
  <control><name>Indexed</name><infinite>1</infinite><index>4</index>
    <script><mul><parameter>0</parameter><parameter>1</parameter></mul></script>
    <parameters><property>Wheel</property><spinner>0</spinner></parameters></control>
  <control><name/></control>
  <control><name>Plain</name><finite>1</finite><script><constant>3</constant></script></control>
</virtualdevice></orbtemplate>)";

class TemplateTool : public TemplateOnHost {};

TEST_P(TemplateTool, BuildsChannelsPageAndControlsFromItsDocument) {
    Register(kShape);
    Tool* type = LibraryManager::Instance().FindTool("Shape");
    ASSERT_NE(type, nullptr);
    EXPECT_EQ(type->GetKind(), Tool::kScriptedKind);
    Instance* shape = Create("Shape");
    ASSERT_NE(shape, nullptr);
    EXPECT_EQ(shape->GetName(), "Shape_01");
    EXPECT_EQ(shape->GetTreeIcon(), plugins::TemplatePlugin::kTreeIcon);
    Code& code = CodeOf(*shape);
    EXPECT_TRUE(code.IsBuildMode());

    ASSERT_NE(shape->findInputChannel("Wheel"), nullptr);
    EXPECT_EQ(shape->findInputChannel("Wheel")->GetAccepts(), 4u) << "an empty flag does not count";
    EXPECT_EQ(shape->findInputChannel("Button")->GetAccepts(), 1u | 2u | 8u);

    EXPECT_EQ(shape->ReadById(0), 2.5);
    EXPECT_EQ(shape->ReadById(1), 1.0);
    EXPECT_EQ(shape->ReadById(2), 7.0);
    EXPECT_EQ(shape->GetPage()->FindById(2)->getLabel(), "Slot");

    ASSERT_EQ(code.GetControls().size(), 2u);
    EXPECT_EQ(code.GetControls()[0]->index, 4);
    EXPECT_EQ(code.GetControls()[1]->index, -1) << "a control without an index";
    EXPECT_EQ(code.GetControls()[1]->GetAccepts(), 4u);
    ASSERT_NE(shape->getControl(1), nullptr) << "each control is a virtual control of the instance";

    Bind(*shape, "Wheel").setValue(1.0);
    Begin({shape}, 0.0);
    Step({shape}, kFrame);
    End({shape});
    EXPECT_EQ(code.GetControls()[0]->getValue(), 2.5) << "Wheel times Gain";
    EXPECT_EQ(code.GetControls()[1]->getValue(), 3.0);
    EXPECT_EQ(shape->getControl(1)->getValue(), 3.0) << "the value of the step before reached the control";
}

TEST_P(TemplateTool, IsOfferedUnderTemplates) {
    Register(kShape);
    struct Sink : ToolListSink {
        void SetToolList(int component, const std::vector<Tool*>& tools) override {
            if (component != kTemplates) return;
            for (Tool* tool : tools) names.push_back(tool->GetIdentifier());
        }
        std::vector<std::string> names;
    } sink;
    LibraryManager::Instance().FillToolLists(sink, LibraryManager::kAllToolLists);
    EXPECT_NE(std::find(sink.names.begin(), sink.names.end(), "Shape"), sink.names.end());
}

// Counters on the page show how often each target ran: "Watched" counts the property trigger's
// passes, "Every" the other trigger's, "Difference" is channel 0 minus channel 1, and "Seen" reads
// "Watched" back after the target before it wrote it.
constexpr const char* kCounters = R"(<orbtemplate><name>Counters</name>
<input><property><name>A</name><finite>1</finite></property>
       <property><name>B</name><finite>1</finite></property></input>
<configuration><group label="Counts">
  <spinner label="Watched" max="1000">0</spinner><spinner label="Every" max="1000">0</spinner>
  <spinner label="Difference" min="-9" max="9">0</spinner><spinner label="Seen" max="1000">0</spinner>
</group></configuration>
<logic>
  <trigger type="step">
    <target id="1"><parameters><source id="1"/></parameters>
      <script><add><parameter>0</parameter><constant>1</constant></add></script></target>
  </trigger>
  <trigger type="property" id="0">
    <target id="0"><parameters><source id="0"/></parameters>
      <script><add><parameter>0</parameter><constant>1</constant></add></script></target>
    <target id="2"><parameters><source type="property" id="0"/><source type="property" id="1"/></parameters>
      <script><sub><parameter>0</parameter><parameter>1</parameter></sub></script></target>
    <target id="3"><parameters><source id="0"/></parameters><script><parameter>0</parameter></script></target>
  </trigger>
</logic></orbtemplate>)";

TEST_P(TemplateTool, PropertyTriggersRunOnChangeAndOtherTriggersEveryStep) {
    Register(kCounters);
    Instance* counters = Create("Counters");
    ASSERT_NE(counters, nullptr);
    unidevice::Control& a = Bind(*counters, "A");
    unidevice::Control& b = Bind(*counters, "B");
    a.setValue(1.0);
    b.setValue(-1.0);
    Begin({counters}, 0.0);
    EXPECT_EQ(counters->ReadById(0), 1.0) << "the forced pass at the start";
    EXPECT_EQ(counters->ReadById(1), 1.0);
    EXPECT_EQ(counters->ReadById(2), 2.0) << "A minus B";
    for (int f = 1; f <= 3; ++f) Step({counters}, f * kFrame);
    EXPECT_EQ(counters->ReadById(0), 1.0) << "an unchanged channel runs nothing";
    EXPECT_EQ(counters->ReadById(1), 4.0) << "the other trigger runs in every step";
    b.setValue(1.0);
    Step({counters}, 4 * kFrame);
    EXPECT_EQ(counters->ReadById(0), 1.0) << "only channel 0 is watched";
    a.setValue(0.0);
    Step({counters}, 5 * kFrame);
    End({counters});
    EXPECT_EQ(counters->ReadById(0), 2.0);
    EXPECT_EQ(counters->ReadById(2), -1.0) << "the difference of the inputs as they are now";
    EXPECT_EQ(counters->ReadById(3), 2.0) << "a later target reads back what an earlier one wrote";
    EXPECT_EQ(counters->ReadById(1), 6.0);
}

// A scripted tool's parameters are saved and loaded as configuration profiles of its own type, in the
// profile form of compiled tools, and "Factory Settings" brings back the document's defaults.
TEST_P(TemplateTool, SavesAndLoadsItsParametersAsProfiles) {
    Register(kShape);
    Instance* shape = Create("Shape");
    shape->AssignById(0, 3.5);
    shape->AssignById(1, 0.0);
    shape->AssignById(2, -1.0);
    ASSERT_TRUE(shape->SaveConfigProfileAs("Wide"));
    const std::filesystem::path file =
        DataRoot() / "data" / "templates" / "Shape" / "configprofiles" / "Wide.ccp";
    const std::string text = ReadFile(file);
    EXPECT_NE(text.find("<configprofile version=\"2.0\" name=\"Wide\">"), std::string::npos) << text;
    EXPECT_NE(text.find("label=\"Gain\""), std::string::npos) << text;

    ASSERT_TRUE(shape->LoadConfigProfileNamed(Tool::kBuiltInProfileName));
    EXPECT_EQ(shape->ReadById(0), 2.5);
    EXPECT_EQ(shape->ReadById(1), 1.0);
    EXPECT_EQ(shape->ReadById(2), 7.0);
    Instance* other = Create("Shape");
    ASSERT_TRUE(other->LoadConfigProfileNamed("Wide"));
    EXPECT_EQ(other->ReadById(0), 3.5);
    EXPECT_EQ(other->ReadById(1), 0.0);
    EXPECT_EQ(other->ReadById(2), -1.0);
}

// "Copy" writes 5 into the "Value" of Copy_02 and reads that value back into its own "Seen".
constexpr const char* kCopy = R"(<orbtemplate><name>Copy</name>
<configuration><group label="Values">
  <spinner label="Value" max="100">0</spinner><spinner label="Seen" min="-1" max="100">-1</spinner>
</group></configuration>
<logic><trigger type="step">
  <target id="1"><parameters><source id="0" external="Copy_02"/></parameters>
    <script><parameter>0</parameter></script></target>
  <target id="0" external="Copy_02"><script><constant>5</constant></script></target>
</trigger></logic></orbtemplate>)";

TEST_P(TemplateTool, ReadsAndWritesOtherInstancesWhileTheyAreThereAndRecorded) {
    Register(kCopy);
    Instance* first = Create("Copy");
    Instance* second = Create("Copy");
    ASSERT_NE(second, nullptr);
    ASSERT_EQ(second->GetName(), "Copy_02");
    Begin({first}, 0.0);
    EXPECT_EQ(first->ReadById(1), 0.0) << "read before the write of the same pass";
    EXPECT_EQ(second->ReadById(0), 5.0);
    Step({first}, kFrame);
    End({first});
    EXPECT_EQ(first->ReadById(1), 5.0);

    // An instance out of the take (its record box off) is not linked.
    second->AssignById(0, 1.0);
    second->GetReference()->SetRecord(false);
    win32::DebugOutputRecorder log;
    Begin({first}, 0.0);
    End({first});
    EXPECT_EQ(first->ReadById(1), 0.0) << "an instance out of the take reads 0";
    EXPECT_EQ(second->ReadById(0), 1.0) << "and takes no writes";
    ASSERT_FALSE(log.Lines().empty());
    EXPECT_NE(log.Lines()[0].find("\"Copy_02\""), std::string::npos) << log.Lines()[0];

    second->GetReference()->SetRecord(true);
    core_->DeleteInstance("Copy_02");
    Begin({first}, 0.0);
    Step({first}, kFrame);
    End({first});
    EXPECT_EQ(first->ReadById(1), 0.0) << "a deleted instance reads 0";
}

// Each "Loop" publishes its input plus one; two of them bound to each other form a circle.
constexpr const char* kLoop = R"(<orbtemplate><name>Loop</name>
<input><property><name>In</name><finite>1</finite><deadzone>0</deadzone></property></input>
<virtualdevice><control><name>Out</name><finite>1</finite>
  <script><add><parameter>0</parameter><constant>1</constant></add></script>
  <parameters><property>In</property></parameters></control></virtualdevice></orbtemplate>)";

TEST_P(TemplateTool, ToolsInACircleSeeEachOtherOneStepLate) {
    Register(kLoop);
    Instance* first = Create("Loop");
    Instance* second = Create("Loop");
    Chain(*first, "In", *second, 0);
    Chain(*second, "In", *first, 0);
    // The model: a step hands the output of the step before to the control, then computes anew; a
    // begin computes and hands its output on at once, so the second begins from the first's value.
    double control1 = 1.0, control2 = 2.0, out1 = 1.0, out2 = 2.0;
    Begin({first, second}, 0.0);
    for (int f = 1; f <= 20; ++f) {
        Step({first, second}, f * kFrame);
        control1 = out1;
        out1 = control2 + 1.0;
        control2 = out2;
        out2 = control1 + 1.0;
        ASSERT_EQ(CodeOf(*first).GetControls()[0]->getValue(), out1) << f;
        ASSERT_EQ(CodeOf(*second).GetControls()[0]->getValue(), out2) << f;
    }
    End({first, second});
}

// Parts that cannot be used are left out with a line naming the template, its file and the element;
// the rest of the tool works.
constexpr const char* kBroken = R"(<orbtemplate><name>Broken</name>
<input><property><name>A</name><finite>1</finite><deadzone>two</deadzone></property></input>
<configuration><group label="G"><spinner label="Good">4</spinner><spinner label="Bad" max="x">1</spinner>
  <slider label="Odd"/></group></configuration>
<virtualdevice>
  <control><name>Unknown</name><finite>1</finite><script><Add><constant>1</constant></Add></script></control>
  <control><name>Works</name><finite>1</finite><script><add><constant>1</constant><nothing/></add></script>
    <parameters><property>Missing</property></parameters></control>
</virtualdevice>
<logic>
  <trigger type="property" id="5"><target id="0"><script><constant>1</constant></script></target></trigger>
  <trigger><target><script><constant>1</constant></script></target>
    <target id="0"><parameters><source type="property" id="9"/></parameters>
      <script><add><parameter>0</parameter><constant>2</constant></add></script></target></trigger>
</logic></orbtemplate>)";

bool Logged(const std::vector<std::string>& lines, const std::string& where, const std::string& what) {
    return std::any_of(lines.begin(), lines.end(), [&](const std::string& line) {
        return line.find("Template \"Broken\" (broken.prm)") != std::string::npos &&
               line.find(where) != std::string::npos && line.find(what) != std::string::npos;
    });
}

TEST_P(TemplateTool, LeavesOutWhatItCannotUseAndSaysWhere) {
    Register(kBroken, "broken.prm");
    win32::DebugOutputRecorder log;
    Instance* broken = Create("Broken");
    ASSERT_NE(broken, nullptr);
    const std::vector<std::string>& lines = log.Lines();
    EXPECT_TRUE(Logged(lines, "input/property[1]/deadzone", "dead zone"));
    EXPECT_TRUE(Logged(lines, "configuration/group[1]/spinner[2]", "not a number"));
    EXPECT_TRUE(Logged(lines, "configuration/group[1]/slider[3]", "left out"));
    EXPECT_TRUE(Logged(lines, "virtualdevice/control[1]/script", "\"Add\""));
    EXPECT_TRUE(Logged(lines, "virtualdevice/control[2]/script", "\"nothing\""));
    EXPECT_TRUE(Logged(lines, "virtualdevice/control[2]/parameters/property[1]", "\"Missing\""));
    EXPECT_TRUE(Logged(lines, "logic/trigger[1]", "input channel 5"));
    EXPECT_TRUE(Logged(lines, "logic/trigger[2]/target[1]", "no \"id\""));
    EXPECT_TRUE(Logged(lines, "logic/trigger[2]/target[2]/parameters/source[1]", "input channel 9"));

    Code& code = CodeOf(*broken);
    EXPECT_EQ(broken->ReadById(0), 4.0);
    EXPECT_EQ(broken->GetPage()->FindById(1), nullptr) << "the bad spinner is not on the page";
    ASSERT_EQ(code.GetControls().size(), 2u);
    EXPECT_EQ(code.GetControls()[0]->script, nullptr);
    ASSERT_EQ(code.GetTriggers().size(), 1u);
    EXPECT_EQ(code.GetTriggers()[0].targets.size(), 1u);
    Begin({broken}, 0.0);
    Step({broken}, kFrame);
    End({broken});
    EXPECT_EQ(code.GetControls()[1]->getValue(), 1.0) << "an unknown operand counts as 0";
    EXPECT_EQ(broken->ReadById(0), 2.0) << "a missing channel reads 0";
}

TEST_P(TemplateTool, AFileThatDoesNotParseIsNamedInTheLogAndRegistersNothing) {
    win32::testing::TempFolder folder;
    const std::string path = folder.Path() + "/cut.prm";
    WriteFile(path, "<orbtemplate><name>Cut</name><input>");
    win32::DebugOutputRecorder log;
    int error = 0;
    EXPECT_EQ(Library::Load(path, error), nullptr);
    EXPECT_EQ(LibraryManager::Instance().FindTool("Cut"), nullptr);
    ASSERT_EQ(log.Lines().size(), 1u);
    EXPECT_NE(log.Lines()[0].find(path), std::string::npos);

    WriteFile(path, kCopy);
    Library* library = Library::Load(path, error);
    ASSERT_NE(library, nullptr);
    EXPECT_EQ(library->GetTool(0)->GetIdentifier(), "Copy");
    EXPECT_EQ(Library::Load(folder.Path() + "/again.prm", error), nullptr) << "absent";
    WriteFile(folder.Path() + "/again.prm", kCopy);
    EXPECT_EQ(Library::Load(folder.Path() + "/again.prm", error), nullptr) << "the first of a name wins";
}

// A saved scripted tool carries its template document; reopened, it is the same tool with the
// values it was saved with.
TEST_P(TemplateTool, SavesItsDocumentAndReopensWithItsValues) {
    Register(kCounters);
    Instance* counters = Create("Counters");
    counters->AssignById(1, 12.0);
    util::xml::Element scene;
    util::ReturnValue<util::xml::Element> sink(&scene);
    core_->DescribeAllInstances(sink);
    const util::xml::Element* saved = scene.GetChild("VXB_Plugin");
    ASSERT_NE(saved, nullptr);
    const util::xml::Element* custom = saved->GetChild("customdata");
    ASSERT_NE(custom, nullptr);
    EXPECT_EQ(custom->GetChildText("name"), "Counters");
    ASSERT_NE(custom->GetChild("logic"), nullptr);
    EXPECT_EQ(custom->GetChild("logic")->CountChildren("trigger"), 2u);

    core_->DeleteAllInstances();
    core_->CreateInstances(scene);
    Instance* reopened = core_->FindInstance("Counters_01");
    ASSERT_NE(reopened, nullptr);
    EXPECT_EQ(reopened->ReadById(1), 12.0);
    Bind(*reopened, "A").setValue(1.0);
    Begin({reopened}, 0.0);
    End({reopened});
    EXPECT_EQ(reopened->ReadById(1), 13.0) << "its logic came back with it";

    // Where the template is not installed, the scene's copy of it stands in.
    core_->DeleteAllInstances();
    Library& installed = LibraryManager::Instance().FindTool("Counters")->GetLibrary();
    installed.Destroy();
    ASSERT_EQ(LibraryManager::Instance().FindTool("Counters"), nullptr);
    win32::DebugOutputRecorder log;
    core_->CreateInstances(scene);
    Instance* adopted = core_->FindInstance("Counters_01");
    ASSERT_NE(adopted, nullptr);
    EXPECT_EQ(adopted->ReadById(1), 12.0);
    EXPECT_EQ(LibraryManager::Instance().FindTool("Counters")->GetKind(), Tool::kScriptedKind);
    ASSERT_FALSE(log.Lines().empty());
    EXPECT_NE(log.Lines()[0].find("not installed"), std::string::npos) << log.Lines()[0];
}

INSTANTIATE_TEST_SUITE_P(, TemplateTool, testing::ValuesIn(BuiltHostKinds()), HostKindName);

} // namespace
} // namespace vex::orb::core::test
