#include "host/gui/HostWindow.h"

#include "host/gui/AttributePanel.h"
#include "host/gui/CommandLine.h"
#include "host/gui/DockControlCommand.h"
#include "host/gui/HostCommands.h"
#include "host/gui/LookThroughCommand.h"
#include "host/gui/Outliner.h"
#include "host/gui/ScriptOutput.h"
#include "host/gui/ShelfBar.h"
#include "host/gui/Timeline.h"
#include "host/gui/Viewport.h"
#include "host/gui/WindowCommands.h"
#include "host/scene/Scene.h"
#include "host/scene/UndoQueue.h"
#include "host/scene/Views.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDockWidget>
#include <QFileDialog>
#include <QMenuBar>
#include <QSettings>
#include <QVBoxLayout>
#include <maya/MFileIO.h>
#include <maya/MGlobal.h>

namespace vex::host::gui {

namespace {

constexpr int kRecentFiles = 8;
const char* const kRecentKey = "recentFiles";
const QString kSceneFilter = QStringLiteral("Scenes (*.ma)");

QSettings Settings() {
    return QSettings(QStringLiteral("Torva Labs"), QStringLiteral("torva-host"));
}

QDockWidget* Dock(const QString& title, QWidget* content, QMainWindow& window) {
    auto* dock = new QDockWidget(title, &window);
    dock->setObjectName(title);
    dock->setWidget(content);
    dock->setFeatures(QDockWidget::DockWidgetMovable | QDockWidget::DockWidgetFloatable);
    return dock;
}

} // namespace

HostWindow::HostWindow(QWidget* parent)
    : QMainWindow(parent), outliner_(new Outliner), attributes_(new AttributePanel), timeline_(new Timeline),
      output_(new ScriptOutput), commandLine_(new CommandLine), viewport_(new Viewport),
      recent_(Settings().value(kRecentKey).toStringList()), watcher_([this] { FollowUndoQueue(); }, {}) {
    setWindowTitle(QStringLiteral("Torva Host"));
    setCentralWidget(viewport_);

    commandLine_->SetOutput(output_);
    auto* bottom = new QWidget;
    auto* column = new QVBoxLayout(bottom);
    column->setContentsMargins(4, 4, 4, 4);
    column->addWidget(timeline_);
    column->addWidget(output_, 1);
    column->addWidget(commandLine_);

    QDockWidget* outliner = Dock(QStringLiteral("Outliner"), outliner_, *this);
    QDockWidget* attributes = Dock(QStringLiteral("Attributes"), attributes_, *this);
    QDockWidget* script = Dock(QStringLiteral("Timeline and Script"), bottom, *this);
    addDockWidget(Qt::LeftDockWidgetArea, outliner);
    addDockWidget(Qt::RightDockWidgetArea, attributes);
    addDockWidget(Qt::BottomDockWidgetArea, script);
    // The shelves sit above the viewport and show once a script or plug-in makes one.
    auto* shelf = new ShelfBar;
    shelf_ = shelf;
    QDockWidget* shelfDock = Dock(QStringLiteral("Shelf"), shelf, *this);
    addDockWidget(Qt::TopDockWidgetArea, shelfDock);
    shelfDock->setVisible(shelf->count() > 0);
    shelfDock->setTitleBarWidget(new QWidget(shelfDock));
    QObject::connect(shelf, &QTabWidget::currentChanged, shelfDock,
                     [shelf, shelfDock] { shelfDock->setVisible(shelf->count() > 0); });
    // The viewport gets most of the window; the panels keep what their content needs.
    resizeDocks({outliner, attributes}, {180, 300}, Qt::Horizontal);
    resizeDocks({script}, {200}, Qt::Vertical);
    BuildMenus();
    MarkSaved();
    InstallWindowCommands();
    LookThroughCommand::SetViewport(viewport_);
    DockControlCommand::SetWindow(this);
    // Plug-ins find this window through the API's application shell, to dock their windows in it.
    Views::get().SetApplicationShell(static_cast<unsigned long>(winId()));
}

HostWindow::~HostWindow() {
    LookThroughCommand::SetViewport(nullptr);
    DockControlCommand::SetWindow(nullptr);
    if (Views::get().applicationShell() == static_cast<unsigned long>(internalWinId()))
        Views::get().SetApplicationShell(0);
}

void HostWindow::BuildMenus() {
    QMenu* file = menuBar()->addMenu(QStringLiteral("&File"));
    file->addAction(QStringLiteral("&New Scene"), QKeySequence::New, this, [this] {
        if (ConfirmDiscard() && RunCommand("file", {Flag{"-new"}, Flag{"-f"}}, false)) MarkSaved();
    });
    file->addAction(QStringLiteral("&Open Scene..."), QKeySequence::Open, this, [this] {
        if (!ConfirmDiscard()) return;
        const QString path = AskForScene(QStringLiteral("Open Scene"), false);
        if (!path.isEmpty()) OpenScene(path);
    });
    file->addAction(QStringLiteral("&Save Scene"), QKeySequence::Save, this, [this] { SaveScene(); });
    file->addAction(QStringLiteral("Save Scene &As..."), QKeySequence::SaveAs, this, [this] {
        const QString path = AskForScene(QStringLiteral("Save Scene As"), true);
        if (!path.isEmpty()) SaveSceneAs(path);
    });
    file->addAction(QStringLiteral("&Import..."), this, [this] {
        const QString path = AskForScene(QStringLiteral("Import"), false);
        if (!path.isEmpty()) ImportScene(path);
    });
    recentMenu_ = file->addMenu(QStringLiteral("&Recent Files"));
    FillRecentMenu();
    file->addSeparator();
    file->addAction(QStringLiteral("&Quit"), QKeySequence::Quit, this, [this] {
        // Quitting ends the suite's windows too, once the scene is saved or let go.
        if (close()) QApplication::quit();
    });
    // Undo and redo go through the host's queue, so Ctrl+Z takes back a take or a typed command alike
    // (a text field with the focus keeps the keys for its own text).
    QMenu* edit = menuBar()->addMenu(QStringLiteral("&Edit"));
    edit->addAction(QStringLiteral("&Undo"), QKeySequence::Undo, this, [] { RunCommand("undo", {}, false); });
    QAction* redo = edit->addAction(QStringLiteral("&Redo"), this, [] { RunCommand("redo", {}, false); });
    // Both usual keys, whatever the desktop's own choice is.
    redo->setShortcuts({QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
    BuildViewMenu();
    QMenu* suite = menuBar()->addMenu(QStringLiteral("&Torva Suite"));
    suite->addAction(QStringLiteral("Show Torva Suite"), this,
                     [] { RunCommand("TorvaShowUICmd", {}, false); });
}

void HostWindow::BuildViewMenu() {
    QMenu* view = menuBar()->addMenu(QStringLiteral("&View"));
    // The keys work in the viewport itself; the menu names them.
    view->addAction(QStringLiteral("Frame Selected\tF"), this, [this] { viewport_->FrameSelected(); });
    view->addAction(QStringLiteral("Frame All\tA"), this, [this] { viewport_->FrameAll(); });
    view->addSeparator();
    view->addAction(QStringLiteral("&Perspective"), this, [this] { viewport_->LookThrough(nullptr); });
    view->addAction(QStringLiteral("Look Through &Selected"), this, [this] {
        const std::vector<NodePtr> selection = Scene::Instance().Selection();
        if (selection.empty() || !viewport_->LookThrough(selection.front())) {
            MGlobal::displayError("Look Through Selected: select a camera first.");
            output_->ShowNewLines();
        }
    });
    // Every camera of the scene, a tool's cameras included, listed anew each time the menu opens.
    QMenu* cameras = view->addMenu(QStringLiteral("Look &Through"));
    connect(cameras, &QMenu::aboutToShow, this, [this, cameras] {
        cameras->clear();
        const NodePtr current = viewport_->LookedThrough();
        for (const NodePtr& node : Scene::Instance().nodes()) {
            if (!node->IsAlive() || !node->HasFn(MFn::kCamera) || !node->parent()) continue;
            QAction* action = cameras->addAction(QString::fromStdString(node->parent()->name()), this,
                                                 [this, node] { viewport_->LookThrough(node); });
            action->setCheckable(true);
            action->setChecked(node == current);
        }
    });
}

void HostWindow::FillRecentMenu() {
    recentMenu_->clear();
    for (const QString& path : recent_) {
        recentMenu_->addAction(path, this, [this, path] {
            if (ConfirmDiscard()) OpenScene(path);
        });
    }
    recentMenu_->setEnabled(!recent_.isEmpty());
}

void HostWindow::Remember(const QString& path) {
    recent_.removeAll(path);
    recent_.prepend(path);
    while (recent_.size() > kRecentFiles) recent_.removeLast();
    Settings().setValue(kRecentKey, recent_);
    FillRecentMenu();
}

bool HostWindow::OpenScene(const QString& path) {
    // The caller has asked about unsaved changes (the menu does): opening replaces the scene.
    if (!RunCommand("file", {Flag{"-open"}, Flag{"-f"}, path.toStdString()}, false)) return false;
    MarkSaved();
    Remember(path);
    return true;
}

bool HostWindow::SaveSceneAs(const QString& path) {
    if (!RunCommand("file", {Flag{"-rename"}, path.toStdString()}, false) ||
        !RunCommand("file", {Flag{"-save"}, Flag{"-type"}, std::string("mayaAscii")}, false))
        return false;
    MarkSaved();
    Remember(path);
    return true;
}

bool HostWindow::SaveScene() {
    const QString current = QString::fromStdString(MFileIO::currentFile().asChar());
    if (current.isEmpty()) {
        const QString path = AskForScene(QStringLiteral("Save Scene As"), true);
        return !path.isEmpty() && SaveSceneAs(path);
    }
    return SaveSceneAs(current);
}

QString HostWindow::AskForScene(const QString& title, bool toSave) {
    return toSave ? QFileDialog::getSaveFileName(this, title, QString(), kSceneFilter)
                  : QFileDialog::getOpenFileName(this, title, QString(), kSceneFilter);
}

bool HostWindow::ImportScene(const QString& path) {
    // Importing adds to the scene: it is a change still to be saved.
    if (!RunCommand("file", {Flag{"-import"}, path.toStdString()}, false)) return false;
    modified_ = true;
    return true;
}

bool HostWindow::ConfirmDiscard() {
    FollowUndoQueue();
    if (!modified_) return true;
    const QMessageBox::StandardButton answer =
        question_ ? question_()
                  : QMessageBox::question(this, QStringLiteral("Unsaved Changes"),
                                          QStringLiteral("Save changes to the scene first?"),
                                          QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel,
                                          QMessageBox::Save);
    if (answer == QMessageBox::Discard) return true;
    if (answer == QMessageBox::Save) return SaveScene();
    return false;
}

void HostWindow::closeEvent(QCloseEvent* event) {
    if (ConfirmDiscard())
        event->accept();
    else
        event->ignore();
}

void HostWindow::FollowUndoQueue() {
    const UndoQueue& queue = UndoQueue::get();
    if (queue.size() != undoSize_ || queue.Position() != undoPosition_) modified_ = true;
    undoSize_ = queue.size();
    undoPosition_ = queue.Position();
}

void HostWindow::MarkSaved() {
    modified_ = false;
    undoSize_ = UndoQueue::get().size();
    undoPosition_ = UndoQueue::get().Position();
}

} // namespace vex::host::gui
