#include "host/builtins/AttributeQueryCommands.h"

#include "host/builtins/AttributeCommands.h"
#include "host/builtins/PlugName.h"
#include "host/builtins/SelectionCommands.h"
#include "host/builtins/Units.h"
#include "host/scene/Scene.h"

#include <algorithm>

namespace vex::host::builtins {

using command::Value;

namespace {

// Every value of a flag given several times (-st a -st b).
std::vector<std::string> Repeated(const CommandContext& context, const char* shortName,
                                  const char* longName) {
    std::vector<std::string> values;
    const auto& args = context.call.args;
    for (std::size_t i = 0; i + 1 < args.size(); ++i) {
        const std::string name = args[i].isFlag ? args[i].value.AsString() : std::string();
        if (name == shortName || name == longName) values.push_back(args[i + 1].value.AsString());
    }
    return values;
}

void AddWithChildren(const AttributePtr& attribute, std::vector<AttributePtr>& out) {
    out.push_back(attribute);
    for (const auto& child : attribute->Children()) AddWithChildren(child, out);
}

// The host's name of an attribute's kind, as attributeQuery -at answers it: text and data are "typed".
std::string TypeName(const AttributeDefinition& attribute) {
    switch (attribute.kind()) {
    case AttributeKind::kInt:
        return attribute.fields.empty() ? "long" : "enum";
    case AttributeKind::kString:
    case AttributeKind::kStringArray:
    case AttributeKind::Data:
        return "typed";
    default:
        return AttributeTypeName(attribute);
    }
}

std::string PlugText(const Node& node, const AttributeDefinition& attribute) {
    return Scene::Instance().partialPathName(node) + "." + attribute.LongName();
}

bool IsOfType(const Node& node, const std::string& wanted) {
    for (const NodeType* type = &node.type(); type; type = type->parent().get())
        if (type->name() == wanted) return true;
    return false;
}

// Whether the plug `attribute` is `wanted` or one of its children.
bool Within(const AttributeDefinition& attribute, const AttributeDefinition* wanted) {
    return !wanted || &attribute == wanted || attribute.parent() == wanted;
}

} // namespace

bool ListAttrCommand(CommandContext& context) {
    const auto nodes = NamedOrSelected(context, context.Objects());
    if (!nodes) return false;
    const auto patterns = Repeated(context, "-st", "-string");
    std::vector<std::string> names;
    for (const auto& node : *nodes) {
        std::vector<AttributePtr> attributes;
        for (const auto& attribute : node->Attributes())
            if (!attribute->parent()) AddWithChildren(attribute, attributes);
        for (const auto& attribute : attributes) {
            const bool keep =
                (!context.Has("-k", "-keyable") || (attribute->keyable && attribute->Children().empty())) &&
                (!context.Has("-ud", "-userDefined") || node->IsDynamic(*attribute) ||
                 (attribute->parent() && node->IsDynamic(*attribute->parent()))) &&
                (!context.Has("-r", "-read") || attribute->readable) &&
                (!context.Has("-w", "-write") || attribute->writable) &&
                (!context.Has("-c", "-connectable") || attribute->connectable) &&
                !context.Has("-m", "-multi") && !context.Has("-cb", "-channelBox") &&
                (patterns.empty() || std::any_of(patterns.begin(), patterns.end(), [&](const std::string& p) {
                     return MatchesPattern(p, attribute->LongName());
                 }));
            if (keep) names.push_back(attribute->LongName());
        }
    }
    context.result = Value::StringArray(names);
    return true;
}

bool AttributeQueryCommand(CommandContext& context) {
    const auto words = context.Objects();
    if (words.size() != 1 || !context.Has("-n", "-node"))
        return context.Fail("Usage: attributeQuery -n node [flag] attribute");
    const NodePtr node = RequireNode(context, context.text("-n", "-node"));
    if (!node) return false;
    const AttributePtr attribute = node->FindAttribute(words[0]);
    if (context.Has("-ex", "-exists")) {
        context.result = Value::Int(attribute ? 1 : 0);
        return true;
    }
    if (!attribute) return context.Fail("No attribute named " + words[0] + " on " + node->name() + ".");
    const auto numbers = [&](const std::optional<double>& value) {
        return value ? Value::FloatArray({*value}) : Value::FloatArray();
    };
    if (context.Has("-at", "-attributeType")) {
        context.result = Value::String(TypeName(*attribute));
    } else if (context.Has("-k", "-keyable")) {
        context.result = Value::Int(attribute->keyable ? 1 : 0);
    } else if (context.Has("-min", "-minimum")) {
        context.result = numbers(attribute->minimum);
    } else if (context.Has("-max", "-maximum")) {
        context.result = numbers(attribute->maximum);
    } else if (context.Has("-mne", "-minExists")) {
        context.result = Value::Int(attribute->minimum ? 1 : 0);
    } else if (context.Has("-mxe", "-maxExists")) {
        context.result = Value::Int(attribute->maximum ? 1 : 0);
    } else if (context.Has("-re", "-rangeExists")) {
        context.result = Value::Int(attribute->minimum && attribute->maximum ? 1 : 0);
    } else if (context.Has("-le", "-listEnum")) {
        context.result =
            attribute->fields.empty() ? Value::StringArray() : Value::StringArray({attribute->EnumText()});
    } else if (context.Has("-nc", "-numberOfChildren")) {
        context.result = Value::Int(static_cast<int64_t>(attribute->Children().size()));
    } else if (context.Has("-lp", "-listParent")) {
        context.result = attribute->parent() ? Value::StringArray({attribute->parent()->LongName()})
                                             : Value::StringArray();
    } else if (context.Has("-ln", "-longName")) {
        context.result = Value::String(attribute->LongName());
    } else if (context.Has("-sn", "-shortName")) {
        context.result = Value::String(attribute->ShortName());
    } else if (context.Has("-ld", "-listDefault") || context.Has("-dv", "-defaultValue")) {
        const host::Value value = attribute->DefaultValue();
        const units::Kind kind = units::KindOf(*attribute);
        if (const auto* triple = std::get_if<Double3>(&value))
            context.result =
                Value::FloatArray({units::ToUi(kind, (*triple)[0]), units::ToUi(kind, (*triple)[1]),
                                   units::ToUi(kind, (*triple)[2])});
        else
            context.result = Value::FloatArray({units::ToUi(kind, ToDouble(value))});
    } else {
        return context.Fail("attributeQuery needs a flag that says what to answer.");
    }
    return true;
}

bool ListConnectionsCommand(CommandContext& context) {
    const bool sources = context.flag("-s", "-source", true);
    const bool destinations = context.flag("-d", "-destination", true);
    const bool plugs = context.flag("-p", "-plugs");
    const bool pairs = context.flag("-c", "-connections");
    const std::string type = context.text("-t", "-type");
    std::vector<std::string> out;
    for (const auto& word : context.Objects()) {
        NodePtr node = Scene::Instance().findNode(word);
        AttributePtr wanted;
        if (!node) {
            const auto plug = RequirePlug(context, word);
            if (!plug) return false;
            node = plug->node;
            wanted = plug->attribute;
        }
        const auto add = [&](const std::vector<Link>& links) {
            for (const Link& link : links) {
                const NodePtr other = link.other.lock();
                if (!other || !Within(*link.attribute, wanted.get())) continue;
                if (!type.empty() && !IsOfType(*other, type)) continue;
                if (pairs) out.push_back(PlugText(*node, *link.attribute));
                out.push_back(plugs ? PlugText(*other, *link.otherAttribute)
                                    : Scene::Instance().partialPathName(*other));
            }
        };
        if (sources) add(node->Inputs());
        if (destinations) add(node->Outputs());
    }
    context.result = Value::StringArray(out);
    return true;
}

} // namespace vex::host::builtins
