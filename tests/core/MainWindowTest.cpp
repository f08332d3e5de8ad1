#include "core/MainWindow.h"

#include "core/AboutWindow.h"
#include "core/CoreImplementation.h"
#include "core/CoreStartup.h"
#include "core/InputConfigurationDialog.h"
#include "core/Instance.h"
#include "core/InstanceReference.h"
#include "core/LibraryManager.h"
#include "core/ProfileChooser.h"
#include "core/ResultCodes.h"
#include "core/Tool.h"
#include "gui/component/qt/NodeModel.h"
#include "gui/component/qt/Tree.h"
#include "gui/componentinterface/Label.h"
#include "interface/CMesh_Box.h"
#include "platform/win32/Clock.h"
#include "platform/win32/MessageBox.h"
#include "system/adaptors/memory/MemoryAdaptor.h"
#include "tests/core/ToolTestSupport.h"
#include "tests/core/WindowInput.h"
#include "tests/support/MouseInput.h"
#include "tests/support/WidgetApplication.h"
#include "tests/support/WindowReview.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QDockWidget>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMainWindow>
#include <QMenuBar>
#include <QMimeData>
#include <QMouseEvent>
#include <QTest>
#include <QTreeView>
#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace vex::orb::core::test {
namespace {

namespace win32 = platform::win32;
using vex::test::DoubleClick;
using vex::test::WidgetApplication;

// A tool that makes a helper mesh and a camera of its own.
class RiggedObject : public CCamera {
public:
    explicit RiggedObject(const CreateParam& param) : CCamera(param) {}
    int initialize() override {
        const util::CMesh_Box box(1.0, 1.0, 1.0);
        helper = core->createMeshNode("Helper", nullptr, &box, nullptr);
        camera = core->createNode("Camera", nullptr, nullptr);
        return 0;
    }
    CNode* camera = nullptr;
    CNode* helper = nullptr;
    CNode* model = nullptr;
};

class RiggedDescriptor : public FakeDescriptor {
public:
    RiggedDescriptor() : FakeDescriptor("Rigged", "Vehicle") {}
    CCamera* create(const CCamera::CreateParam& param) override { return new RiggedObject(param); }
};

class MainWindowTest : public RegistryTest {
protected:
    void SetUp() override {
        if (WidgetApplication() == nullptr) GTEST_SKIP() << "an application without widgets runs already";
        RegistryTest::SetUp();
        host_ = std::make_unique<adaptor::memory::MemoryAdaptor>(25.0);
        core_ = FindCore();
        ASSERT_NE(core_, nullptr);
        ASSERT_EQ(core_->ShowMainWindow(nullptr), kOk);
        window_ = core_->MainDlg::GetMainWindow();
        ASSERT_NE(window_, nullptr);
        root_ = window_->GetRoot();
        ASSERT_NE(root_, nullptr);
        clock_.Set(1000);
    }
    void TearDown() override {
        if (host_ == nullptr) return;
        host_.reset();
        RegistryTest::TearDown();
    }

    template <typename T>
    T* Widget(int32_t id) const {
        return WidgetAs<T>(root_->FindById(id));
    }
    QListWidget* List(int32_t section) const {
        return WidgetAs<QListWidget>(root_->FindById(section)->FindById(ToolTypePanel::kInnerList));
    }
    QTreeView* TreeView() const { return Widget<QTreeView>(ToolTreePanel::kTree); }
    gui::component::qt::NodeModel& Model() const {
        return *dynamic_cast<gui::component::qt::Tree*>(root_->FindById(ToolTreePanel::kTree))->GetModel();
    }
    // The tree's row showing `name`, searched depth first.
    QModelIndex Row(const std::string& name, const QModelIndex& under = {}) const {
        for (int row = 0; row < Model().rowCount(under); ++row) {
            const QModelIndex index = Model().index(row, 0, under);
            if (index.data().toString().toStdString() == name) return index;
            if (const QModelIndex found = Row(name, index); found.isValid()) return found;
        }
        return {};
    }
    // The list entry showing `text`.
    static QListWidgetItem* Entry(QListWidget& list, const QString& text) {
        const QList<QListWidgetItem*> found = list.findItems(text, Qt::MatchExactly);
        return found.isEmpty() ? nullptr : found.front();
    }
    // Clicks a section button and double-clicks the entry `text` of its list, as a user creates a tool.
    void CreateFromList(int32_t button, int32_t section, const QString& text) {
        QListWidget* list = List(section);
        if (!list->isVisible()) QTest::mouseClick(Widget<QAbstractButton>(button), Qt::LeftButton);
        ASSERT_TRUE(list->isVisible());
        QListWidgetItem* entry = Entry(*list, text);
        ASSERT_NE(entry, nullptr) << text.toStdString();
        DoubleClick(list->viewport(), list->visualItemRect(entry).center());
    }
    // A left click at the centre of `index`'s cell.
    void ClickCell(const QModelIndex& index) {
        QTest::mouseClick(TreeView()->viewport(), Qt::LeftButton, Qt::NoModifier,
                          TreeView()->visualRect(index).center());
    }
    InstanceReference* Item(const std::string& name) const { return core_->InstanceManager::FindItem(name); }

    win32::MessageBoxRecorder boxes_;
    win32::FakeClock clock_;
    std::unique_ptr<adaptor::memory::MemoryAdaptor> host_;
    CoreImplementation* core_ = nullptr;
    MainWindow* window_ = nullptr;
    gui::Component* root_ = nullptr;
};

TEST_F(MainWindowTest, OpensOnceShowsTheToolListsAndClosesThroughTheCoreOperations) {
    EXPECT_TRUE(core_->IsMainWindowOpen());
    EXPECT_EQ(core_->GetMainWindowRoot(), root_);
    EXPECT_EQ(core_->ShowMainWindow(nullptr), kMainWindowAlreadyOpen);
    EXPECT_TRUE(window_->GetWidget()->isVisible());

    // The four sections list the start-up's tool lists, closed until their button is clicked.
    int listed = 0;
    for (int32_t section : ToolTypePanel::kSections) {
        ASSERT_NE(List(section), nullptr);
        EXPECT_FALSE(List(section)->isVisible());
        listed += List(section)->count();
    }
    EXPECT_GT(List(102)->count(), 2);
    ASSERT_NE(Entry(*List(102), "Torva RuzovuZediziViz"), nullptr);
    EXPECT_FALSE(Entry(*List(102), "Torva RuzovuZediziViz")->icon().isNull()) << "each type shows its icon";
    EXPECT_EQ(Entry(*List(101), "Torva RuzovuZediziViz"), nullptr);
    int expected = 0;
    for (std::size_t i = 0; i < LibraryManager::Instance().GetToolCount(); ++i)
        expected += LibraryManager::Instance().GetTool(i)->IsListed() ? 1 : 0;
    EXPECT_EQ(listed, expected);

    // One list open at a time.
    QTest::mouseClick(Widget<QAbstractButton>(1102), Qt::LeftButton);
    EXPECT_TRUE(List(102)->isVisible());
    QTest::mouseClick(Widget<QAbstractButton>(1101), Qt::LeftButton);
    EXPECT_TRUE(List(101)->isVisible());
    EXPECT_FALSE(List(102)->isVisible());
    EXPECT_EQ(window_->GetTypePanel().GetOpenSection(), 101);

    EXPECT_EQ(core_->CloseMainWindow(), kOk);
    EXPECT_FALSE(window_->GetWidget()->isVisible());
    EXPECT_EQ(core_->CloseMainWindow(), kMainWindowNotOpen);
    EXPECT_EQ(core_->ShowMainWindow(nullptr), kOk);
}

TEST_F(MainWindowTest, InsideAHostsMainWindowItOpensAsATabBesideTheHostsRightPanel) {
    auto* hostWindow = new QMainWindow;
    auto* attributes = new QDockWidget(QStringLiteral("Attributes"), hostWindow);
    hostWindow->addDockWidget(Qt::RightDockWidgetArea, attributes);
    hostWindow->show();
    void* handle = reinterpret_cast<void*>(static_cast<std::uintptr_t>(hostWindow->winId()));

    // A window of its own so far; the next opening docks it.
    ASSERT_EQ(core_->CloseMainWindow(), kOk);
    ASSERT_EQ(core_->ShowMainWindow(handle), kOk);
    QWidget* content = window_->GetWidget();
    EXPECT_EQ(content->window(), hostWindow);
    auto* dock = qobject_cast<QDockWidget*>(content->parentWidget());
    ASSERT_NE(dock, nullptr);
    EXPECT_EQ(dock->windowTitle(), QStringLiteral("Torva Suite"));
    EXPECT_TRUE(hostWindow->tabifiedDockWidgets(attributes).contains(dock));
    EXPECT_TRUE(content->isVisible());
    EXPECT_EQ(core_->ShowMainWindow(handle), kMainWindowAlreadyOpen);

    // Closing the dock closes the window; opening it again shows the same dock.
    dock->close();
    EXPECT_FALSE(core_->IsMainWindowOpen());
    EXPECT_FALSE(dock->isVisible());
    ASSERT_EQ(core_->ShowMainWindow(handle), kOk);
    EXPECT_EQ(content->parentWidget(), dock);
    EXPECT_TRUE(dock->isVisible());

    // The host's window going first neither takes the suite's widgets with it nor leaves it open.
    delete hostWindow;
    EXPECT_FALSE(core_->IsMainWindowOpen());
    ASSERT_EQ(window_->GetWidget(), content);
    EXPECT_EQ(content->parentWidget(), nullptr);
    ASSERT_EQ(core_->ShowMainWindow(handle), kOk);
    EXPECT_TRUE(content->isVisible());
    EXPECT_TRUE(content->isWindow());

    // A handle that is no Qt main window of this process leaves the window on its own.
    ASSERT_EQ(core_->CloseMainWindow(), kOk);
    QWidget plain;
    ASSERT_EQ(core_->ShowMainWindow(reinterpret_cast<void*>(static_cast<std::uintptr_t>(plain.winId()))),
              kOk);
    EXPECT_TRUE(content->isWindow());
}

TEST_F(MainWindowTest, PointingAtATypeShowsItsPanelAndADoubleClickCreatesIt) {
    QTest::mouseClick(Widget<QAbstractButton>(1102), Qt::LeftButton);
    QListWidget* list = List(102);
    QListWidgetItem* entry = Entry(*list, "Torva RuzovuZediziViz");
    ASSERT_NE(entry, nullptr);
    const QPoint point = list->visualItemRect(entry).center();
    QMouseEvent move(QEvent::MouseMove, point, list->viewport()->mapToGlobal(point), Qt::NoButton,
                     Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(list->viewport(), &move);

    Tool* tool = LibraryManager::Instance().FindTool("RuzovuZediziViz");
    ASSERT_NE(tool, nullptr);
    EXPECT_EQ(window_->GetTypePanel().GetShownTool(), tool);
    gui::Component* info = tool->GetInfoComponent();
    ASSERT_NE(info, nullptr);
    QWidget* panel = Widget<QWidget>(ToolTypePanel::kInfoContent);
    EXPECT_TRUE(panel->isAncestorOf(gui::qt::AsWidget(info)));
    EXPECT_TRUE(gui::qt::AsWidget(info)->isVisible());
    EXPECT_FALSE(Widget<QLabel>(ToolTypePanel::kInfoHint)->isVisible());
    auto* name = info->FindById<gui::componentinterface::Label>(Tool::kInfoName);
    ASSERT_NE(name, nullptr);
    EXPECT_EQ(name->GetText(), "<b>Torva RuzovuZediziViz</b>");
    EXPECT_EQ(info->FindById<gui::componentinterface::Label>(Tool::kInfoDescription)->GetText(),
              tool->GetDescription());

    DoubleClick(list->viewport(), point);
    ASSERT_NE(core_->FindInstance("RuzovuZediziViz_01"), nullptr);
    EXPECT_TRUE(Row("RuzovuZediziViz_01").isValid());
    EXPECT_EQ(window_->GetTreePanel().GetSelected(), Item("RuzovuZediziViz_01"));
    EXPECT_EQ(host_->GetUndoLabels().back(), "Create Tool");

    // The panel's product button makes another.
    QTest::mouseClick(WidgetAs<QAbstractButton>(info->FindById(Tool::kInfoCreateButton)), Qt::LeftButton);
    EXPECT_NE(core_->FindInstance("RuzovuZediziViz_02"), nullptr);
}

TEST_F(MainWindowTest, RenamingInTheTreeIsAnUndoStepAndATakenNameIsRefused) {
    CreateFromList(1102, 102, "Torva RuzovuZediziViz");
    CreateFromList(1102, 102, "Torva VuzaZaderaRav");
    QTreeView* tree = TreeView();
    ClickCell(Row("RuzovuZediziViz_01"));
    QTest::keyClick(tree, Qt::Key_F2);
    auto* editor = tree->findChild<QLineEdit*>();
    ASSERT_NE(editor, nullptr);
    editor->selectAll();
    QTest::keyClicks(editor, "ChaseCam");
    QTest::keyClick(editor, Qt::Key_Return);
    QApplication::processEvents();
    QApplication::processEvents();
    EXPECT_NE(core_->FindInstance("ChaseCam"), nullptr);
    EXPECT_TRUE(Row("ChaseCam").isValid());
    EXPECT_EQ(host_->GetUndoLabels().back(), "Rename");

    ASSERT_TRUE(host_->undo());
    EXPECT_NE(core_->FindInstance("RuzovuZediziViz_01"), nullptr);
    EXPECT_TRUE(Row("RuzovuZediziViz_01").isValid()) << "the tree follows the host's undo";

    // A name another tool has is refused with a message; nothing changes.
    const std::size_t steps = host_->GetUndoLabels().size();
    window_->GetTreePanel().Select(Item("RuzovuZediziViz_01"));
    window_->RunCommand(MainWindow::kRename);
    editor = tree->findChild<QLineEdit*>();
    ASSERT_NE(editor, nullptr);
    editor->selectAll();
    QTest::keyClicks(editor, "VuzaZaderaRav_01");
    QTest::keyClick(editor, Qt::Key_Return);
    QApplication::processEvents();
    QApplication::processEvents();
    EXPECT_NE(core_->FindInstance("RuzovuZediziViz_01"), nullptr);
    EXPECT_EQ(host_->GetUndoLabels().size(), steps);
    ASSERT_FALSE(boxes_.Boxes().empty());
    EXPECT_NE(boxes_.Boxes().back().text.find("taken"), std::string::npos);
}

TEST_F(MainWindowTest, TheRecordFlagDecidesWhichToolsTakePartAndGroupsShowTheMix) {
    CreateFromList(1102, 102, "Torva RuzovuZediziViz");
    ASSERT_EQ(core_->CreateTool("VuzaZaderaRav"), "VuzaZaderaRav_01");
    window_->RunCommand(MainWindow::kNewGroup);
    InstanceReference* group = window_->GetTreePanel().GetSelected();
    ASSERT_NE(group, nullptr);
    ASSERT_TRUE(core_->InstanceManager::MoveItem(Item("RuzovuZediziViz_01"), group));
    ASSERT_TRUE(core_->InstanceManager::MoveItem(Item("VuzaZaderaRav_01"), group));
    window_->Refresh();

    ClickCell(Row("VuzaZaderaRav_01").siblingAtColumn(1 + ToolTreePanel::kRecordFlag));
    EXPECT_FALSE(Item("VuzaZaderaRav_01")->GetRecord());
    const std::vector<Instance*> recorded = core_->CollectInstances(InstanceManager::kRecordedInstances);
    ASSERT_EQ(recorded.size(), 2u);
    EXPECT_EQ(recorded[1]->GetName(), "RuzovuZediziViz_01");
    const QModelIndex groupFlag = Row(group->GetInstance()->GetName()).siblingAtColumn(1);
    EXPECT_EQ(groupFlag.data(gui::component::qt::NodeModel::kFlagRole).toInt(),
              static_cast<int>(FlagState::kUndetermined));
    // One click on the mixed group sets the whole group.
    ClickCell(Row(group->GetInstance()->GetName()).siblingAtColumn(1));
    EXPECT_TRUE(Item("VuzaZaderaRav_01")->GetRecord());
    EXPECT_EQ(core_->CollectInstances(InstanceManager::kRecordedInstances).size(), 3u);
}

TEST_F(MainWindowTest, DroppingARowUnderAnotherRegroupsTheToolAsOneUndoStep) {
    ASSERT_EQ(core_->CreateTool("VodiDOva"), "VodiDOva_01");
    ASSERT_EQ(core_->CreateTool("RuzovuZediziViz"), "RuzovuZediziViz_01");
    window_->Refresh();
    QMimeData* data = Model().mimeData({Row("RuzovuZediziViz_01")});
    ASSERT_TRUE(Model().dropMimeData(data, Qt::MoveAction, -1, 0, Row("VodiDOva_01")));
    delete data;
    QApplication::processEvents();
    EXPECT_EQ(Item("RuzovuZediziViz_01")->GetParent(), Item("VodiDOva_01"));
    EXPECT_EQ(host_->GetUndoLabels().back(), "Move tool");
    EXPECT_EQ(Row("RuzovuZediziViz_01").parent(), Row("VodiDOva_01"));

    ASSERT_TRUE(host_->undo());
    EXPECT_EQ(Item("RuzovuZediziViz_01")->GetParent(), core_->InstanceManager::GetRoot());
    EXPECT_FALSE(Row("RuzovuZediziViz_01").parent().isValid());
    ASSERT_TRUE(host_->redo());
    EXPECT_EQ(Item("RuzovuZediziViz_01")->GetParent(), Item("VodiDOva_01"));

    // A tool cannot go below itself.
    EXPECT_FALSE(core_->InstanceManager::MoveItem(Item("VodiDOva_01"), Item("RuzovuZediziViz_01")));
}

TEST_F(MainWindowTest, MenuCommandsCloneDeleteAndOpenTheProfilesAndAboutWindows) {
    ASSERT_EQ(core_->CreateTool("VodiDOva"), "VodiDOva_01");
    window_->Refresh();
    // Without a selection a command says what it needs.
    window_->RunCommand(MainWindow::kClone);
    ASSERT_FALSE(boxes_.Boxes().empty());
    EXPECT_EQ(boxes_.Boxes().back().text, "Select a tool in the tree first.");

    ClickCell(Row("VodiDOva_01"));
    auto* bar = Widget<QMenuBar>(MainWindow::kMenubar);
    ASSERT_NE(bar, nullptr);
    const auto trigger = [bar](const QString& text) {
        for (QAction* menu : bar->actions())
            for (QAction* action : menu->menu()->actions())
                if (action->text() == text) return action->trigger();
        FAIL() << text.toStdString();
    };
    trigger("Clone");
    EXPECT_NE(core_->FindInstance("VodiDOva_02"), nullptr);
    EXPECT_EQ(window_->GetTreePanel().GetSelected(), Item("VodiDOva_02"));
    trigger("Delete");
    EXPECT_EQ(core_->FindInstance("VodiDOva_02"), nullptr);
    EXPECT_FALSE(Row("VodiDOva_02").isValid());
    ASSERT_TRUE(host_->undo());
    EXPECT_TRUE(Row("VodiDOva_02").isValid()) << "the deleted tool comes back into the tree";

    // Save the configuration under a name typed in the profiles window, then load it back.
    ClickCell(Row("VodiDOva_01"));
    trigger("Save Configuration Profile...");
    ProfileChooser* chooser = core_->MainDlg::GetProfileChooser();
    ASSERT_NE(chooser, nullptr);
    ASSERT_TRUE(chooser->IsOpen());
    auto* name = WidgetAs<QLineEdit>(chooser->GetRoot()->FindById(ProfileChooser::kName));
    ASSERT_NE(name, nullptr);
    name->selectAll();
    QTest::keyClicks(name, "Gentle");
    QTest::mouseClick(WidgetAs<QAbstractButton>(chooser->GetRoot()->FindById(ProfileChooser::kOkButton)),
                      Qt::LeftButton);
    EXPECT_FALSE(chooser->IsOpen());
    Tool& tool = core_->FindInstance("VodiDOva_01")->GetTool();
    EXPECT_TRUE(tool.GetConfigProfileManager().HasProfile("Gentle"));
    trigger("Delete Configuration Profile...");
    EXPECT_TRUE(chooser->IsOpen());
    const std::vector<std::string> deletable = chooser->GetNames();
    EXPECT_EQ(deletable, std::vector<std::string>{"Gentle"}) << "factory profiles are not offered";
    EXPECT_FALSE(chooser->Apply("Factory Settings"));
    EXPECT_TRUE(chooser->Apply("Gentle"));
    EXPECT_FALSE(tool.GetConfigProfileManager().HasProfile("Gentle"));

    trigger("About Torva Suite");
    AboutWindow* about = core_->MainDlg::GetAbout();
    ASSERT_NE(about, nullptr);
    EXPECT_TRUE(about->GetWidget()->isVisible());
    EXPECT_EQ(about->GetProduct(), "Torva Suite");
}

TEST_F(MainWindowTest, RecordStartsATakeSpaceStopsItAndTheTimelineEndStopsItUnlessAutoExpandIsOn) {
    ASSERT_EQ(core_->CreateTool("VodiDOva"), "VodiDOva_01");
    host_->GetScene().SetPlaybackRange({0.0, 0.4});
    auto* countdown = Widget<QCheckBox>(RecordPanel::kCountdownBox);
    ASSERT_TRUE(countdown->isChecked());
    ClickCheckBox(*countdown);
    EXPECT_TRUE(core_->GetSettings().flag112) << "the count-down switched off is kept in the settings";

    auto* record = Widget<QAbstractButton>(RecordPanel::kRecordButton);
    QTest::mouseClick(record, Qt::LeftButton);
    ASSERT_TRUE(core_->IsRecording());
    EXPECT_TRUE(record->isChecked()) << "the button shows its stop state";
    EXPECT_FALSE(Widget<QWidget>(RecordPanel::kResimulateButton)->isEnabled());
    EXPECT_EQ(Widget<QLabel>(RecordPanel::kStatusLabel)->text(), "Recording (Space stops)");
    // The key goes to the window as the window system delivers it.
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window_->GetWidget()));
    QTest::keyClick(window_->GetWidget()->windowHandle(), Qt::Key_Space);
    EXPECT_FALSE(core_->IsRecording());
    EXPECT_FALSE(record->isChecked());
    EXPECT_EQ(host_->GetUndoLabels().back(), "Record");

    // Auto-expand off: the take ends at the timeline's end.
    ASSERT_FALSE(Widget<QCheckBox>(RecordPanel::kAutoExpandBox)->isChecked());
    QTest::mouseClick(record, Qt::LeftButton);
    ASSERT_TRUE(core_->IsRecording());
    for (int tick = 0; tick < 20 && core_->IsRecording(); ++tick) {
        clock_.Advance(40);
        core_->RecordManager::OnTimer(RecordManager::kRecordTimer, clock_.Now());
    }
    EXPECT_FALSE(core_->IsRecording());
    EXPECT_DOUBLE_EQ(host_->getPlaybackRange().second, 0.4);

    // Auto-expand on: the timeline grows instead.
    ClickCheckBox(*Widget<QCheckBox>(RecordPanel::kAutoExpandBox));
    QTest::mouseClick(record, Qt::LeftButton);
    host_->setCurrentTime(0.0);
    for (int tick = 0; tick < 20; ++tick) {
        clock_.Advance(40);
        core_->RecordManager::OnTimer(RecordManager::kRecordTimer, clock_.Now());
    }
    EXPECT_TRUE(core_->IsRecording());
    EXPECT_GT(host_->getPlaybackRange().second, 0.4);
    QTest::mouseClick(record, Qt::LeftButton);
    EXPECT_FALSE(core_->IsRecording());
}

TEST_F(MainWindowTest, LowPolyOnRecordShowsTheHelpersAndHidesTheModelsForTheTakeOnly) {
    Plugin::Register(*new Library("rigged", nullptr), new RiggedDescriptor());
    ASSERT_EQ(core_->CreateTool("Rigged"), "Rigged_01");
    Instance* instance = core_->FindInstance("Rigged_01");
    auto* tool = dynamic_cast<RiggedObject*>(instance->GetObject());
    ASSERT_NE(tool, nullptr);
    ASSERT_NE(tool->helper, nullptr);
    // The instance's model: geometry it holds that the tool did not make (as a pre-rigged model brings).
    const util::CMesh_Box body(2.0, 1.0, 4.0);
    tool->model = host_->createMesh(instance, "Body", nullptr, body, nullptr);
    ASSERT_NE(tool->model, nullptr);
    tool->helper->hide();
    window_->Refresh();
    ClickCheckBox(*Widget<QCheckBox>(RecordPanel::kCountdownBox));
    ClickCheckBox(*Widget<QCheckBox>(RecordPanel::kLowPolyBox));
    EXPECT_TRUE(core_->GetSettings().flag114);

    QTest::mouseClick(Widget<QAbstractButton>(RecordPanel::kRecordButton), Qt::LeftButton);
    ASSERT_TRUE(core_->IsRecording());
    EXPECT_TRUE(tool->helper->isVisible());
    EXPECT_FALSE(tool->model->isVisible());
    EXPECT_TRUE(tool->camera->isVisible());
    core_->StopRecording();
    EXPECT_FALSE(tool->helper->isVisible()) << "the scene shows what it showed before the take";
    EXPECT_TRUE(tool->model->isVisible());

    // The tree's display flags show and hide the same nodes by hand.
    ClickCell(Row("Rigged_01").siblingAtColumn(1 + ToolTreePanel::kLowPolyFlag));
    EXPECT_TRUE(tool->helper->isVisible());
    ClickCell(Row("Rigged_01").siblingAtColumn(1 + ToolTreePanel::kHighPolyFlag));
    EXPECT_FALSE(tool->model->isVisible());
}

TEST_F(MainWindowTest, ToolsOpenTheirInputConfigurationThroughTheCore) {
    ASSERT_EQ(core_->CreateTool("VodiDOva"), "VodiDOva_01");
    Instance* instance = core_->FindInstance("VodiDOva_01");
    instance->openInputConfiguration();
    InputConfigurationDialog* dialog = core_->MainDlg::GetInputDialog();
    ASSERT_NE(dialog, nullptr);
    EXPECT_TRUE(dialog->IsOpen());
    EXPECT_EQ(dialog->GetInstance(), instance);
    // The menu reaches the same dialog and the configuration window for the selected tool.
    window_->Refresh();
    ClickCell(Row("VodiDOva_01"));
    window_->RunCommand(MainWindow::kConfiguration);
    EXPECT_TRUE(core_->MainDlg::GetConfigurationWindow().IsOpen());
    EXPECT_EQ(core_->MainDlg::GetConfigurationWindow().GetInstance(), instance);
    // A double click on the row opens the configuration too, and deleting the tool closes them.
    core_->MainDlg::GetConfigurationWindow().Close();
    DoubleClick(TreeView()->viewport(), TreeView()->visualRect(Row("VodiDOva_01")).center());
    EXPECT_TRUE(core_->MainDlg::GetConfigurationWindow().IsOpen());
    core_->DeleteInstance("VodiDOva_01");
    EXPECT_FALSE(dialog->IsOpen());
    EXPECT_FALSE(core_->MainDlg::GetConfigurationWindow().IsOpen());
}

TEST_F(MainWindowTest, MainWindowCommandShowsWhatChangedBehindTheWindowsBack) {
    // The instance manager alone does not tell the window; the core's command brings it up to date.
    ASSERT_NE(core_->InstanceManager::CreateTool(*LibraryManager::Instance().FindTool("Gyro")), nullptr);
    EXPECT_FALSE(Row("Gyro_01").isValid());
    core_->MainWindowCommand();
    EXPECT_TRUE(Row("Gyro_01").isValid());
}

TEST_F(MainWindowTest, TheSlowMotionSpinnerSetsTheLevelAndFollowsTheCommands) {
    auto* spinner = Widget<QAbstractSpinBox>(RecordPanel::kSlowLevelSpinner);
    ASSERT_NE(spinner, nullptr);
    TypeIntoSpinner(*spinner, "3");
    EXPECT_EQ(core_->GetSlowLevel(), 3);
    core_->SetSlowLevel(5);
    EXPECT_EQ(spinner->text(), "5") << "the window shows a level set elsewhere";
}

TEST_F(MainWindowTest, MainWindowGeometry) {
    ASSERT_EQ(core_->CreateTool("VodiDOva"), "VodiDOva_01");
    ASSERT_EQ(core_->CreateTool("RuzovuZediziViz"), "RuzovuZediziViz_01");
    window_->Refresh();
    QTest::mouseClick(Widget<QAbstractButton>(1102), Qt::LeftButton);
    QListWidget* list = List(102);
    const QPoint point = list->visualItemRect(Entry(*list, "Torva RuzovuZediziViz")).center();
    QMouseEvent move(QEvent::MouseMove, point, list->viewport()->mapToGlobal(point), Qt::NoButton,
                     Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(list->viewport(), &move);
    QWidget* widget = window_->GetWidget();
    QApplication::processEvents();
    vex::test::ExpectCleanWindow(*widget, "main_window");

    window_->RunCommand(MainWindow::kAbout);
    QWidget* about = core_->MainDlg::GetAbout()->GetWidget();
    QApplication::processEvents();
    vex::test::ExpectCleanWindow(*about, "about");

    window_->GetTreePanel().Select(Item("VodiDOva_01"));
    window_->RunCommand(MainWindow::kLoadConfigProfile);
    QWidget* profiles = core_->MainDlg::GetProfileChooser()->GetWidget();
    QApplication::processEvents();
    vex::test::ExpectCleanWindow(*profiles, "profiles");
}

} // namespace
} // namespace vex::orb::core::test
