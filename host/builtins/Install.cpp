#include "host/builtins/Install.h"

#include "host/builtins/AttributeCommands.h"
#include "host/builtins/AttributeQueryCommands.h"
#include "host/builtins/CreateCommands.h"
#include "host/builtins/HelpCommand.h"
#include "host/builtins/HierarchyCommands.h"
#include "host/builtins/JournaledCommand.h"
#include "host/builtins/KeyCommands.h"
#include "host/builtins/NodeCommands.h"
#include "host/builtins/PolyCommands.h"
#include "host/builtins/PrimitiveNodeTypes.h"
#include "host/builtins/SelectionCommands.h"
#include "host/builtins/SessionCommands.h"
#include "host/builtins/SetsCommand.h"
#include "host/builtins/SettingsCommands.h"
#include "host/builtins/TimeCommands.h"
#include "host/builtins/TransformCommands.h"
#include "host/builtins/UiCommands.h"
#include "host/builtins/UiState.h"
#include "host/command/Interpreter.h"
#include "host/scene/CommandRegistry.h"

#include <array>
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

// The flags of move, rotate and scale, which take their three values first.
CommandSyntax TransformToolSyntax() {
    return CommandSyntax()
        .flag("-r", "-relative")
        .flag("-a", "-absolute")
        .flag("-ws", "-worldSpace")
        .flag("-os", "-objectSpace")
        .flag("-ls", "-localSpace")
        .Arguments({Arg::kNumber, Arg::kNumber, Arg::kNumber});
}

// Declares flags that take no value, each by its short and long name.
CommandSyntax& Plain(CommandSyntax& syntax, std::initializer_list<std::array<const char*, 2>> names) {
    for (const auto& pair : names) syntax.flag(pair[0], pair[1]);
    return syntax;
}

// The scene commands scripts query and build rigs with (TransformCommands, HierarchyCommands,
// AttributeQueryCommands, CreateCommands, SessionCommands).
void AddSceneCommands(std::vector<Entry>& list) {
    const std::vector<Arg> three{Arg::kNumber, Arg::kNumber, Arg::kNumber};
    CommandSyntax xform;
    xform.Query()
        .flag("-t", "-translation", three)
        .flag("-ro", "-rotation", three)
        .flag("-s", "-scale", three);
    xform.flag("-piv", "-pivots", three).flag("-m", "-matrix", std::vector<Arg>(16, Arg::kNumber));
    xform.flag("-roo", "-rotateOrder", Arg::kString);
    Plain(xform, {{"-ws", "-worldSpace"}, {"-os", "-objectSpace"}, {"-r", "-relative"}, {"-a", "-absolute"}});
    list.push_back(MakeEntry<XformCommand>("xform", std::move(xform)));
    list.push_back(MakeEntry<MoveCommand>("move", TransformToolSyntax()));
    list.push_back(MakeEntry<RotateCommand>("rotate", TransformToolSyntax()));
    list.push_back(MakeEntry<ScaleCommand>("scale", TransformToolSyntax()));

    CommandSyntax relatives;
    Plain(relatives, {{"-c", "-children"},
                      {"-p", "-parent"},
                      {"-s", "-shapes"},
                      {"-ad", "-allDescendents"},
                      {"-ap", "-allParents"},
                      {"-f", "-fullPath"},
                      {"-ni", "-noIntermediate"}});
    list.push_back(MakeEntry<ListRelativesCommand>("listRelatives",
                                                   std::move(relatives.flag("-typ", "-type", Arg::kString))));
    list.push_back(MakeEntry<ListConnectionsCommand>(
        "listConnections", CommandSyntax()
                               .flag("-s", "-source", Arg::kOptionalTruth)
                               .flag("-d", "-destination", Arg::kOptionalTruth)
                               .flag("-p", "-plugs", Arg::kOptionalTruth)
                               .flag("-c", "-connections", Arg::kOptionalTruth)
                               .flag("-t", "-type", Arg::kString)
                               .flag("-scn", "-skipConversionNodes", Arg::kOptionalTruth)));
    CommandSyntax listAttr;
    Plain(listAttr, {{"-k", "-keyable"},
                     {"-ud", "-userDefined"},
                     {"-r", "-read"},
                     {"-w", "-write"},
                     {"-m", "-multi"},
                     {"-cb", "-channelBox"},
                     {"-c", "-connectable"}});
    list.push_back(
        MakeEntry<ListAttrCommand>("listAttr", std::move(listAttr.flag("-st", "-string", Arg::kString))));
    list.push_back(MakeEntry<ObjExistsCommand>("objExists"));
    list.push_back(MakeEntry<NodeTypeCommand>(
        "nodeType", CommandSyntax().flag("-i", "-inherited").flag("-api", "-apiType")));
    CommandSyntax attributeQuery;
    Plain(attributeQuery, {{"-ex", "-exists"},
                           {"-at", "-attributeType"},
                           {"-k", "-keyable"},
                           {"-min", "-minimum"},
                           {"-max", "-maximum"},
                           {"-mne", "-minExists"},
                           {"-mxe", "-maxExists"},
                           {"-re", "-rangeExists"},
                           {"-le", "-listEnum"},
                           {"-nc", "-numberOfChildren"},
                           {"-lp", "-listParent"},
                           {"-ln", "-longName"},
                           {"-sn", "-shortName"},
                           {"-ld", "-listDefault"},
                           {"-dv", "-defaultValue"}});
    list.push_back(MakeEntry<AttributeQueryCommand>(
        "attributeQuery", std::move(attributeQuery.flag("-n", "-node", Arg::kString))));

    list.push_back(MakeEntry<SpaceLocatorCommand>(
        "spaceLocator", CommandSyntax().flag("-n", "-name", Arg::kString).flag("-p", "-position", three)));
    list.push_back(MakeEntry<GroupCommand>("group", CommandSyntax()
                                                        .flag("-n", "-name", Arg::kString)
                                                        .flag("-em", "-empty")
                                                        .flag("-w", "-world")
                                                        .flag("-p", "-parent", Arg::kString)));
    const auto primitive = [](bool box) {
        CommandSyntax syntax;
        syntax.flag("-n", "-name", Arg::kString)
            .flag("-w", "-width", Arg::kNumber)
            .flag("-h", "-height", Arg::kNumber);
        if (box) syntax.flag("-d", "-depth", Arg::kNumber);
        syntax.flag("-sx", "-subdivisionsX", Arg::kInteger).flag("-sy", "-subdivisionsY", Arg::kInteger);
        if (box) syntax.flag("-sz", "-subdivisionsZ", Arg::kInteger);
        return std::move(syntax.flag("-ch", "-constructionHistory", Arg::kTruth));
    };
    list.push_back(MakeEntry<PolyCubeCommand>("polyCube", primitive(true)));
    list.push_back(MakeEntry<PolyPlaneCommand>("polyPlane", primitive(false)));

    CommandSyntax undoInfo;
    undoInfo.Query()
        .flag("-st", "-state", Arg::kTruth)
        .flag("-swf", "-stateWithoutFlush", Arg::kTruth)
        .flag("-in", "-infinity", Arg::kTruth)
        .flag("-l", "-length", Arg::kInteger);
    Plain(undoInfo,
          {{"-ock", "-openChunk"}, {"-cck", "-closeChunk"}, {"-un", "-undoName"}, {"-rn", "-redoName"}});
    // undoInfo works on the undo machinery itself, so it runs outside any journal.
    list.push_back({"undoInfo", &JournaledCommand::UnjournaledCreator<UndoInfoCommand>,
                    std::move(undoInfo.flag("-cn", "-chunkName", Arg::kString)), UndoInfoCommand});
    CommandSyntax about;
    Plain(about.Query(), {{"-v", "-version"},
                          {"-api", "-apiVersion"},
                          {"-os", "-operatingSystem"},
                          {"-li", "-linux"},
                          {"-b", "-batch"},
                          {"-osv", "-operatingSystemVersion"}});
    list.push_back(MakeEntry<AboutCommand>("about", std::move(about)));
    CommandSyntax optionVar;
    optionVar.flag("-iv", "-intValue", {Arg::kString, Arg::kInteger})
        .flag("-fv", "-floatValue", {Arg::kString, Arg::kNumber})
        .flag("-sv", "-stringValue", {Arg::kString, Arg::kString})
        .flag("-iva", "-intValueAppend", {Arg::kString, Arg::kInteger})
        .flag("-fva", "-floatValueAppend", {Arg::kString, Arg::kNumber})
        .flag("-sva", "-stringValueAppend", {Arg::kString, Arg::kString});
    for (const auto& names : {std::array<const char*, 2>{"-q", "-query"},
                              {"-ex", "-exists"},
                              {"-rm", "-remove"},
                              {"-ca", "-clearArray"}})
        optionVar.flag(names[0], names[1], Arg::kString);
    list.push_back(MakeEntry<OptionVarCommand>("optionVar", std::move(optionVar)));
    list.push_back(MakeEntry<HelpCommand>("help"));
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
    list.push_back(MakeEntry<SetKeyframeCommand>("setKeyframe", SetKeyframeSyntax()));
    list.push_back(MakeEntry<KeyframeCommand>("keyframe", KeyframeSyntax()));
    list.push_back(MakeEntry<CutKeyCommand>("cutKey", CutKeySyntax()));
    list.push_back(MakeEntry<KeyTangentCommand>("keyTangent", KeyTangentSyntax()));
    AddSceneCommands(list);
    return list;
}

} // namespace

void Install(command::Interpreter& interpreter) {
    RegisterPrimitiveNodeTypes();
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
