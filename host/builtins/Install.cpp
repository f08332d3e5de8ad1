#include "Install.h"

#include "AttributeCommands.h"
#include "JournaledCommand.h"
#include "NodeCommands.h"
#include "PolyCommands.h"
#include "SelectionCommands.h"
#include "SetsCommand.h"
#include "SettingsCommands.h"
#include "TimeCommands.h"
#include "UiCommands.h"
#include "UiState.h"

#include "host/command/Interpreter.h"
#include "host/scene/CommandRegistry.h"

namespace vex::host::builtins {

namespace {

struct Entry {
    const char* name;
    CommandRegistry::Creator creator;
};

template <CommandFunction Body>
constexpr Entry entry(const char* name) {
    return {name, &JournaledCommand::creator<Body>};
}

} // namespace

void install(command::Interpreter& interpreter) {
    static const Entry entries[] = {entry<createNodeCommand>("createNode"),
                                    entry<renameCommand>("rename"),
                                    entry<deleteCommand>("delete"),
                                    entry<parentCommand>("parent"),
                                    entry<duplicateCommand>("duplicate"),
                                    entry<selectCommand>("select"),
                                    entry<lsCommand>("ls"),
                                    entry<setAttrCommand>("setAttr"),
                                    entry<getAttrCommand>("getAttr"),
                                    entry<addAttrCommand>("addAttr"),
                                    entry<deleteAttrCommand>("deleteAttr"),
                                    entry<connectAttrCommand>("connectAttr"),
                                    entry<disconnectAttrCommand>("disconnectAttr"),
                                    entry<currentTimeCommand>("currentTime"),
                                    entry<playbackOptionsCommand>("playbackOptions"),
                                    entry<playCommand>("play"),
                                    entry<filterCurveCommand>("filterCurve"),
                                    entry<currentUnitCommand>("currentUnit"),
                                    entry<upAxisCommand>("upAxis"),
                                    entry<requiresCommand>("requires"),
                                    entry<fileInfoCommand>("fileInfo"),
                                    entry<hotkeyCommand>("hotkey"),
                                    entry<nameCommandCommand>("nameCommand"),
                                    entry<shelfLayoutCommand>("shelfLayout"),
                                    entry<layoutCommand>("layout"),
                                    entry<addNewShelfTabCommand>("addNewShelfTab"),
                                    entry<shelfButtonCommand>("shelfButton"),
                                    entry<deleteShelfTabCommand>("deleteShelfTab"),
                                    entry<shelfTabLayoutCommand>("shelfTabLayout"),
                                    entry<confirmDialogCommand>("confirmDialog"),
                                    entry<echoCommand>("echo"),
                                    entry<polySoftEdgeCommand>("polySoftEdge"),
                                    entry<polyTriangulateCommand>("polyTriangulate"),
                                    entry<setsCommand>("sets")};
    for (const Entry& e : entries) CommandRegistry::get().add(e.name, e.creator, {});
    interpreter.SetVariable("gShelfTopLevel", command::Value::String(UiState::kShelfTopLevel));
}

} // namespace vex::host::builtins
