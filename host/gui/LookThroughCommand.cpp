#include "host/gui/LookThroughCommand.h"

#include "host/gui/Viewport.h"
#include "host/scene/Scene.h"

#include <maya/MArgList.h>
#include <maya/MString.h>

namespace vex::host::gui {

namespace {

Viewport* gViewport = nullptr;

} // namespace

CommandSyntax LookThroughCommand::Syntax() {
    return CommandSyntax().Query().flag("-fr", "-free");
}

void LookThroughCommand::SetViewport(Viewport* viewport) {
    gViewport = viewport;
}

MStatus LookThroughCommand::doIt(const MArgList& args) {
    if (gViewport == nullptr) return MStatus(MStatus::kFailure, "no host window is open.");
    if (args.flagIndex("-q", "-query") != MArgList::kInvalidArgIndex) {
        setResult(MString(gViewport->ViewName().toUtf8().constData()));
        return MStatus::kSuccess;
    }
    if (args.flagIndex("-fr", "-free") != MArgList::kInvalidArgIndex) {
        gViewport->LookThrough(nullptr);
        return MStatus::kSuccess;
    }
    if (args.length() != 1)
        return MStatus(MStatus::kInvalidParameter, "Usage: lookThru (camera | -q | -free)");
    const std::string name = args.asString(0).asChar();
    const NodePtr node = Scene::Instance().findNode(name);
    if (!node)
        return MStatus(MStatus::kInvalidParameter, MString(("no node is named " + name + ".").c_str()));
    if (!gViewport->LookThrough(node))
        return MStatus(MStatus::kInvalidParameter, MString((name + " is not a camera.").c_str()));
    return MStatus::kSuccess;
}

} // namespace vex::host::gui
