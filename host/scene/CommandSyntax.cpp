#include "host/scene/CommandSyntax.h"

#include "util/NumberText.h"

#include <algorithm>
#include <cctype>
#include <cmath>

namespace vex::host {

namespace {

using Arg = CommandSyntax::Arg;

const char* kindName(Arg arg) {
    switch (arg) {
    case Arg::Number:
        return "a number";
    case Arg::Integer:
        return "a whole number";
    case Arg::Truth:
    case Arg::OptionalTruth:
        return "a truth value (true/false, on/off, yes/no, 1/0)";
    case Arg::None:
    case Arg::String:
        break;
    }
    return "a value";
}

bool fits(const command::Value& value, Arg arg) {
    using Type = command::Value::Type;
    switch (arg) {
    case Arg::None:
    case Arg::String:
        return true;
    case Arg::Number:
        return value.IsNumber() ||
               (value.GetType() == Type::String && util::ParseNumber<double>(value.AsString()));
    case Arg::Integer:
        if (value.GetType() == Type::Int) return true;
        if (value.GetType() == Type::Float) return std::floor(value.AsDouble()) == value.AsDouble();
        return value.GetType() == Type::String && util::ParseNumber<long long>(value.AsString());
    case Arg::Truth:
    case Arg::OptionalTruth:
        return !value.IsArray() && CommandSyntax::truth(value.AsString()).has_value();
    }
    return false;
}

} // namespace

CommandSyntax& CommandSyntax::flag(const char* shortName, const char* longName, Arg arg) {
    return flag(shortName, longName, arg == Arg::None ? std::vector<Arg>() : std::vector<Arg>{arg});
}

CommandSyntax& CommandSyntax::flag(const char* shortName, const char* longName, std::vector<Arg> args) {
    flags_.push_back({shortName, longName, std::move(args)});
    return *this;
}

CommandSyntax& CommandSyntax::query() {
    query_ = true;
    return flag("-q", "-query");
}

CommandSyntax& CommandSyntax::edit() {
    return flag("-e", "-edit");
}

CommandSyntax& CommandSyntax::arguments(std::vector<Arg> leading) {
    leading_ = std::move(leading);
    return *this;
}

const CommandSyntax::Flag* CommandSyntax::find(const std::string& name) const {
    for (const Flag& f : flags_)
        if (f.shortName == name || f.longName == name) return &f;
    return nullptr;
}

std::optional<std::string> CommandSyntax::check(const command::CommandCall& call) const {
    const auto& args = call.args;
    bool querying = false;
    for (const auto& a : args) {
        if (!a.isFlag) continue;
        const std::string& name = a.value.AsString();
        if (!find(name)) return "invalid flag " + name;
        if (query_ && (name == "-q" || name == "-query")) querying = true;
    }
    std::size_t position = 0;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (!args[i].isFlag) {
            if (position < leading_.size() && !fits(args[i].value, leading_[position]))
                return "argument \"" + args[i].value.AsString() + "\" is not " + kindName(leading_[position]);
            ++position;
            continue;
        }
        const std::string& name = args[i].value.AsString();
        if (querying) continue;
        for (const Arg arg : find(name)->args) {
            const bool hasNext = i + 1 < args.size() && !args[i + 1].isFlag;
            if (arg == Arg::OptionalTruth) {
                if (hasNext && fits(args[i + 1].value, arg)) ++i;
                continue;
            }
            if (!hasNext) return "flag " + name + " needs " + kindName(arg);
            if (!fits(args[++i].value, arg))
                return "flag " + name + ": \"" + args[i].value.AsString() + "\" is not " + kindName(arg);
        }
    }
    return std::nullopt;
}

std::optional<bool> CommandSyntax::truth(const std::string& text) {
    std::string lower = text;
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    if (lower == "true" || lower == "on" || lower == "yes" || lower == "1") return true;
    if (lower == "false" || lower == "off" || lower == "no" || lower == "0") return false;
    return std::nullopt;
}

} // namespace vex::host
