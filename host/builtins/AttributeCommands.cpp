#include "host/builtins/AttributeCommands.h"

#include "host/builtins/MeshForms.h"
#include "host/builtins/PlugName.h"
#include "host/builtins/SessionState.h"
#include "host/builtins/StateChange.h"
#include "host/builtins/Units.h"
#include "host/scene/Scene.h"
#include "util/NumberText.h"

namespace vex::host::builtins {

namespace {

using command::Value;

bool Number(const std::string& text, double& out) {
    const std::optional<double> value = util::ParseNumber<double>(text);
    if (value) out = *value;
    return value.has_value();
}

// The flags of setAttr: those with a value, and those with an optional truth value.
bool TakesValue(const std::string& flag) {
    return flag == "-type" || flag == "-typ" || flag == "-s" || flag == "-size" || flag == "-ch" ||
           flag == "-capacityHint";
}
bool TakesTruth(const std::string& flag) {
    return flag == "-l" || flag == "-lock" || flag == "-k" || flag == "-keyable" || flag == "-cb" ||
           flag == "-channelBox";
}

// The values of a setAttr call: every argument that is neither a flag nor a flag's value, after the plug.
std::vector<std::string> SetAttrWords(const command::CommandCall& call) {
    std::vector<std::string> words;
    for (std::size_t i = 0; i < call.args.size(); ++i) {
        const auto& arg = call.args[i];
        if (!arg.isFlag) {
            words.push_back(arg.value.AsString());
            continue;
        }
        const std::string flag = arg.value.AsString();
        const bool hasNext = i + 1 < call.args.size() && !call.args[i + 1].isFlag;
        if (hasNext && (TakesValue(flag) ||
                        (TakesTruth(flag) && CommandContext::Truth(call.args[i + 1].value.AsString()))))
            ++i;
    }
    return words;
}

// Reads numbers for a numeric leaf attribute, converting from the UI unit.
bool ReadNumber(const AttributeDefinition& attribute, const std::string& text, double& out) {
    if (attribute.kind() == AttributeKind::kBool) {
        if (auto truth = CommandContext::Truth(text)) {
            out = *truth ? 1.0 : 0.0;
            return true;
        }
    }
    if (!Number(text, out)) return false;
    if (attribute.kind() == AttributeKind::kDouble) out = units::ToInternal(units::KindOf(attribute), out);
    return true;
}

// The stored value a setAttr call gives an attribute, or none when the words do not fit it.
std::optional<host::Value> ParseValue(const AttributeDefinition& attribute, const std::string& type,
                                      const std::vector<std::string>& words) {
    switch (attribute.kind()) {
    case AttributeKind::kBool:
    case AttributeKind::kInt:
    case AttributeKind::kDouble: {
        double v = 0.0;
        if (words.size() != 1 || !ReadNumber(attribute, words[0], v)) return std::nullopt;
        if (attribute.kind() == AttributeKind::kBool) return host::Value(v != 0.0);
        if (attribute.kind() == AttributeKind::kInt) return host::Value(static_cast<int>(v));
        return host::Value(v);
    }
    case AttributeKind::kDouble3: {
        Double3 triple{};
        if (words.size() != 3) return std::nullopt;
        for (std::size_t i = 0; i < 3; ++i)
            if (!ReadNumber(*attribute.Children()[i], words[i], triple[i])) return std::nullopt;
        return host::Value(triple);
    }
    case AttributeKind::kString:
        if (words.size() != 1 || (!type.empty() && type != "string")) return std::nullopt;
        return host::Value(words[0]);
    case AttributeKind::kStringArray: {
        double count = 0.0;
        if (type != "stringArray" || words.empty() || !Number(words[0], count) ||
            static_cast<std::size_t>(count) + 1 != words.size())
            return std::nullopt;
        return host::Value(StringList(words.begin() + 1, words.end()));
    }
    case AttributeKind::Matrix: {
        Matrix m{};
        if ((!type.empty() && type != "matrix") || words.size() != 16) return std::nullopt;
        for (std::size_t i = 0; i < 16; ++i)
            if (!Number(words[i], m[i])) return std::nullopt;
        return host::Value(m);
    }
    case AttributeKind::Data:
    case AttributeKind::Message:
        break;
    }
    return std::nullopt;
}

std::string PlugText(const Node& node, const AttributeDefinition& attribute) {
    return node.name() + "." + attribute.LongName();
}

// Sets the lock or the keyable state of a plug, recorded for undo.
void ApplyPlugFlags(CommandContext& context, const NodePtr& node, const AttributePtr& attribute) {
    if (context.Has("-l", "-lock")) {
        const bool locked = context.flag("-l", "-lock");
        const bool before = SessionState::get().IsLocked(*node, *attribute);
        StateChange::Apply(
            [node, attribute, locked] { SessionState::get().SetLocked(*node, *attribute, locked); },
            [node, attribute, before] { SessionState::get().SetLocked(*node, *attribute, before); });
    }
    // Keyable is a property of the attribute's description, which static attributes share among all
    // nodes of a type; only a node's own (dynamic) attributes change.
    if (context.Has("-k", "-keyable") && node->IsDynamic(*attribute)) {
        const bool keyable = context.flag("-k", "-keyable");
        const bool before = attribute->keyable;
        StateChange::Apply([attribute, keyable] { attribute->keyable = keyable; },
                           [attribute, before] { attribute->keyable = before; });
    }
}

} // namespace

const char* AttributeTypeName(const AttributeDefinition& attribute) {
    switch (attribute.kind()) {
    case AttributeKind::kBool:
        return "bool";
    case AttributeKind::kInt:
        return "long";
    case AttributeKind::kDouble:
        switch (units::KindOf(attribute)) {
        case units::Kind::kLinear:
            return "doubleLinear";
        case units::Kind::kAngular:
            return "doubleAngle";
        case units::Kind::kNone:
            return "double";
        }
        return "double";
    case AttributeKind::kDouble3:
        return "double3";
    case AttributeKind::kString:
        return "string";
    case AttributeKind::kStringArray:
        return "stringArray";
    case AttributeKind::Matrix:
        return "matrix";
    case AttributeKind::Data:
        return attribute.DataType() == MFn::kMeshData ? "mesh" : "data";
    case AttributeKind::Message:
        return "message";
    }
    return "";
}

bool SetAttrCommand(CommandContext& context) {
    const std::vector<std::string> words = SetAttrWords(context.call);
    if (words.empty()) return context.Fail("No plug was given.");
    const std::vector<std::string> values(words.begin() + 1, words.end());
    const std::string& text = words[0];
    const auto name = PlugName::Parse(text);
    if (!name) return context.Fail("No object matches name: " + text);
    if (MeshForms::Handles(name->attribute)) {
        NodePtr node = RequirePlugNode(context, *name, text);
        return node && MeshForms::Apply(context, node, *name, values);
    }
    const auto plug = RequirePlug(context, text);
    if (!plug) return false;
    const std::string shown = PlugText(*plug->node, *plug->attribute);
    if (!values.empty()) {
        if (SessionState::get().IsLocked(*plug->node, *plug->attribute))
            return context.Fail("The attribute '" + shown + "' is locked and cannot be modified.");
        const auto value = ParseValue(*plug->attribute, context.text("-typ", "-type"), values);
        if (!value) return context.Fail("The values given do not fit the attribute '" + shown + "'.");
        if (!Scene::Instance().setValue(plug->node, plug->attribute, *value))
            return context.Fail("The attribute '" + shown + "' cannot be set.");
    }
    ApplyPlugFlags(context, plug->node, plug->attribute);
    return true;
}

bool GetAttrCommand(CommandContext& context) {
    const auto words = context.Positional({{"-t", 1}, {"-time", 1}});
    if (words.empty()) return context.Fail("No plug was given.");
    const auto plug = RequirePlug(context, words[0]);
    if (!plug) return false;
    const AttributeDefinition& attribute = *plug->attribute;
    if (context.Has("-typ", "-type")) {
        context.result = Value::String(AttributeTypeName(attribute));
        return true;
    }
    Scene& scene = Scene::Instance();
    const double time = context.Has("-t", "-time")
                            ? units::FramesToSeconds(context.Number("-t", "-time", 0.0))
                            : scene.currentTime();
    const host::Value value = scene.evaluate(*plug->node, attribute, time);
    switch (attribute.kind()) {
    case AttributeKind::kBool:
    case AttributeKind::kInt:
        context.result = Value::Int(ToInt(value));
        return true;
    case AttributeKind::kDouble:
        context.result = Value::Float(units::ToUi(units::KindOf(attribute), ToDouble(value)));
        return true;
    case AttributeKind::kDouble3: {
        const auto& triple = std::get<Double3>(value);
        std::vector<double> out;
        for (std::size_t i = 0; i < 3; ++i)
            out.push_back(units::ToUi(units::KindOf(*attribute.Children()[i]), triple[i]));
        context.result = Value::FloatArray(out);
        return true;
    }
    case AttributeKind::kString:
        context.result = Value::String(std::get<std::string>(value));
        return true;
    case AttributeKind::kStringArray:
        context.result = Value::StringArray(std::get<StringList>(value));
        return true;
    case AttributeKind::Matrix: {
        const auto& m = std::get<Matrix>(value);
        context.result = Value::FloatArray(std::vector<double>(m.begin(), m.end()));
        return true;
    }
    case AttributeKind::Data:
    case AttributeKind::Message:
        break;
    }
    return context.Fail("The value of '" + PlugText(*plug->node, attribute) + "' cannot be read as text.");
}

namespace {

// The attribute description an addAttr call asks for, or null with a reason.
AttributePtr Describe(CommandContext& context, const std::string& longName, const std::string& shortName) {
    const std::string at = context.text("-at", "-attributeType");
    const std::string dt = context.text("-dt", "-dataType");
    const double dv = context.Number("-dv", "-defaultValue", 0.0);
    if (!dt.empty()) {
        if (dt == "string")
            return std::make_shared<AttributeDefinition>(longName, shortName, AttributeKind::kString,
                                                         std::string());
        if (dt == "stringArray")
            return std::make_shared<AttributeDefinition>(longName, shortName, AttributeKind::kStringArray,
                                                         StringList());
        if (dt == "matrix")
            return std::make_shared<AttributeDefinition>(longName, shortName, AttributeKind::Matrix,
                                                         IdentityMatrix());
        if (dt == "mesh") {
            auto a = std::make_shared<AttributeDefinition>(longName, shortName, AttributeKind::Data);
            a->SetDataType(MFn::kMeshData);
            return a;
        }
        context.Fail("Unknown data type: " + dt);
        return nullptr;
    }
    const std::string type = at.empty() ? "double" : at;
    if (type == "bool")
        return std::make_shared<AttributeDefinition>(longName, shortName, AttributeKind::kBool, dv != 0.0);
    if (type == "long" || type == "short" || type == "byte" || type == "enum" || type == "char") {
        auto a = std::make_shared<AttributeDefinition>(longName, shortName, AttributeKind::kInt,
                                                       static_cast<int>(dv));
        if (type == "enum") a->specialType = MFn::kEnumAttribute;
        if (context.Has("-en", "-enumName") && !a->SetEnumText(context.text("-en", "-enumName"))) {
            context.Fail("Invalid enum names: \"" + context.text("-en", "-enumName") + "\".");
            return nullptr;
        }
        return a;
    }
    if (type == "double" || type == "float" || type == "doubleLinear" || type == "doubleAngle" ||
        type == "time")
        return std::make_shared<AttributeDefinition>(longName, shortName, AttributeKind::kDouble, dv);
    if (type == "double3" || type == "float3")
        return AttributeDefinition::MakeDouble3(longName, shortName, {"X", "Y", "Z"}, {"X", "Y", "Z"},
                                                {dv, dv, dv});
    if (type == "matrix" || type == "fltMatrix")
        return std::make_shared<AttributeDefinition>(longName, shortName, AttributeKind::Matrix,
                                                     IdentityMatrix());
    if (type == "message")
        return std::make_shared<AttributeDefinition>(longName, shortName, AttributeKind::Message);
    context.Fail("Unknown attribute type: " + type);
    return nullptr;
}

const std::vector<std::pair<std::string, int>> kAddAttrValues = {
    {"-ln", 1},  {"-longName", 1},        {"-sn", 1},  {"-shortName", 1},
    {"-at", 1},  {"-attributeType", 1},   {"-dt", 1},  {"-dataType", 1},
    {"-dv", 1},  {"-defaultValue", 1},    {"-p", 1},   {"-parent", 1},
    {"-nn", 1},  {"-niceName", 1},        {"-min", 1}, {"-minValue", 1},
    {"-max", 1}, {"-maxValue", 1},        {"-smn", 1}, {"-softMinValue", 1},
    {"-smx", 1}, {"-softMaxValue", 1},    {"-en", 1},  {"-enumName", 1},
    {"-nc", 1},  {"-numberOfChildren", 1}};

// Truth-valued flags of addAttr take their value as a separate word when one follows.
const char* const kAddAttrTruths[][2] = {
    {"-h", "-hidden"},   {"-s", "-storable"}, {"-k", "-keyable"}, {"-ci", "-cachedInternally"},
    {"-r", "-readable"}, {"-w", "-writable"}, {"-m", "-multi"},   {"-uac", "-usedAsColor"}};

} // namespace

bool AddAttrCommand(CommandContext& context) {
    auto counts = kAddAttrValues;
    for (const auto& names : kAddAttrTruths)
        for (const char* name : names)
            if (auto v = context.value(name); v && CommandContext::Truth(v->AsString()))
                counts.push_back({name, 1});
    const auto words = context.Positional(counts);
    std::string longName = context.text("-ln", "-longName");
    std::string shortName = context.text("-sn", "-shortName", longName);
    if (longName.empty()) longName = shortName;
    if (longName.empty()) return context.Fail("No attribute name was given (-ln).");

    NodePtr node;
    if (!words.empty()) {
        node = RequireNode(context, words[0]);
    } else {
        const auto selected = Scene::Instance().Selection();
        node = selected.empty() ? SessionState::get().CurrentNode() : selected.front();
        if (!node) return context.Fail("No object was given or selected.");
    }
    if (!node) return false;
    // Children of a compound made here exist already: the call that names its parent adds nothing. No
    // other child can be added to a compound.
    if (context.Has("-p", "-parent")) {
        if (const auto existing = node->FindAttribute(longName); existing && existing->parent()) return true;
        return context.Fail("The node '" + node->name() + "' has no compound '" +
                            context.text("-p", "-parent") + "' with a child '" + longName + "'.");
    }
    AttributePtr attribute = Describe(context, longName, shortName);
    if (!attribute) return false;
    attribute->hidden = context.flag("-h", "-hidden", false);
    attribute->storable = context.flag("-s", "-storable", true);
    attribute->keyable = context.flag("-k", "-keyable", false);
    for (const auto& child : attribute->Children()) child->keyable = attribute->keyable;
    attribute->usedAsColor = context.flag("-uac", "-usedAsColor", false);
    if (!Scene::Instance().AddAttribute(node, attribute))
        return context.Fail("The node '" + node->name() + "' already has an attribute named '" + longName +
                            "'.");
    if (context.Has("-min", "-minValue")) attribute->minimum = context.Number("-min", "-minValue", 0.0);
    if (context.Has("-max", "-maxValue")) attribute->maximum = context.Number("-max", "-maxValue", 0.0);
    return true;
}

bool DeleteAttrCommand(CommandContext& context) {
    const auto words = context.Positional({{"-at", 1}, {"-attribute", 1}});
    if (words.empty()) return context.Fail("No attribute was given.");
    NodePtr node;
    AttributePtr attribute;
    if (context.Has("-at", "-attribute")) {
        node = RequireNode(context, words[0]);
        if (!node) return false;
        attribute = node->FindAttribute(context.text("-at", "-attribute"));
        if (!attribute)
            return context.Fail("No object matches name: " + words[0] + "." +
                                context.text("-at", "-attribute"));
    } else {
        const auto plug = RequirePlug(context, words[0]);
        if (!plug) return false;
        node = plug->node;
        attribute = plug->attribute;
    }
    if (!node->IsDynamic(*attribute))
        return context.Fail("The attribute '" + PlugText(*node, *attribute) +
                            "' is static and cannot be deleted.");
    if (!Scene::Instance().removeAttribute(node, attribute))
        return context.Fail("The attribute '" + PlugText(*node, *attribute) + "' cannot be deleted.");
    return true;
}

namespace {

// The two plugs of a connection command, or none after failing the command.
std::optional<std::pair<ResolvedPlug, ResolvedPlug>> ConnectionPlugs(CommandContext& context) {
    const auto words = context.Positional({});
    if (words.size() != 2) return context.Fail("A source and a destination plug are needed."), std::nullopt;
    auto source = RequirePlug(context, words[0]);
    if (!source) return std::nullopt;
    auto destination = RequirePlug(context, words[1]);
    if (!destination) return std::nullopt;
    return std::make_pair(*source, *destination);
}

} // namespace

bool ConnectAttrCommand(CommandContext& context) {
    const auto plugs = ConnectionPlugs(context);
    if (!plugs) return false;
    const auto& [source, destination] = *plugs;
    const std::string from = PlugText(*source.node, *source.attribute);
    const std::string to = PlugText(*destination.node, *destination.attribute);
    Scene& scene = Scene::Instance();
    if (const Link* input = destination.node->Input(*destination.attribute)) {
        auto other = input->other.lock();
        if (other == source.node && input->otherAttribute == source.attribute)
            return context.Fail("'" + from + "' is already connected to '" + to + "'.");
        if (!context.Has("-f", "-force"))
            return context.Fail("'" + to + "' already has an incoming connection from '" + other->name() +
                                "." + input->otherAttribute->LongName() + "'.");
        scene.disconnect(other, input->otherAttribute, destination.node, destination.attribute);
    }
    if (!scene.connect(source.node, source.attribute, destination.node, destination.attribute))
        return context.Fail("The attribute '" + from + "' cannot be connected to '" + to + "'.");
    context.result = Value::String("Connected " + from + " to " + to + ".");
    return true;
}

bool DisconnectAttrCommand(CommandContext& context) {
    const auto plugs = ConnectionPlugs(context);
    if (!plugs) return false;
    const auto& [source, destination] = *plugs;
    const std::string from = PlugText(*source.node, *source.attribute);
    const std::string to = PlugText(*destination.node, *destination.attribute);
    if (!Scene::Instance().disconnect(source.node, source.attribute, destination.node, destination.attribute))
        return context.Fail("There is no connection from '" + from + "' to '" + to + "' to disconnect.");
    context.result = Value::String("Disconnect " + from + " from " + to + ".");
    return true;
}

} // namespace vex::host::builtins
