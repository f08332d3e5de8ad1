#include "host/scene/CommandSyntax.h"

#include "util/NumberText.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <functional>

namespace vex::host {

namespace {

using Arg = CommandSyntax::Arg;

const char* KindName(Arg arg) {
    switch (arg) {
    case Arg::kNumber:
        return "a number";
    case Arg::kInteger:
        return "a whole number";
    case Arg::kTruth:
    case Arg::kOptionalTruth:
        return "a truth value (true/false, on/off, yes/no, 1/0)";
    case Arg::kNone:
    case Arg::kString:
        break;
    }
    return "a value";
}

bool Fits(const command::Value& value, Arg arg) {
    using Type = command::Value::Type;
    switch (arg) {
    case Arg::kNone:
    case Arg::kString:
        return true;
    case Arg::kNumber:
        return value.IsNumber() ||
               (value.GetType() == Type::kString && util::ParseNumber<double>(value.AsString()));
    case Arg::kInteger:
        if (value.GetType() == Type::kInt) return true;
        if (value.GetType() == Type::kFloat) return std::floor(value.AsDouble()) == value.AsDouble();
        return value.GetType() == Type::kString && util::ParseNumber<long long>(value.AsString());
    case Arg::kTruth:
    case Arg::kOptionalTruth:
        return !value.IsArray() && CommandSyntax::Truth(value.AsString()).has_value();
    }
    return false;
}

} // namespace

CommandSyntax& CommandSyntax::flag(const char* shortName, const char* longName, Arg arg) {
    return flag(shortName, longName, arg == Arg::kNone ? std::vector<Arg>() : std::vector<Arg>{arg});
}

CommandSyntax& CommandSyntax::flag(const char* shortName, const char* longName, std::vector<Arg> args) {
    flags_.push_back({shortName, longName, std::move(args)});
    return *this;
}

CommandSyntax& CommandSyntax::Query() {
    query_ = true;
    return flag("-q", "-query");
}

CommandSyntax& CommandSyntax::Edit() {
    return flag("-e", "-edit");
}

CommandSyntax& CommandSyntax::Arguments(std::vector<Arg> leading) {
    leading_ = std::move(leading);
    return *this;
}

const CommandSyntax::Flag* CommandSyntax::Find(const std::string& name) const {
    for (const Flag& f : flags_)
        if (f.shortName == name || f.longName == name) return &f;
    return nullptr;
}

bool CommandSyntax::IsQuery(const command::CommandCall& call) const {
    return query_ && call.HasFlag("-q", "-query");
}

std::optional<std::string> CommandSyntax::Walk(const command::CommandCall& call,
                                               const Visit& positional) const {
    const auto& args = call.args;
    for (const auto& a : args)
        if (a.isFlag && !Find(a.value.AsString())) return "Invalid flag \"" + a.value.AsString() + "\"";
    const bool querying = IsQuery(call);
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (!args[i].isFlag) {
            if (auto reason = positional(i)) return reason;
            continue;
        }
        const std::string& name = args[i].value.AsString();
        if (querying) continue;
        for (const Arg arg : Find(name)->args) {
            const bool hasNext = i + 1 < args.size() && !args[i + 1].isFlag;
            if (arg == Arg::kOptionalTruth) {
                if (hasNext && Fits(args[i + 1].value, arg)) ++i;
                continue;
            }
            if (!hasNext) return "Flag \"" + name + "\" needs an argument";
            if (!Fits(args[++i].value, arg))
                return "Flag \"" + name + "\" needs " + KindName(arg) + ", not \"" +
                       args[i].value.AsString() + "\"";
        }
    }
    return std::nullopt;
}

std::optional<std::string> CommandSyntax::Check(const command::CommandCall& call) const {
    std::size_t position = 0;
    return Walk(call, [&](std::size_t i) -> std::optional<std::string> {
        const command::Value& value = call.args[i].value;
        if (position < leading_.size() && !Fits(value, leading_[position]))
            return "Argument \"" + value.AsString() + "\" is not " + KindName(leading_[position]);
        ++position;
        return std::nullopt;
    });
}

std::vector<command::Value> CommandSyntax::Positional(const command::CommandCall& call) const {
    std::vector<command::Value> values;
    Walk(call, [&](std::size_t i) -> std::optional<std::string> {
        values.push_back(call.args[i].value);
        return std::nullopt;
    });
    return values;
}

const char* CommandSyntax::SynopsisName(Arg arg) {
    switch (arg) {
    case Arg::kString:
        return "String";
    case Arg::kNumber:
        return "Float";
    case Arg::kInteger:
        return "Int";
    case Arg::kTruth:
        return "on|off";
    case Arg::kOptionalTruth:
        return "[on|off]";
    case Arg::kNone:
        break;
    }
    return "";
}

std::optional<bool> CommandSyntax::Truth(const std::string& text) {
    std::string lower = text;
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    if (lower == "true" || lower == "on" || lower == "yes" || lower == "1") return true;
    if (lower == "false" || lower == "off" || lower == "no" || lower == "0") return false;
    return std::nullopt;
}

} // namespace vex::host
