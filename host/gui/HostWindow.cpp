#include "host/gui/HostWindow.h"

#include "host/gui/AttributePanel.h"
#include "host/gui/CommandLine.h"
#include "host/gui/HostCommands.h"
#include "host/gui/Outliner.h"
#include "host/gui/ScriptOutput.h"
#include "host/gui/Timeline.h"

#include "host/scene/UndoQueue.h"

#include <maya/MFileIO.h>

#include <QApplication>
#include <QCloseEvent>
#include <QDockWidget>
#include <QFileDialog>
#include <QLabel>
#include <QMenuBar>
#include <QSettings>
#include <QVBoxLayout>

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
    : QMainWindow(parent), m_outliner(new Outliner), m_attributes(new AttributePanel),
      m_timeline(new Timeline), m_output(new ScriptOutput), m_commandLine(new CommandLine),
      m_recent(Settings().value(kRecentKey).toStringList()), m_watcher([this] { followUndoQueue(); }, {}) {
    setWindowTitle(QStringLiteral("Torva Host"));
    auto* viewport = new QLabel(QStringLiteral("The 3D viewport is not part of this build yet.\n"
                                               "Scenes, tools and takes work through the panels around it."));
    viewport->setAlignment(Qt::AlignCenter);
    viewport->setWordWrap(true);
    viewport->setMinimumSize(320, 200);
    setCentralWidget(viewport);

    m_commandLine->setOutput(m_output);
    auto* bottom = new QWidget;
    auto* column = new QVBoxLayout(bottom);
    column->setContentsMargins(4, 4, 4, 4);
    column->addWidget(m_timeline);
    column->addWidget(m_output, 1);
    column->addWidget(m_commandLine);

    addDockWidget(Qt::LeftDockWidgetArea, Dock(QStringLiteral("Outliner"), m_outliner, *this));
    addDockWidget(Qt::RightDockWidgetArea, Dock(QStringLiteral("Attributes"), m_attributes, *this));
    addDockWidget(Qt::BottomDockWidgetArea, Dock(QStringLiteral("Timeline and Script"), bottom, *this));
    buildMenus();
    markSaved();
}

void HostWindow::buildMenus() {
    QMenu* file = menuBar()->addMenu(QStringLiteral("&File"));
    file->addAction(QStringLiteral("&New Scene"), QKeySequence::New, this, [this] {
        if (confirmDiscard() && runCommand("file", {Flag{"-new"}, Flag{"-f"}}, false)) markSaved();
    });
    file->addAction(QStringLiteral("&Open Scene..."), QKeySequence::Open, this, [this] {
        if (!confirmDiscard()) return;
        const QString path = askForScene(QStringLiteral("Open Scene"), false);
        if (!path.isEmpty()) openScene(path);
    });
    file->addAction(QStringLiteral("&Save Scene"), QKeySequence::Save, this, [this] { saveScene(); });
    file->addAction(QStringLiteral("Save Scene &As..."), QKeySequence::SaveAs, this, [this] {
        const QString path = askForScene(QStringLiteral("Save Scene As"), true);
        if (!path.isEmpty()) saveSceneAs(path);
    });
    file->addAction(QStringLiteral("&Import..."), this, [this] {
        const QString path = askForScene(QStringLiteral("Import"), false);
        if (!path.isEmpty()) importScene(path);
    });
    m_recentMenu = file->addMenu(QStringLiteral("&Recent Files"));
    fillRecentMenu();
    file->addSeparator();
    file->addAction(QStringLiteral("&Quit"), QKeySequence::Quit, this, [this] {
        // Quitting ends the suite's windows too, once the scene is saved or let go.
        if (close()) QApplication::quit();
    });
    // Undo and redo go through the host's queue, so Ctrl+Z takes back a take or a typed command alike
    // (a text field with the focus keeps the keys for its own text).
    QMenu* edit = menuBar()->addMenu(QStringLiteral("&Edit"));
    edit->addAction(QStringLiteral("&Undo"), QKeySequence::Undo, this, [] { runCommand("undo", {}, false); });
    QAction* redo = edit->addAction(QStringLiteral("&Redo"), this, [] { runCommand("redo", {}, false); });
    // Both usual keys, whatever the desktop's own choice is.
    redo->setShortcuts({QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
    QMenu* suite = menuBar()->addMenu(QStringLiteral("&Torva Suite"));
    suite->addAction(QStringLiteral("Show Torva Suite"), this,
                     [] { runCommand("TorvaShowUICmd", {}, false); });
}

void HostWindow::fillRecentMenu() {
    m_recentMenu->clear();
    for (const QString& path : m_recent) {
        m_recentMenu->addAction(path, this, [this, path] {
            if (confirmDiscard()) openScene(path);
        });
    }
    m_recentMenu->setEnabled(!m_recent.isEmpty());
}

void HostWindow::remember(const QString& path) {
    m_recent.removeAll(path);
    m_recent.prepend(path);
    while (m_recent.size() > kRecentFiles) m_recent.removeLast();
    Settings().setValue(kRecentKey, m_recent);
    fillRecentMenu();
}

bool HostWindow::openScene(const QString& path) {
    // The caller has asked about unsaved changes (the menu does): opening replaces the scene.
    if (!runCommand("file", {Flag{"-open"}, Flag{"-f"}, path.toStdString()}, false)) return false;
    markSaved();
    remember(path);
    return true;
}

bool HostWindow::saveSceneAs(const QString& path) {
    if (!runCommand("file", {Flag{"-rename"}, path.toStdString()}, false) ||
        !runCommand("file", {Flag{"-save"}, Flag{"-type"}, std::string("mayaAscii")}, false))
        return false;
    markSaved();
    remember(path);
    return true;
}

bool HostWindow::saveScene() {
    const QString current = QString::fromStdString(MFileIO::currentFile().asChar());
    if (current.isEmpty()) {
        const QString path = askForScene(QStringLiteral("Save Scene As"), true);
        return !path.isEmpty() && saveSceneAs(path);
    }
    return saveSceneAs(current);
}

QString HostWindow::askForScene(const QString& title, bool toSave) {
    return toSave ? QFileDialog::getSaveFileName(this, title, QString(), kSceneFilter)
                  : QFileDialog::getOpenFileName(this, title, QString(), kSceneFilter);
}

bool HostWindow::importScene(const QString& path) {
    // Importing adds to the scene: it is a change still to be saved.
    if (!runCommand("file", {Flag{"-import"}, path.toStdString()}, false)) return false;
    m_modified = true;
    return true;
}

bool HostWindow::confirmDiscard() {
    followUndoQueue();
    if (!m_modified) return true;
    const QMessageBox::StandardButton answer =
        m_question ? m_question()
                   : QMessageBox::question(this, QStringLiteral("Unsaved Changes"),
                                           QStringLiteral("Save changes to the scene first?"),
                                           QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel,
                                           QMessageBox::Save);
    if (answer == QMessageBox::Discard) return true;
    if (answer == QMessageBox::Save) return saveScene();
    return false;
}

void HostWindow::closeEvent(QCloseEvent* event) {
    if (confirmDiscard())
        event->accept();
    else
        event->ignore();
}

void HostWindow::followUndoQueue() {
    const UndoQueue& queue = UndoQueue::get();
    if (queue.size() != m_undoSize || queue.position() != m_undoPosition) m_modified = true;
    m_undoSize = queue.size();
    m_undoPosition = queue.position();
}

void HostWindow::markSaved() {
    m_modified = false;
    m_undoSize = UndoQueue::get().size();
    m_undoPosition = UndoQueue::get().position();
}

} // namespace vex::host::gui
