#include "core/Instance.h"

#include "core/CoreStartup.h"
#include "core/DescriptionPacker.h"
#include "core/InstanceReference.h"
#include "core/Template.h"
#include "system/adaptors/memory/MemoryAdaptor.h"
#include "tests/core/ToolTestSupport.h"
#include "unidevice/Control.h"
#include "unidevice/ControlKind.h"
#include "unidevice/DeviceRegistry.h"
#include "unidevice/Driver.h"
#include "unidevice/Property.h"
#include "util/xml/Tag.h"
#include "util/xml/TagWithData.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>

namespace vex::orb::core::test {
namespace {

using adaptor::memory::MemoryAdaptor;
using util::xml::Element;

// A tool that uses what a real rig uses: an input channel, page items bound to its variables, an
// output channel, its saved-state buffer, custom data and a required node.
class RigObject : public CCamera, public CInterface::Callback {
public:
    explicit RigObject(const CreateParam& param) : CCamera(param) {}

    int buildConfiguration() override {
        throttle = core->addInputChannel("Throttle", unidevice::kFiniteControl, nullptr);
        speed = core->addInputChannel("Speed", unidevice::kInfiniteControl, nullptr);
        core->extension(41, speed);
        core->beginConfiguration();
        core->beginGroup("Body", "");
        core->addSpinner("Mass", "", &mass, 0, 1e9, 1, 10, true, 0, this);
        core->addIntSpinner("Gears", "", &gears, 1, 9, 1, 1, false, 0, this);
        core->addCheckBox("Autonomous", "", &autonomous, this);
        core->endGroup();
        core->endConfiguration();
        return 0;
    }
    int initialize() override {
        if (createsChassis) core->createNode("Chassis", nullptr, nullptr);
        return 0;
    }
    int restore() override {
        uint32_t size = 0;
        const uint8_t* data = core->getToolData(&size);
        if (data != nullptr && size == sizeof restored) std::memcpy(&restored, data, size);
        return (needsChassis || createsChassis) && core->findNode("Chassis") == nullptr ? 1 : 0;
    }
    int store() override {
        core->setToolData(reinterpret_cast<const uint8_t*>(&mass), sizeof mass);
        return 0;
    }
    void step(double t) override {
        (void)t;
        if (throttle->getControl() != nullptr) seen.push_back(throttle->getControl()->getValue());
    }
    int extension(int id, void* data) override {
        if (id == 44) static_cast<Element*>(data)->AddChild(util::xml::TagWithData("note", note));
        if (id == 45) note = static_cast<Element*>(data)->GetChild("note")->GetText();
        if (id == 40) speedValue = mass / 1000;
        return id == 44 || id == 45 || id == 40;
    }
    std::vector<int32_t> getExtensionIds() const override { return {40, 44, 45}; }

    unidevice::Property* throttle = nullptr;
    unidevice::Property* speed = nullptr;
    double mass = 1000.0;
    int gears = 5;
    bool autonomous = false;
    double restored = 0.0;
    double speedValue = 0.0;
    std::string note = "plain";
    bool needsChassis = false;
    bool createsChassis = false;
    std::vector<double> seen;
};

class RigDescriptor : public FakeDescriptor {
public:
    explicit RigDescriptor(std::string id = "Rig", bool needsChassis = false)
        : FakeDescriptor(std::move(id), "Vehicle"), needsChassis_(needsChassis) {}
    CCamera* create(const CCamera::CreateParam& param) override {
        auto* object = new RigObject(param);
        object->needsChassis = needsChassis_;
        object->createsChassis = !needsChassis_;
        return object;
    }

private:
    bool needsChassis_;
};

// A tool type that fails at one stage of making an instance: no object, a failed page, a failed start.
class FailingDescriptor : public FakeDescriptor {
public:
    enum Stage { kNoObject, kConfiguration, kInitialisation };
    FailingDescriptor(std::string id, Stage stage)
        : FakeDescriptor(std::move(id), "Utility"), stage_(stage) {}
    CCamera* create(const CCamera::CreateParam& param) override {
        if (stage_ == kNoObject) return nullptr;
        return new Object(param, stage_);
    }

private:
    struct Object : CCamera {
        Object(const CreateParam& param, Stage stage) : CCamera(param), stage(stage) {}
        int buildConfiguration() override { return stage == kConfiguration ? 1 : 0; }
        int initialize() override { return stage == kInitialisation ? 1 : 0; }
        Stage stage;
    };
    Stage stage_;
};

class InstanceTest : public RegistryTest {
protected:
    void SetUp() override {
        RegistryTest::SetUp();
        auto* library = new Library("rigs", nullptr);
        Plugin::Register(*library, new RigDescriptor());
        Plugin::Register(*library, new RigDescriptor("Needy", true));
        Plugin::Register(*library, new FakeDescriptor("Cam", "Camera"));
        Plugin::Register(*library, new FailingDescriptor("Hollow", FailingDescriptor::kNoObject));
        Plugin::Register(*library, new FailingDescriptor("Pageless", FailingDescriptor::kConfiguration));
        Plugin::Register(*library, new FailingDescriptor("Stillborn", FailingDescriptor::kInitialisation));
        host_ = std::make_unique<MemoryAdaptor>();
        core_ = FindCore();
        ASSERT_NE(core_, nullptr);
    }
    void TearDown() override {
        host_.reset();
        RegistryTest::TearDown();
    }

    RigObject& Rig(const std::string& name) {
        return *dynamic_cast<RigObject*>(core_->InstanceManager::FindInstance(name)->GetObject());
    }
    Element Describe() {
        Element tree;
        util::ReturnValue<Element> sink(&tree);
        core_->DescribeAllInstances(sink);
        return tree;
    }
    InstanceReference& Root() { return *core_->GetRoot(); }

    std::unique_ptr<MemoryAdaptor> host_;
    CoreImplementation* core_ = nullptr;
};

// A type that cannot make an instance says so, and leaves nothing in the tree.
TEST_F(InstanceTest, AToolThatCannotBeMadeIsReportedAndNotAdded) {
    const std::vector<std::pair<std::string, std::string>> cases{
        {"Hollow", "made no tool object"},
        {"Pageless", "configuration could not be built"},
        {"Stillborn", "could not be initialised"}};
    for (const auto& [type, reason] : cases) {
        platform::win32::MessageBoxRecorder boxes;
        EXPECT_EQ(core_->CreateTool(type), "") << type;
        ASSERT_EQ(boxes.Boxes().size(), 1u) << type;
        EXPECT_NE(boxes.Boxes()[0].text.find("\"" + type + "\""), std::string::npos) << boxes.Boxes()[0].text;
        EXPECT_NE(boxes.Boxes()[0].text.find(reason), std::string::npos) << boxes.Boxes()[0].text;
    }
    EXPECT_TRUE(core_->IsEmpty());
}

TEST_F(InstanceTest, NewInstancesAreNumberedPerTypeUnderTheGroupRoot) {
    ASSERT_NE(Root().GetInstance(), nullptr);
    EXPECT_EQ(Root().GetInstance()->GetName(), "root");
    EXPECT_EQ(Root().GetInstance()->GetTool().GetIdentifier(), "Group");

    EXPECT_EQ(core_->CreateTool("4VeredevOro"), "4VeredevOro_01");
    EXPECT_EQ(core_->CreateTool("4VeredevOro"), "4VeredevOro_02");
    EXPECT_EQ(core_->CreateTool("Cam"), "Cam_01");
    EXPECT_EQ(core_->CreateTool("NoSuchTool"), "");

    Instance* first = core_->FindInstance(std::string("4VeredevOro_01"));
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first->GetTreeIcon(), "/core/images/treeicons/torva_vehicle_tools.png");
    EXPECT_EQ(core_->FindInstance("Cam_01")->GetTreeIcon(), "/core/images/treeicons/torva_camera_tools.png");
    EXPECT_EQ(first->util::MessageNode::getName(), "Instance");
    EXPECT_EQ(first->getDisplayName(), "4VeredevOro_01");
    ASSERT_NE(first->GetDriver(), nullptr);
    EXPECT_EQ(first->GetDriver()->getName(), "dummydriver");
    EXPECT_EQ(unidevice::DeviceRegistry::Instance().IndexOf(first) >= 0, true);

    // A clone takes the next free number and sits right after its original.
    EXPECT_EQ(core_->CloneInstance("4VeredevOro_01"), "4VeredevOro_03");
    EXPECT_EQ(Root().GetChild(1)->GetInstance()->GetName(), "4VeredevOro_03");
    EXPECT_EQ(core_->CloneInstance("missing"), "");
}

TEST_F(InstanceTest, ToolDataChannelsVirtualControlsAndPlaceInTheTree) {
    Instance* rig = core_->FindInstance(core_->CreateTool("Rig"));
    uint32_t size = 99;
    rig->clearToolData();
    EXPECT_EQ(rig->getToolData(&size), nullptr);
    EXPECT_EQ(size, 0u);
    rig->setToolData(nullptr, 0);
    EXPECT_NE(rig->getToolData(&size), nullptr);
    EXPECT_EQ(size, 0u);
    const uint8_t bytes[] = {1, 2, 3};
    rig->setToolData(bytes, 3);
    EXPECT_EQ(rig->getToolData(&size)[2], 3);
    EXPECT_EQ(size, 3u);

    EXPECT_NE(rig->findInputChannel("Spinner: Mass"), nullptr);
    EXPECT_EQ(rig->findInputChannel("Spinner: Gears"), nullptr);
    EXPECT_EQ(rig->GetInputChannels().GetCount(), 3);

    // The page numbers its items: Mass 0, Gears 1, Autonomous 2.
    EXPECT_EQ(rig->ReadById(0), 1000.0);
    EXPECT_TRUE(rig->WriteById(1, 7.0));
    EXPECT_EQ(Rig(rig->GetName()).gears, 7);
    EXPECT_EQ(rig->ReadById(1), 7.0);
    EXPECT_FALSE(rig->WriteById(5, 1.0));

    // A bound spinner channel turns its spinner on every step.
    unidevice::Control knob(nullptr, unidevice::kFiniteControl, 0.0);
    knob.setValue(1.0);
    rig->findInputChannel("Spinner: Mass")->SetControl(&knob);
    rig->Step(0.0);
    EXPECT_EQ(Rig(rig->GetName()).mass, 1.0);
    rig->findInputChannel("Spinner: Mass")->SetControl(nullptr);

    // The output channel feeds the virtual control on every step.
    ASSERT_EQ(rig->getControlCount(), 1);
    EXPECT_EQ(rig->getControl(0)->getDescription(), "Speed");
    Rig(rig->GetName()).speed->setOffset(4.5);
    rig->Step(0.0);
    EXPECT_EQ(rig->getControl(0)->getValue(), 4.5);

    // A nested instance learns its parent and place.
    Element description;
    core_->GetRoot()->GetChild(0)->GetInstance()->GetTool().WriteDescription(description);
    InstanceReference* child = core_->CreateInstances(description, rig->GetReference());
    Element master;
    EXPECT_EQ(child->GetInstance()->extension(56, &master), 1);
    EXPECT_EQ(master.GetName(), "masternode");
    EXPECT_EQ(master.GetChild("parent")->GetText(), rig->GetName());
    EXPECT_EQ(master.GetChild("childindex")->GetText(), "0");
    EXPECT_EQ(rig->extension(37, &master), 0);
    EXPECT_TRUE(rig->hasExtension(60));
}

TEST_F(InstanceTest, ATakeThatTurnsABoundSpinnerEveryFrameKeepsOneUndoRecordOfIt) {
    Instance* rig = core_->FindInstance(core_->CreateTool("Rig"));
    RigObject& object = Rig(rig->GetName());
    unidevice::Control knob(nullptr, unidevice::kFiniteControl, 0.0);
    rig->findInputChannel("Spinner: Mass")->SetControl(&knob);

    host_->beginUndoGroup("Record");
    rig->BeginRecord(0.0, false);
    knob.setValue(1.0);
    rig->Step(0.0);
    const size_t unitsAfterFirstFrame = host_->GetPendingUnitCount();
    for (int frame = 1; frame < 50; ++frame) {
        knob.setValue(1.0 + frame);
        rig->Step(frame / 25.0);
    }
    const double afterTake = object.mass;
    EXPECT_NE(afterTake, 1000.0);
    EXPECT_EQ(host_->GetPendingUnitCount(), unitsAfterFirstFrame);
    rig->EndRecord();
    host_->endUndoGroup();
    rig->findInputChannel("Spinner: Mass")->SetControl(nullptr);

    ASSERT_TRUE(host_->undo());
    EXPECT_EQ(object.mass, 1000.0);
    ASSERT_TRUE(host_->redo());
    EXPECT_EQ(object.mass, afterTake);

    // The next take keeps its own record: undoing it gives back what the first take left.
    rig->findInputChannel("Spinner: Mass")->SetControl(&knob);
    host_->beginUndoGroup("Record");
    rig->BeginRecord(2.0, false);
    for (int frame = 0; frame < 5; ++frame) {
        knob.setValue(7.0 + frame);
        rig->Step(2.0 + frame / 25.0);
    }
    rig->EndRecord();
    host_->endUndoGroup();
    rig->findInputChannel("Spinner: Mass")->SetControl(nullptr);
    EXPECT_NE(object.mass, afterTake);
    ASSERT_TRUE(host_->undo());
    EXPECT_EQ(object.mass, afterTake);
}

TEST_F(InstanceTest, ReSimulationReplaysRecordedValuesThenGivesTheLiveControlBack) {
    Instance* rig = core_->FindInstance(core_->CreateTool("Rig"));
    RigObject& object = Rig(rig->GetName());
    unidevice::Control stick(nullptr, unidevice::kFiniteControl, 0.0);
    object.throttle->SetControl(&stick);

    rig->BeginRecord(0.0, false);
    for (int frame = 0; frame < 3; ++frame) {
        stick.setValue(0.25 * frame);
        rig->Step(frame / 24.0);
    }
    rig->EndRecord();
    EXPECT_EQ(rig->GetRecordedValues(0).GetKeyCount(), 3);

    stick.setValue(0.9);
    object.seen.clear();
    object.mass = 77.25;
    rig->BeginRecord(0.0, true);
    EXPECT_EQ(object.throttle->getControl()->getDescription(), "Temporary control");
    // The spinner's channel drove nothing in the take: it stays unbound and leaves the spinner alone.
    EXPECT_EQ(rig->findInputChannel("Spinner: Mass")->getControl(), nullptr);
    rig->Step(1 / 24.0);
    rig->Step(1 / 48.0);
    rig->EndRecord();
    EXPECT_EQ(object.seen, (std::vector<double>{0.25, 0.125}));
    EXPECT_EQ(object.mass, 77.25);
    EXPECT_EQ(object.throttle->getControl(), &stick);

    // A live take after it reads the stick again and re-records from its start.
    rig->BeginRecord(1 / 24.0, false);
    rig->Step(1 / 24.0);
    rig->EndRecord();
    EXPECT_EQ(rig->GetRecordedValues(0).GetKeyCount(), 2);
    EXPECT_EQ(rig->GetRecordedValues(0).get(1 / 24.0), 0.9);
    object.throttle->SetControl(nullptr);
}

TEST_F(InstanceTest, WritingDeletingAndRecreatingGivesBackTheSameTree) {
    Instance* rig = core_->FindInstance(core_->CreateTool("Rig"));
    core_->CreateTool("Cam");
    RigObject& object = Rig(rig->GetName());
    object.mass = 1234.5678901234567;
    object.autonomous = true;
    object.note = "towing";
    Element description;
    rig->GetTool().WriteDescription(description);
    core_->CreateInstances(description, rig->GetReference());
    unidevice::Control stick(nullptr, unidevice::kFiniteControl, 0.0);
    object.throttle->SetControl(&stick);
    rig->BeginRecord(0.0, false);
    stick.setValue(0.5);
    rig->Step(0.0);
    stick.setValue(-0.5);
    rig->Step(0.5);
    rig->EndRecord();
    object.throttle->SetControl(nullptr);
    Root().GetChild(1)->SetRecord(false);
    Root().GetChild(0)->SetLowPoly(true);

    const Element before = Describe();
    core_->DeleteAllInstances();
    EXPECT_TRUE(core_->IsEmpty());
    platform::win32::MessageBoxRecorder boxes;
    ASSERT_NE(core_->CreateInstances(before), nullptr);
    EXPECT_EQ(Describe(), before);
    // The rigs found their host nodes again by their tags.
    EXPECT_TRUE(boxes.Boxes().empty());
    EXPECT_NE(core_->InstanceManager::FindInstance("Rig_02")->findNode("Chassis"), nullptr);

    RigObject& again = Rig("Rig_01");
    EXPECT_EQ(again.mass, 1234.5678901234567);
    EXPECT_EQ(again.restored, 1234.5678901234567);
    EXPECT_TRUE(again.autonomous);
    EXPECT_EQ(again.note, "towing");
    EXPECT_EQ(core_->InstanceManager::FindInstance("Rig_01")->GetRecordedValues(0).get(0.25), 0.0);
    EXPECT_EQ(Root().GetChild(0)->GetChildCount(), 1u);
    EXPECT_FALSE(Root().GetChild(1)->GetRecord());

    // Option bits: without recorded values, without children.
    Element slim;
    core_->WriteDescription(Root().GetChild(0), slim, InstanceManager::kWithoutChildren);
    EXPECT_EQ(slim.GetChild("recordedinputvalues"), nullptr);
    EXPECT_EQ(slim.GetChild("VXB_Plugin"), nullptr);
}

TEST_F(InstanceTest, DescriptionsArePackedReadBackAndBrokenOnesSkipped) {
    core_->CreateTool("Rig");
    Rig("Rig_01").mass = 77.25;
    Element packed;
    core_->WriteDescription(core_->GetRoot(), packed,
                            InstanceManager::kPacked | InstanceManager::kWithRecordedValues);
    ASSERT_EQ(packed.GetChild("VXB_Plugin")->GetAttribute("compressed"), kPackingName);
    const Element plain = Describe();
    core_->DeleteAllInstances();
    core_->CreateInstances(packed);
    EXPECT_EQ(Describe(), plain);

    platform::win32::MessageBoxRecorder boxes;
    Element broken = *packed.GetChild("VXB_Plugin");
    broken.GetChildren().clear();
    broken.AddChild(util::xml::Data("AAAA!"));
    Element list = util::xml::Tag("VXB");
    list.AddChild(broken);
    Element other;
    core_->GetRoot()->GetChild(0)->GetInstance()->GetTool().WriteDescription(other);
    list.AddChild(other);
    core_->DeleteAllInstances();
    InstanceReference* created = core_->CreateInstances(list);
    ASSERT_NE(created, nullptr);
    EXPECT_EQ(core_->GetRoot()->GetChildCount(), 1u);
    ASSERT_EQ(boxes.Boxes().size(), 1u);

    // The packer itself: runs, literals and a truncated code.
    std::vector<uint8_t> bytes(300, 'x');
    for (uint8_t literal : {1, 2, 3, 3, 3, 3, 4}) bytes.push_back(literal);
    std::vector<uint8_t> out;
    ASSERT_TRUE(UnpackBytes(PackBytes(bytes), out));
    EXPECT_EQ(out, bytes);
    std::vector<uint8_t> cut = PackBytes(bytes);
    cut.pop_back();
    EXPECT_FALSE(UnpackBytes(cut, out));
}

TEST_F(InstanceTest, UnwrappedDescriptionsAndUnknownTypes) {
    Element single;
    LibraryManager::Instance().FindTool("Cam")->WriteDescription(single);
    ASSERT_EQ(single.GetName(), "VXB_Plugin");
    ASSERT_NE(core_->CreateInstances(single), nullptr);
    EXPECT_NE(core_->FindInstance(std::string("Cam_01")), nullptr);

    Element list = util::xml::Tag("VXB");
    Element unknown = util::xml::Tag("VXB_Plugin");
    unknown.AddChild(util::xml::TagWithData("type", "NoSuchTool"));
    list.AddChild(unknown);
    list.AddChild(single);
    InstanceReference* first = core_->CreateInstances(list);
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first->GetInstance()->GetName(), "Cam_02");
    EXPECT_EQ(core_->GetRoot()->GetChildCount(), 2u);
}

TEST_F(InstanceTest, NewInstancesRecordFactorySettingsAndStartWithTheStartProfile) {
    Instance* first = core_->FindInstance(core_->CreateTool("Rig"));
    ConfigProfileManager& profiles = first->GetTool().GetConfigProfileManager();
    EXPECT_EQ(profiles.ListProfiles(), (Names{"Factory Settings"}));

    Rig("Rig_01").mass = 42.5;
    Element start;
    first->WriteConfiguration(start, "Start Profile");
    ASSERT_TRUE(profiles.SaveProfile("Start Profile", start));
    Rig("Rig_01").mass = 1.0;

    core_->CreateTool("Rig");
    EXPECT_EQ(Rig("Rig_02").mass, 42.5);
    EXPECT_EQ(core_->FindInstance(std::string("Rig_02"))->GetConfigProfileName(), "Start Profile");
    EXPECT_EQ(Rig("Rig_01").mass, 1.0);
    EXPECT_TRUE(core_->LoadProfile("Rig_01", "Start Profile"));
    EXPECT_EQ(Rig("Rig_01").mass, 42.5);
    EXPECT_FALSE(core_->LoadProfile("Rig_01", "No such profile"));
    EXPECT_FALSE(core_->LoadProfile("missing", "Start Profile"));
}

TEST_F(InstanceTest, MissingNodesAreReportedAndMarked) {
    core_->CreateTool("Needy");
    const Element saved = Describe();
    core_->DeleteAllInstances();

    platform::win32::MessageBoxRecorder boxes;
    ASSERT_NE(core_->CreateInstances(saved), nullptr);
    ASSERT_EQ(boxes.Boxes().size(), 1u);
    EXPECT_EQ(boxes.Boxes()[0].text, std::string(Instance::kMissingNodesMessage) + "Chassis\n");

    // The instance stays, its missing node marked in its description.
    Element written;
    core_->WriteDescription(core_->FindItem("Needy_01"), written, 0);
    const Element* node = written.GetChild("nodeinfo")->GetChild("node");
    ASSERT_NE(node, nullptr);
    EXPECT_EQ(node->GetAttribute("status"), "(NOTFOUND)");
    EXPECT_EQ(node->GetChild("name")->GetText(), "Chassis");
}

TEST_F(InstanceTest, ModelsRestoreTheirDescriptionAndNodelessInstancesAreWrittenApart) {
    core_->CreateTool("Rig");
    core_->CreateTool("Cam");
    Rig("Rig_01").mass = 3.5;
    Element saved;
    core_->WriteDescription(core_->FindItem("Rig_01"), saved, 0);
    saved.GetChild("name")->GetChildren().clear();
    saved.GetChild("name")->AddChild(util::xml::Data("Truck"));
    auto* models = new Library("truck.prm", nullptr);
    Template* model = Template::Register(*models, saved, "models");

    // The model names a node the scene holds for no instance called "Truck": reported, still made.
    platform::win32::MessageBoxRecorder boxes;
    std::unique_ptr<Instance> truck(model->CreateInstance(""));
    ASSERT_NE(truck, nullptr);
    EXPECT_EQ(boxes.Boxes().size(), 1u);
    EXPECT_EQ(truck->GetName(), "Truck");
    EXPECT_EQ(&truck->GetTool(), LibraryManager::Instance().FindTool("Rig"));
    EXPECT_EQ(dynamic_cast<RigObject*>(truck->GetObject())->mass, 3.5);

    // Only the camera owns no host node.
    Element written;
    util::ReturnValue<Element> sink(&written);
    EXPECT_EQ(core_->WriteInstances(sink), 0);
    ASSERT_EQ(written.CountChildren("VXB_Plugin"), 1u);
    EXPECT_EQ(written.GetChild("VXB_Plugin")->GetChild("name")->GetText(), "Cam_01");
}

TEST_F(InstanceTest, AnItemWithoutInstanceIsWrittenEmptyAndKeepsItsChildren) {
    InstanceReference* plain = Root().InsertChild(std::make_unique<InstanceReference>());
    Element cam;
    LibraryManager::Instance().FindTool("Cam")->WriteDescription(cam);
    core_->CreateInstances(cam, plain);
    const Element before = Describe();
    const Element& written = *before.GetChild("VXB_Plugin");
    EXPECT_EQ(written.GetChild("type"), nullptr);
    EXPECT_EQ(written.GetChild("VXB_Plugin")->GetChild("name")->GetText(), "Cam_01");

    core_->DeleteAllInstances();
    core_->CreateInstances(before);
    EXPECT_EQ(Describe(), before);
    EXPECT_EQ(Root().GetChild(0)->GetInstance(), nullptr);
}

TEST_F(InstanceTest, FlagsShowUndeterminedWhenChildrenDisagree) {
    core_->CreateTool("4VeredevOro");
    core_->CreateTool("4VeredevOro");
    EXPECT_EQ(Root().GetRecordState(), FlagState::kTrue);
    Root().GetChild(1)->SetRecord(false);
    EXPECT_EQ(Root().GetRecordState(), FlagState::kUndetermined);
    EXPECT_EQ(core_->CollectInstances(InstanceManager::kRecordedInstances).size(), 1u);
    EXPECT_EQ(core_->CollectInstances(InstanceManager::kAllInstances).size(), 2u);
    Root().SetRecord(true);
    EXPECT_EQ(Root().GetRecordState(), FlagState::kTrue);
    Root().GetChild(0)->SetHighPoly(false);
    EXPECT_EQ(Root().GetHighPolyState(), FlagState::kUndetermined);
    EXPECT_EQ(Root().GetLowPolyState(), FlagState::kFalse);
}

TEST_F(InstanceTest, UndoOfCreateRenameAndDeleteRestoresTheTree) {
    core_->CreateTool("Rig");
    core_->CreateTool("Cam");
    Rig("Rig_01").mass = 5.0;
    const Element start = Describe();

    ASSERT_TRUE(core_->RenameItem(core_->FindItem("Cam_01"), "Front"));
    EXPECT_FALSE(core_->RenameItem(core_->FindItem("Front"), "Rig_01"));
    core_->DeleteInstance("Rig_01");
    EXPECT_EQ(core_->FindItem("Rig_01"), nullptr);
    EXPECT_EQ(host_->GetUndoLabels(),
              (std::vector<std::string>{"Create Tool", "Create Tool", "Rename", "Delete Torva Tool"}));

    host_->undo();
    ASSERT_NE(core_->FindItem("Rig_01"), nullptr);
    EXPECT_EQ(Rig("Rig_01").mass, 5.0);
    host_->undo();
    EXPECT_EQ(Describe(), start);
    host_->undo();
    EXPECT_EQ(core_->FindItem("Cam_01"), nullptr);
    host_->redo();
    host_->redo();
    host_->redo();
    EXPECT_EQ(core_->FindItem("Rig_01"), nullptr);
    EXPECT_NE(core_->FindItem("Front"), nullptr);

    EXPECT_EQ(core_->CloneInstance("Front"), "Front_01");
    EXPECT_EQ(host_->GetUndoLabels().back(), "Clone tool");
    host_->undo();
    EXPECT_EQ(core_->FindItem("Front_01"), nullptr);
}

} // namespace
} // namespace vex::orb::core::test
