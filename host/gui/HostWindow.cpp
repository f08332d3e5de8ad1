#include "host/gui/HostWindow.h"

#include "host/gui/AttributePanel.h"
#include "host/gui/CommandLine.h"
#include "host/gui/HostCommands.h"
#include "host/gui/Outliner.h"
#include "host/gui/ScriptOutput.h"
#include "host/gui/Timeline.h"

#include <QApplication>
#include <QDockWidget>
#include <QFileDialog>
#include <QLabel>
#include <QMenuBar>
#include <QVBoxLayout>

namespace vex::host::gui {

namespace {

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
      m_timeline(new Timeline), m_output(new ScriptOutput), m_commandLine(new CommandLine) {
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
}

void HostWindow::buildMenus() {
    QMenu* file = menuBar()->addMenu(QStringLiteral("&File"));
    file->addAction(QStringLiteral("&New Scene"), this, [] {
        runCommand("file", {Flag{"-new"}, Flag{"-f"}}, false);
    });
    file->addAction(QStringLiteral("&Open Scene..."), this, [this] {
        const QString path = QFileDialog::getOpenFileName(this, QStringLiteral("Open Scene"), QString(),
                                                          QStringLiteral("Scenes (*.ma)"));
        if (!path.isEmpty()) openScene(path);
    });
    file->addAction(QStringLiteral("Save Scene &As..."), this, [this] {
        const QString path = QFileDialog::getSaveFileName(this, QStringLiteral("Save Scene As"), QString(),
                                                          QStringLiteral("Scenes (*.ma)"));
        if (!path.isEmpty()) saveSceneAs(path);
    });
    file->addSeparator();
    file->addAction(QStringLiteral("&Quit"), this, [] { QApplication::quit(); });
    QMenu* suite = menuBar()->addMenu(QStringLiteral("&Torva Suite"));
    suite->addAction(QStringLiteral("Show Torva Suite"), this,
                     [] { runCommand("TorvaShowUICmd", {}, false); });
}

bool HostWindow::openScene(const QString& path) {
    // Opening replaces the scene as it stands; asking about unsaved changes is still to come.
    return runCommand("file", {Flag{"-open"}, Flag{"-f"}, path.toStdString()}, false);
}

bool HostWindow::saveSceneAs(const QString& path) {
    return runCommand("file", {Flag{"-rename"}, path.toStdString()}, false) &&
           runCommand("file", {Flag{"-save"}, Flag{"-type"}, std::string("mayaAscii")}, false);
}

} // namespace vex::host::gui
