#include "host/builtins/Install.h"

#include "host/builtins/AttributeCommands.h"
#include "host/builtins/JournaledCommand.h"
#include "host/builtins/NodeCommands.h"
#include "host/builtins/PolyCommands.h"
#include "host/builtins/SelectionCommands.h"
#include "host/builtins/SetsCommand.h"
#include "host/builtins/SettingsCommands.h"
#include "host/builtins/TimeCommands.h"
#include "host/builtins/UiCommands.h"
#include "host/builtins/UiState.h"
#include "host/command/Interpreter.h"
#include "host/scene/CommandRegistry.h"

#include <map>
#include <utility>

namespace vex::host::builtins {

namespace {

using Arg = CommandSyntax::Arg;

struct Entry {
    const char* name;
    CommandRegistry::Creator creator;
    CommandSyntax syntax;
    CommandFunction body;
};

template <CommandFunction Body>
Entry entry(const char* name, CommandSyntax syntax = {}) {
    return {name, &JournaledCommand::creator<Body>, std::move(syntax), Body};
}

// The built-in bodies by command name, with the creator registered for each.
std::map<std::string, std::pair<CommandRegistry::Creator, CommandFunction>>& bodies() {
    static std::map<std::string, std::pair<CommandRegistry::Creator, CommandFunction>> table;
    return table;
}

// The flags of a shelf button, each with one value.
CommandSyntax shelfButtonSyntax() {
    CommandSyntax syntax;
    const char* const flags[][2] = {{"-ecr", "-enableCommandRepeat"},
                                    {"-en", "-enable"},
                                    {"-w", "-width"},
                                    {"-h", "-height"},
                                    {"-m", "-manage"},
                                    {"-vis", "-visible"},
                                    {"-po", "-preventOverride"},
                                    {"-mw", "-marginWidth"},
                                    {"-mh", "-marginHeight"},
                                    {"-c", "-command"},
                                    {"-stp", "-sourceType"},
                                    {"-l", "-label"},
                                    {"-ann", "-annotation"},
                                    {"-i", "-image"},
                                    {"-i1", "-image1"},
                                    {"-iol", "-imageOverlayLabel"},
                                    {"-st", "-style"},
                                    {"-p", "-parent"}};
    for (const auto& names : flags) syntax.flag(names[0], names[1], Arg::String);
    return syntax;
}

// The flags and arguments of every built-in command: a call that does not fit stops before the command
// runs. Truth flags the commands read with an optional value are declared as such.
std::vector<Entry> entries() {
    std::vector<Entry> list;
    list.push_back(entry<createNodeCommand>("createNode", CommandSyntax()
                                                              .flag("-n", "-name", Arg::String)
                                                              .flag("-p", "-parent", Arg::String)
                                                              .flag("-ss", "-skipSelect")));
    list.push_back(entry<renameCommand>("rename"));
    list.push_back(entry<deleteCommand>("delete"));
    list.push_back(entry<parentCommand>("parent", CommandSyntax()
                                                      .flag("-w", "-world")
                                                      .flag("-r", "-relative")
                                                      .flag("-a", "-absolute")
                                                      .flag("-s", "-shape")));
    list.push_back(entry<duplicateCommand>("duplicate", CommandSyntax()
                                                            .flag("-n", "-name", Arg::String)
                                                            .flag("-un", "-upstreamNodes")
                                                            .flag("-st", "-smartTransform")));
    list.push_back(entry<selectCommand>("select", CommandSyntax()
                                                      .flag("-r", "-replace")
                                                      .flag("-add", "-add")
                                                      .flag("-d", "-deselect")
                                                      .flag("-cl", "-clear")
                                                      .flag("-ne", "-noExpand")));
    list.push_back(entry<lsCommand>(
        "ls",
        CommandSyntax().flag("-typ", "-type", Arg::String).flag("-sl", "-selection").flag("-l", "-long")));
    list.push_back(entry<setAttrCommand>("setAttr", CommandSyntax()
                                                        .flag("-typ", "-type", Arg::String)
                                                        .flag("-s", "-size", Arg::Integer)
                                                        .flag("-l", "-lock", Arg::OptionalTruth)
                                                        .flag("-k", "-keyable", Arg::OptionalTruth)
                                                        .flag("-cb", "-channelBox", Arg::OptionalTruth)));
    list.push_back(entry<getAttrCommand>(
        "getAttr", CommandSyntax().flag("-t", "-time", Arg::Number).flag("-typ", "-type")));
    CommandSyntax addAttr;
    const char* const addAttrWords[][2] = {
        {"-ln", "-longName"}, {"-sn", "-shortName"}, {"-at", "-attributeType"}, {"-dt", "-dataType"},
        {"-p", "-parent"},    {"-nn", "-niceName"},  {"-en", "-enumName"}};
    for (const auto& names : addAttrWords) addAttr.flag(names[0], names[1], Arg::String);
    const char* const addAttrNumbers[][2] = {{"-dv", "-defaultValue"},
                                             {"-min", "-minValue"},
                                             {"-max", "-maxValue"},
                                             {"-smn", "-softMinValue"},
                                             {"-smx", "-softMaxValue"}};
    for (const auto& names : addAttrNumbers) addAttr.flag(names[0], names[1], Arg::Number);
    addAttr.flag("-nc", "-numberOfChildren", Arg::Integer);
    const char* const addAttrTruths[][2] = {
        {"-h", "-hidden"},   {"-s", "-storable"}, {"-k", "-keyable"}, {"-ci", "-cachedInternally"},
        {"-r", "-readable"}, {"-w", "-writable"}, {"-m", "-multi"},   {"-uac", "-usedAsColor"}};
    for (const auto& names : addAttrTruths) addAttr.flag(names[0], names[1], Arg::OptionalTruth);
    list.push_back(entry<addAttrCommand>("addAttr", std::move(addAttr)));
    list.push_back(
        entry<deleteAttrCommand>("deleteAttr", CommandSyntax().flag("-at", "-attribute", Arg::String)));
    list.push_back(entry<connectAttrCommand>("connectAttr", CommandSyntax().flag("-f", "-force")));
    list.push_back(entry<disconnectAttrCommand>("disconnectAttr"));
    list.push_back(entry<currentTimeCommand>(
        "currentTime",
        CommandSyntax().query().edit().flag("-u", "-update", Arg::Truth).arguments({Arg::Number})));
    list.push_back(
        entry<playbackOptionsCommand>("playbackOptions", CommandSyntax()
                                                             .query()
                                                             .flag("-min", "-minTime", Arg::Number)
                                                             .flag("-max", "-maxTime", Arg::Number)
                                                             .flag("-ast", "-animationStartTime", Arg::Number)
                                                             .flag("-aet", "-animationEndTime", Arg::Number)
                                                             .flag("-by", "-by", Arg::Number)
                                                             .flag("-l", "-loop", Arg::String)));
    list.push_back(entry<playCommand>("play", CommandSyntax()
                                                  .query()
                                                  .flag("-f", "-forward", Arg::OptionalTruth)
                                                  .flag("-st", "-state", Arg::OptionalTruth)));
    list.push_back(entry<filterCurveCommand>("filterCurve"));
    list.push_back(entry<currentUnitCommand>("currentUnit", CommandSyntax()
                                                                .query()
                                                                .flag("-l", "-linear", Arg::String)
                                                                .flag("-a", "-angle", Arg::String)
                                                                .flag("-t", "-time", Arg::String)
                                                                .flag("-f", "-fullName")));
    list.push_back(entry<upAxisCommand>("upAxis", CommandSyntax().query().flag("-ax", "-axis", Arg::String)));
    list.push_back(entry<requiresCommand>(
        "requires",
        CommandSyntax().flag("-nt", "-nodeType", Arg::String).flag("-dt", "-dataType", Arg::String)));
    list.push_back(entry<fileInfoCommand>("fileInfo", CommandSyntax().query()));
    list.push_back(entry<hotkeyCommand>("hotkey", CommandSyntax()
                                                      .query()
                                                      .flag("-k", "-keyShortcut", Arg::String)
                                                      .flag("-n", "-name", Arg::String)
                                                      .flag("-alt", "-altModifier", Arg::OptionalTruth)
                                                      .flag("-ctl", "-ctrlModifier", Arg::OptionalTruth)
                                                      .flag("-sht", "-shiftModifier", Arg::OptionalTruth)
                                                      .flag("-cmd", "-commandModifier", Arg::OptionalTruth)));
    list.push_back(entry<nameCommandCommand>("nameCommand", CommandSyntax()
                                                                .flag("-ann", "-annotation", Arg::String)
                                                                .flag("-c", "-command", Arg::String)
                                                                .flag("-stp", "-sourceType", Arg::String)));
    list.push_back(entry<shelfLayoutCommand>(
        "shelfLayout", CommandSyntax().flag("-p", "-parent", Arg::String).flag("-ex", "-exists")));
    list.push_back(entry<layoutCommand>("layout", CommandSyntax().flag("-ex", "-exists")));
    list.push_back(entry<addNewShelfTabCommand>("addNewShelfTab"));
    list.push_back(entry<shelfButtonCommand>("shelfButton", shelfButtonSyntax()));
    list.push_back(entry<deleteShelfTabCommand>("deleteShelfTab"));
    list.push_back(entry<shelfTabLayoutCommand>("shelfTabLayout", CommandSyntax()
                                                                      .query()
                                                                      .edit()
                                                                      .flag("-ca", "-childArray")
                                                                      .flag("-st", "-selectTab", Arg::String)
                                                                      .flag("-ex", "-exists")));
    list.push_back(
        entry<confirmDialogCommand>("confirmDialog", CommandSyntax()
                                                         .flag("-t", "-title", Arg::String)
                                                         .flag("-m", "-message", Arg::String)
                                                         .flag("-b", "-button", Arg::String)
                                                         .flag("-db", "-defaultButton", Arg::String)
                                                         .flag("-cb", "-cancelButton", Arg::String)
                                                         .flag("-ds", "-dismissString", Arg::String)));
    list.push_back(entry<echoCommand>("echo"));
    list.push_back(entry<polySoftEdgeCommand>(
        "polySoftEdge",
        CommandSyntax().flag("-a", "-angle", Arg::Number).flag("-ch", "-constructionHistory", Arg::Truth)));
    list.push_back(entry<polyTriangulateCommand>(
        "polyTriangulate", CommandSyntax().flag("-ch", "-constructionHistory", Arg::Truth)));
    list.push_back(entry<setsCommand>("sets", CommandSyntax()
                                                  .edit()
                                                  .flag("-n", "-name", Arg::String)
                                                  .flag("-em", "-empty")
                                                  .flag("-fe", "-forceElement", Arg::String)
                                                  .flag("-add", "-add", Arg::String)
                                                  .flag("-rm", "-remove", Arg::String)));
    return list;
}

} // namespace

void install(command::Interpreter& interpreter) {
    for (Entry& e : entries()) {
        bodies()[e.name] = {e.creator, e.body};
        CommandRegistry::get().add(e.name, e.creator, {},
                                   std::make_shared<const CommandSyntax>(std::move(e.syntax)));
    }
    interpreter.SetVariable("gShelfTopLevel", command::Value::String(UiState::kShelfTopLevel));
}

CommandFunction builtinBody(const std::string& name) {
    const auto found = bodies().find(name);
    if (found == bodies().end() || CommandRegistry::get().find(name) != found->second.first) return nullptr;
    return found->second.second;
}

} // namespace vex::host::builtins
