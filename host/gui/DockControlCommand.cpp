#include "host/gui/DockControlCommand.h"

#include <QDockWidget>
#include <QMainWindow>
#include <maya/MArgList.h>
#include <maya/MString.h>

#include <string>

namespace vex::host::gui {

namespace {

QMainWindow* gWindow = nullptr;
constexpr const char* kUsage = "Usage: dockControl (-exists | -q (-visible | -label | -area)) NAME";

const char* AreaName(const QMainWindow& window, QDockWidget& dock) {
    if (dock.isFloating()) return "floating";
    switch (window.dockWidgetArea(&dock)) {
    case Qt::LeftDockWidgetArea:
        return "left";
    case Qt::RightDockWidgetArea:
        return "right";
    case Qt::TopDockWidgetArea:
        return "top";
    case Qt::BottomDockWidgetArea:
        return "bottom";
    default:
        return "floating";
    }
}

} // namespace

CommandSyntax DockControlCommand::Syntax() {
    return CommandSyntax()
        .Query()
        .flag("-ex", "-exists")
        .flag("-vis", "-visible")
        .flag("-l", "-label")
        .flag("-a", "-area");
}

void DockControlCommand::SetWindow(QMainWindow* window) {
    gWindow = window;
}

MStatus DockControlCommand::doIt(const MArgList& args) {
    if (gWindow == nullptr) return MStatus(MStatus::kFailure, "no host window is open.");
    const unsigned int none = MArgList::kInvalidArgIndex;
    if (args.length() == 0) return MStatus(MStatus::kInvalidParameter, kUsage);
    // The dock's name comes last, as Maya's UI commands take it.
    const std::string name = args.asString(args.length() - 1).asChar();
    QDockWidget* dock = gWindow->findChild<QDockWidget*>(QString::fromStdString(name));
    if (args.flagIndex("-ex", "-exists") != none) {
        setResult(dock != nullptr);
        return MStatus::kSuccess;
    }
    if (dock == nullptr)
        return MStatus(MStatus::kInvalidParameter, MString(("no dock is named " + name + ".").c_str()));
    if (args.flagIndex("-q", "-query") != none) {
        if (args.flagIndex("-vis", "-visible") != none) {
            setResult(!dock->isHidden());
        } else if (args.flagIndex("-l", "-label") != none) {
            setResult(MString(dock->windowTitle().toUtf8().constData()));
        } else if (args.flagIndex("-a", "-area") != none) {
            setResult(AreaName(*gWindow, *dock));
        } else {
            return MStatus(MStatus::kInvalidParameter, "-q needs -visible, -label or -area.");
        }
        return MStatus::kSuccess;
    }
    return MStatus(MStatus::kInvalidParameter, kUsage);
}

} // namespace vex::host::gui
