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
Entry MakeEntry(const char* name, CommandSyntax syntax = {}) {
    return {name, &JournaledCommand::Creator<Body>, std::move(syntax), Body};
}

// The built-in bodies by command name, with the creator registered for each.
std::map<std::string, std::pair<CommandRegistry::Creator, CommandFunction>>& Bodies() {
    static std::map<std::string, std::pair<CommandRegistry::Creator, CommandFunction>> table;
    return table;
}

// The flags of a shelf button, each with one value.
CommandSyntax ShelfButtonSyntax() {
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
    for (const auto& names : flags) syntax.flag(names[0], names[1], Arg::kString);
    return syntax;
}

// The flags and arguments of every built-in command: a call that does not fit stops before the command
// runs. Truth flags the commands read with an optional value are declared as such.
std::vector<Entry> Entries() {
    std::vector<Entry> list;
    list.push_back(MakeEntry<CreateNodeCommand>("createNode", CommandSyntax()
                                                                  .flag("-n", "-name", Arg::kString)
                                                                  .flag("-p", "-parent", Arg::kString)
                                                                  .flag("-ss", "-skipSelect")
                                                                  .flag("-s", "-shared")));
    list.push_back(MakeEntry<RenameCommand>("rename"));
    list.push_back(MakeEntry<DeleteCommand>("delete"));
    list.push_back(MakeEntry<ParentCommand>("parent", CommandSyntax()
                                                          .flag("-w", "-world")
                                                          .flag("-r", "-relative")
                                                          .flag("-a", "-absolute")
                                                          .flag("-s", "-shape")));
    list.push_back(MakeEntry<DuplicateCommand>("duplicate", CommandSyntax()
                                                                .flag("-n", "-name", Arg::kString)
                                                                .flag("-un", "-upstreamNodes")
                                                                .flag("-st", "-smartTransform")));
    list.push_back(MakeEntry<SelectCommand>("select", CommandSyntax()
                                                          .flag("-r", "-replace")
                                                          .flag("-add", "-add")
                                                          .flag("-d", "-deselect")
                                                          .flag("-cl", "-clear")
                                                          .flag("-ne", "-noExpand")));
    list.push_back(MakeEntry<LsCommand>(
        "ls",
        CommandSyntax().flag("-typ", "-type", Arg::kString).flag("-sl", "-selection").flag("-l", "-long")));
    list.push_back(
        MakeEntry<SetAttrCommand>("setAttr", CommandSyntax()
                                                 .flag("-typ", "-type", Arg::kString)
                                                 .flag("-s", "-size", Arg::kInteger)
                                                 .flag("-ch", "-capacityHint", Arg::kInteger)
                                                 .flag("-l", "-lock", Arg::kOptionalTruth)
                                                 .flag("-k", "-keyable", Arg::kOptionalTruth)
                                                 .flag("-cb", "-channelBox", Arg::kOptionalTruth)));
    list.push_back(MakeEntry<GetAttrCommand>(
        "getAttr", CommandSyntax().flag("-t", "-time", Arg::kNumber).flag("-typ", "-type")));
    CommandSyntax addAttr;
    const char* const addAttrWords[][2] = {
        {"-ln", "-longName"}, {"-sn", "-shortName"}, {"-at", "-attributeType"}, {"-dt", "-dataType"},
        {"-p", "-parent"},    {"-nn", "-niceName"},  {"-en", "-enumName"}};
    for (const auto& names : addAttrWords) addAttr.flag(names[0], names[1], Arg::kString);
    const char* const addAttrNumbers[][2] = {{"-dv", "-defaultValue"},
                                             {"-min", "-minValue"},
                                             {"-max", "-maxValue"},
                                             {"-smn", "-softMinValue"},
                                             {"-smx", "-softMaxValue"}};
    for (const auto& names : addAttrNumbers) addAttr.flag(names[0], names[1], Arg::kNumber);
    addAttr.flag("-nc", "-numberOfChildren", Arg::kInteger);
    const char* const addAttrTruths[][2] = {
        {"-h", "-hidden"},   {"-s", "-storable"}, {"-k", "-keyable"}, {"-ci", "-cachedInternally"},
        {"-r", "-readable"}, {"-w", "-writable"}, {"-m", "-multi"},   {"-uac", "-usedAsColor"}};
    for (const auto& names : addAttrTruths) addAttr.flag(names[0], names[1], Arg::kOptionalTruth);
    list.push_back(MakeEntry<AddAttrCommand>("addAttr", std::move(addAttr)));
    list.push_back(
        MakeEntry<DeleteAttrCommand>("deleteAttr", CommandSyntax().flag("-at", "-attribute", Arg::kString)));
    list.push_back(MakeEntry<ConnectAttrCommand>("connectAttr", CommandSyntax().flag("-f", "-force")));
    list.push_back(MakeEntry<DisconnectAttrCommand>("disconnectAttr"));
    list.push_back(MakeEntry<CurrentTimeCommand>(
        "currentTime",
        CommandSyntax().Query().Edit().flag("-u", "-update", Arg::kTruth).Arguments({Arg::kNumber})));
    list.push_back(MakeEntry<PlaybackOptionsCommand>("playbackOptions",
                                                     CommandSyntax()
                                                         .Query()
                                                         .flag("-min", "-minTime", Arg::kNumber)
                                                         .flag("-max", "-maxTime", Arg::kNumber)
                                                         .flag("-ast", "-animationStartTime", Arg::kNumber)
                                                         .flag("-aet", "-animationEndTime", Arg::kNumber)
                                                         .flag("-by", "-by", Arg::kNumber)
                                                         .flag("-l", "-loop", Arg::kString)));
    list.push_back(MakeEntry<PlayCommand>("play", CommandSyntax()
                                                      .Query()
                                                      .flag("-f", "-forward", Arg::kOptionalTruth)
                                                      .flag("-st", "-state", Arg::kOptionalTruth)));
    list.push_back(MakeEntry<FilterCurveCommand>("filterCurve"));
    list.push_back(MakeEntry<CurrentUnitCommand>("currentUnit", CommandSyntax()
                                                                    .Query()
                                                                    .flag("-l", "-linear", Arg::kString)
                                                                    .flag("-a", "-angle", Arg::kString)
                                                                    .flag("-t", "-time", Arg::kString)
                                                                    .flag("-f", "-fullName")));
    list.push_back(
        MakeEntry<UpAxisCommand>("upAxis", CommandSyntax().Query().flag("-ax", "-axis", Arg::kString)));
    list.push_back(MakeEntry<RequiresCommand>(
        "requires",
        CommandSyntax().flag("-nt", "-nodeType", Arg::kString).flag("-dt", "-dataType", Arg::kString)));
    list.push_back(MakeEntry<FileInfoCommand>("fileInfo", CommandSyntax().Query()));
    list.push_back(
        MakeEntry<HotkeyCommand>("hotkey", CommandSyntax()
                                               .Query()
                                               .flag("-k", "-keyShortcut", Arg::kString)
                                               .flag("-n", "-name", Arg::kString)
                                               .flag("-alt", "-altModifier", Arg::kOptionalTruth)
                                               .flag("-ctl", "-ctrlModifier", Arg::kOptionalTruth)
                                               .flag("-sht", "-shiftModifier", Arg::kOptionalTruth)
                                               .flag("-cmd", "-commandModifier", Arg::kOptionalTruth)));
    list.push_back(
        MakeEntry<NameCommandCommand>("nameCommand", CommandSyntax()
                                                         .flag("-ann", "-annotation", Arg::kString)
                                                         .flag("-c", "-command", Arg::kString)
                                                         .flag("-stp", "-sourceType", Arg::kString)));
    list.push_back(MakeEntry<ShelfLayoutCommand>(
        "shelfLayout", CommandSyntax().flag("-p", "-parent", Arg::kString).flag("-ex", "-exists")));
    list.push_back(MakeEntry<LayoutCommand>("layout", CommandSyntax().flag("-ex", "-exists")));
    list.push_back(MakeEntry<AddNewShelfTabCommand>("addNewShelfTab"));
    list.push_back(MakeEntry<ShelfButtonCommand>("shelfButton", ShelfButtonSyntax()));
    list.push_back(MakeEntry<DeleteShelfTabCommand>("deleteShelfTab"));
    list.push_back(
        MakeEntry<ShelfTabLayoutCommand>("shelfTabLayout", CommandSyntax()
                                                               .Query()
                                                               .Edit()
                                                               .flag("-ca", "-childArray")
                                                               .flag("-st", "-selectTab", Arg::kString)
                                                               .flag("-ex", "-exists")));
    list.push_back(
        MakeEntry<ConfirmDialogCommand>("confirmDialog", CommandSyntax()
                                                             .flag("-t", "-title", Arg::kString)
                                                             .flag("-m", "-message", Arg::kString)
                                                             .flag("-b", "-button", Arg::kString)
                                                             .flag("-db", "-defaultButton", Arg::kString)
                                                             .flag("-cb", "-cancelButton", Arg::kString)
                                                             .flag("-ds", "-dismissString", Arg::kString)));
    list.push_back(MakeEntry<EchoCommand>("echo"));
    list.push_back(MakeEntry<PolySoftEdgeCommand>(
        "polySoftEdge",
        CommandSyntax().flag("-a", "-angle", Arg::kNumber).flag("-ch", "-constructionHistory", Arg::kTruth)));
    list.push_back(MakeEntry<PolyTriangulateCommand>(
        "polyTriangulate", CommandSyntax().flag("-ch", "-constructionHistory", Arg::kTruth)));
    list.push_back(MakeEntry<SetsCommand>("sets", CommandSyntax()
                                                      .Edit()
                                                      .flag("-n", "-name", Arg::kString)
                                                      .flag("-em", "-empty")
                                                      .flag("-fe", "-forceElement", Arg::kString)
                                                      .flag("-add", "-add", Arg::kString)
                                                      .flag("-rm", "-remove", Arg::kString)));
    return list;
}

} // namespace

void Install(command::Interpreter& interpreter) {
    for (Entry& e : Entries()) {
        Bodies()[e.name] = {e.creator, e.body};
        CommandRegistry::get().Add(e.name, e.creator, {},
                                   std::make_shared<const CommandSyntax>(std::move(e.syntax)));
    }
    interpreter.SetVariable("gShelfTopLevel", command::Value::String(UiState::kShelfTopLevel));
}

CommandFunction BuiltinBody(const std::string& name) {
    const auto found = Bodies().find(name);
    if (found == Bodies().end() || CommandRegistry::get().Find(name) != found->second.first) return nullptr;
    return found->second.second;
}

} // namespace vex::host::builtins
