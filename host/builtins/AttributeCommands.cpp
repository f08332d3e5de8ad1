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

bool number(const std::string& text, double& out) {
    const std::optional<double> value = util::ParseNumber<double>(text);
    if (value) out = *value;
    return value.has_value();
}

// The flags of setAttr: those with a value, and those with an optional truth value.
bool takesValue(const std::string& flag) {
    return flag == "-type" || flag == "-typ" || flag == "-s" || flag == "-size";
}
bool takesTruth(const std::string& flag) {
    return flag == "-l" || flag == "-lock" || flag == "-k" || flag == "-keyable" || flag == "-cb" ||
           flag == "-channelBox";
}

// The values of a setAttr call: every argument that is neither a flag nor a flag's value, after the plug.
std::vector<std::string> setAttrWords(const command::CommandCall& call) {
    std::vector<std::string> words;
    for (std::size_t i = 0; i < call.args.size(); ++i) {
        const auto& arg = call.args[i];
        if (!arg.isFlag) {
            words.push_back(arg.value.AsString());
            continue;
        }
        const std::string flag = arg.value.AsString();
        const bool hasNext = i + 1 < call.args.size() && !call.args[i + 1].isFlag;
        if (hasNext && (takesValue(flag) ||
                        (takesTruth(flag) && CommandContext::truth(call.args[i + 1].value.AsString()))))
            ++i;
    }
    return words;
}

// Reads numbers for a numeric leaf attribute, converting from the UI unit.
bool readNumber(const AttributeDefinition& attribute, const std::string& text, double& out) {
    if (attribute.kind() == AttributeKind::Bool) {
        if (auto truth = CommandContext::truth(text)) {
            out = *truth ? 1.0 : 0.0;
            return true;
        }
    }
    if (!number(text, out)) return false;
    if (attribute.kind() == AttributeKind::Double) out = units::toInternal(units::kindOf(attribute), out);
    return true;
}

// The stored value a setAttr call gives an attribute, or none when the words do not fit it.
std::optional<host::Value> parseValue(const AttributeDefinition& attribute, const std::string& type,
                                      const std::vector<std::string>& words) {
    switch (attribute.kind()) {
    case AttributeKind::Bool:
    case AttributeKind::Int:
    case AttributeKind::Double: {
        double v = 0.0;
        if (words.size() != 1 || !readNumber(attribute, words[0], v)) return std::nullopt;
        if (attribute.kind() == AttributeKind::Bool) return host::Value(v != 0.0);
        if (attribute.kind() == AttributeKind::Int) return host::Value(static_cast<int>(v));
        return host::Value(v);
    }
    case AttributeKind::Double3: {
        Double3 triple{};
        if (words.size() != 3) return std::nullopt;
        for (std::size_t i = 0; i < 3; ++i)
            if (!readNumber(*attribute.children()[i], words[i], triple[i])) return std::nullopt;
        return host::Value(triple);
    }
    case AttributeKind::String:
        if (words.size() != 1 || (!type.empty() && type != "string")) return std::nullopt;
        return host::Value(words[0]);
    case AttributeKind::StringArray: {
        double count = 0.0;
        if (type != "stringArray" || words.empty() || !number(words[0], count) ||
            static_cast<std::size_t>(count) + 1 != words.size())
            return std::nullopt;
        return host::Value(StringList(words.begin() + 1, words.end()));
    }
    case AttributeKind::Matrix: {
        Matrix m{};
        if ((!type.empty() && type != "matrix") || words.size() != 16) return std::nullopt;
        for (std::size_t i = 0; i < 16; ++i)
            if (!number(words[i], m[i])) return std::nullopt;
        return host::Value(m);
    }
    case AttributeKind::Data:
    case AttributeKind::Message:
        break;
    }
    return std::nullopt;
}

std::string plugText(const Node& node, const AttributeDefinition& attribute) {
    return node.name() + "." + attribute.longName();
}

// Sets the lock or the keyable state of a plug, recorded for undo.
void applyPlugFlags(CommandContext& context, const NodePtr& node, const AttributePtr& attribute) {
    if (context.has("-l", "-lock")) {
        const bool locked = context.flag("-l", "-lock");
        const bool before = SessionState::get().isLocked(*node, *attribute);
        StateChange::apply(
            [node, attribute, locked] { SessionState::get().setLocked(*node, *attribute, locked); },
            [node, attribute, before] { SessionState::get().setLocked(*node, *attribute, before); });
    }
    // Keyable is a property of the attribute's description, which static attributes share among all
    // nodes of a type; only a node's own (dynamic) attributes change.
    if (context.has("-k", "-keyable") && node->isDynamic(*attribute)) {
        const bool keyable = context.flag("-k", "-keyable");
        const bool before = attribute->keyable;
        StateChange::apply([attribute, keyable] { attribute->keyable = keyable; },
                           [attribute, before] { attribute->keyable = before; });
    }
}

const char* typeName(const AttributeDefinition& attribute) {
    switch (attribute.kind()) {
    case AttributeKind::Bool:
        return "bool";
    case AttributeKind::Int:
        return "long";
    case AttributeKind::Double:
        switch (units::kindOf(attribute)) {
        case units::Kind::Linear:
            return "doubleLinear";
        case units::Kind::Angular:
            return "doubleAngle";
        case units::Kind::None:
            return "double";
        }
        return "double";
    case AttributeKind::Double3:
        return "double3";
    case AttributeKind::String:
        return "string";
    case AttributeKind::StringArray:
        return "stringArray";
    case AttributeKind::Matrix:
        return "matrix";
    case AttributeKind::Data:
        return attribute.dataType() == MFn::kMeshData ? "mesh" : "data";
    case AttributeKind::Message:
        return "message";
    }
    return "";
}

} // namespace

bool setAttrCommand(CommandContext& context) {
    const std::vector<std::string> words = setAttrWords(context.call);
    if (words.empty()) return context.fail("No plug was given.");
    const std::vector<std::string> values(words.begin() + 1, words.end());
    const std::string& text = words[0];
    const auto name = PlugName::parse(text);
    if (!name) return context.fail("No object matches name: " + text);
    if (MeshForms::handles(name->attribute)) {
        NodePtr node = requirePlugNode(context, *name, text);
        return node && MeshForms::apply(context, node, *name, values);
    }
    const auto plug = requirePlug(context, text);
    if (!plug) return false;
    const std::string shown = plugText(*plug->node, *plug->attribute);
    if (!values.empty()) {
        if (SessionState::get().isLocked(*plug->node, *plug->attribute))
            return context.fail("The attribute '" + shown + "' is locked and cannot be modified.");
        const auto value = parseValue(*plug->attribute, context.text("-typ", "-type"), values);
        if (!value) return context.fail("The values given do not fit the attribute '" + shown + "'.");
        if (!Scene::instance().setValue(plug->node, plug->attribute, *value))
            return context.fail("The attribute '" + shown + "' cannot be set.");
    }
    applyPlugFlags(context, plug->node, plug->attribute);
    return true;
}

bool getAttrCommand(CommandContext& context) {
    const auto words = context.positional({{"-t", 1}, {"-time", 1}});
    if (words.empty()) return context.fail("No plug was given.");
    const auto plug = requirePlug(context, words[0]);
    if (!plug) return false;
    const AttributeDefinition& attribute = *plug->attribute;
    if (context.has("-typ", "-type")) {
        context.result = Value::String(typeName(attribute));
        return true;
    }
    Scene& scene = Scene::instance();
    const double time = context.has("-t", "-time")
                            ? units::framesToSeconds(context.number("-t", "-time", 0.0))
                            : scene.currentTime();
    const host::Value value = scene.evaluate(*plug->node, attribute, time);
    switch (attribute.kind()) {
    case AttributeKind::Bool:
    case AttributeKind::Int:
        context.result = Value::Int(toInt(value));
        return true;
    case AttributeKind::Double:
        context.result = Value::Float(units::toUi(units::kindOf(attribute), toDouble(value)));
        return true;
    case AttributeKind::Double3: {
        const auto& triple = std::get<Double3>(value);
        std::vector<double> out;
        for (std::size_t i = 0; i < 3; ++i)
            out.push_back(units::toUi(units::kindOf(*attribute.children()[i]), triple[i]));
        context.result = Value::FloatArray(out);
        return true;
    }
    case AttributeKind::String:
        context.result = Value::String(std::get<std::string>(value));
        return true;
    case AttributeKind::StringArray:
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
    return context.fail("The value of '" + plugText(*plug->node, attribute) + "' cannot be read as text.");
}

namespace {

// The attribute description an addAttr call asks for, or null with a reason.
AttributePtr describe(CommandContext& context, const std::string& longName, const std::string& shortName) {
    const std::string at = context.text("-at", "-attributeType");
    const std::string dt = context.text("-dt", "-dataType");
    const double dv = context.number("-dv", "-defaultValue", 0.0);
    if (!dt.empty()) {
        if (dt == "string")
            return std::make_shared<AttributeDefinition>(longName, shortName, AttributeKind::String,
                                                         std::string());
        if (dt == "stringArray")
            return std::make_shared<AttributeDefinition>(longName, shortName, AttributeKind::StringArray,
                                                         StringList());
        if (dt == "matrix")
            return std::make_shared<AttributeDefinition>(longName, shortName, AttributeKind::Matrix,
                                                         identityMatrix());
        if (dt == "mesh") {
            auto a = std::make_shared<AttributeDefinition>(longName, shortName, AttributeKind::Data);
            a->setDataType(MFn::kMeshData);
            return a;
        }
        context.fail("Unknown data type: " + dt);
        return nullptr;
    }
    const std::string type = at.empty() ? "double" : at;
    if (type == "bool")
        return std::make_shared<AttributeDefinition>(longName, shortName, AttributeKind::Bool, dv != 0.0);
    if (type == "long" || type == "short" || type == "byte" || type == "enum" || type == "char")
        return std::make_shared<AttributeDefinition>(longName, shortName, AttributeKind::Int,
                                                     static_cast<int>(dv));
    if (type == "double" || type == "float" || type == "doubleLinear" || type == "doubleAngle" ||
        type == "time")
        return std::make_shared<AttributeDefinition>(longName, shortName, AttributeKind::Double, dv);
    if (type == "double3" || type == "float3")
        return AttributeDefinition::makeDouble3(longName, shortName, {"X", "Y", "Z"}, {"X", "Y", "Z"},
                                                {dv, dv, dv});
    if (type == "matrix" || type == "fltMatrix")
        return std::make_shared<AttributeDefinition>(longName, shortName, AttributeKind::Matrix,
                                                     identityMatrix());
    if (type == "message")
        return std::make_shared<AttributeDefinition>(longName, shortName, AttributeKind::Message);
    context.fail("Unknown attribute type: " + type);
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

bool addAttrCommand(CommandContext& context) {
    auto counts = kAddAttrValues;
    for (const auto& names : kAddAttrTruths)
        for (const char* name : names)
            if (auto v = context.value(name); v && CommandContext::truth(v->AsString()))
                counts.push_back({name, 1});
    const auto words = context.positional(counts);
    std::string longName = context.text("-ln", "-longName");
    std::string shortName = context.text("-sn", "-shortName", longName);
    if (longName.empty()) longName = shortName;
    if (longName.empty()) return context.fail("No attribute name was given (-ln).");

    NodePtr node;
    if (!words.empty()) {
        node = requireNode(context, words[0]);
    } else {
        const auto selected = Scene::instance().selection();
        node = selected.empty() ? SessionState::get().currentNode() : selected.front();
        if (!node) return context.fail("No object was given or selected.");
    }
    if (!node) return false;
    // Children of a compound made here exist already: the call that names its parent adds nothing.
    if (context.has("-p", "-parent")) {
        if (const auto existing = node->findAttribute(longName); existing && existing->parent()) return true;
    }
    AttributePtr attribute = describe(context, longName, shortName);
    if (!attribute) return false;
    attribute->hidden = context.flag("-h", "-hidden", false);
    attribute->storable = context.flag("-s", "-storable", true);
    attribute->keyable = context.flag("-k", "-keyable", false);
    for (const auto& child : attribute->children()) child->keyable = attribute->keyable;
    attribute->usedAsColor = context.flag("-uac", "-usedAsColor", false);
    if (!Scene::instance().addAttribute(node, attribute))
        return context.fail("The node '" + node->name() + "' already has an attribute named '" + longName +
                            "'.");
    return true;
}

bool deleteAttrCommand(CommandContext& context) {
    const auto words = context.positional({{"-at", 1}, {"-attribute", 1}});
    if (words.empty()) return context.fail("No attribute was given.");
    NodePtr node;
    AttributePtr attribute;
    if (context.has("-at", "-attribute")) {
        node = requireNode(context, words[0]);
        if (!node) return false;
        attribute = node->findAttribute(context.text("-at", "-attribute"));
        if (!attribute)
            return context.fail("No object matches name: " + words[0] + "." +
                                context.text("-at", "-attribute"));
    } else {
        const auto plug = requirePlug(context, words[0]);
        if (!plug) return false;
        node = plug->node;
        attribute = plug->attribute;
    }
    if (!node->isDynamic(*attribute))
        return context.fail("The attribute '" + plugText(*node, *attribute) +
                            "' is static and cannot be deleted.");
    if (!Scene::instance().removeAttribute(node, attribute))
        return context.fail("The attribute '" + plugText(*node, *attribute) + "' cannot be deleted.");
    return true;
}

namespace {

// The two plugs of a connection command, or none after failing the command.
std::optional<std::pair<ResolvedPlug, ResolvedPlug>> connectionPlugs(CommandContext& context) {
    const auto words = context.positional({});
    if (words.size() != 2) return context.fail("A source and a destination plug are needed."), std::nullopt;
    auto source = requirePlug(context, words[0]);
    if (!source) return std::nullopt;
    auto destination = requirePlug(context, words[1]);
    if (!destination) return std::nullopt;
    return std::make_pair(*source, *destination);
}

} // namespace

bool connectAttrCommand(CommandContext& context) {
    const auto plugs = connectionPlugs(context);
    if (!plugs) return false;
    const auto& [source, destination] = *plugs;
    const std::string from = plugText(*source.node, *source.attribute);
    const std::string to = plugText(*destination.node, *destination.attribute);
    Scene& scene = Scene::instance();
    if (const Link* input = destination.node->input(*destination.attribute)) {
        auto other = input->other.lock();
        if (other == source.node && input->otherAttribute == source.attribute)
            return context.fail("'" + from + "' is already connected to '" + to + "'.");
        if (!context.has("-f", "-force"))
            return context.fail("'" + to + "' already has an incoming connection from '" + other->name() +
                                "." + input->otherAttribute->longName() + "'.");
        scene.disconnect(other, input->otherAttribute, destination.node, destination.attribute);
    }
    if (!scene.connect(source.node, source.attribute, destination.node, destination.attribute))
        return context.fail("The attribute '" + from + "' cannot be connected to '" + to + "'.");
    context.result = Value::String("Connected " + from + " to " + to + ".");
    return true;
}

bool disconnectAttrCommand(CommandContext& context) {
    const auto plugs = connectionPlugs(context);
    if (!plugs) return false;
    const auto& [source, destination] = *plugs;
    const std::string from = plugText(*source.node, *source.attribute);
    const std::string to = plugText(*destination.node, *destination.attribute);
    if (!Scene::instance().disconnect(source.node, source.attribute, destination.node, destination.attribute))
        return context.fail("There is no connection from '" + from + "' to '" + to + "' to disconnect.");
    context.result = Value::String("Disconnect " + from + " from " + to + ".");
    return true;
}

} // namespace vex::host::builtins
