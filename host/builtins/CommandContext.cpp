#include "host/builtins/CommandContext.h"

#include "host/scene/CommandRegistry.h"
#include "host/scene/CommandSyntax.h"

namespace vex::host::builtins {

bool CommandContext::Fail(std::string reason) {
    error = std::move(reason);
    return false;
}

bool CommandContext::Has(const char* shortName, const char* longName) const {
    return call.HasFlag(shortName, longName);
}

std::optional<command::Value> CommandContext::value(const char* shortName, const char* longName,
                                                    int offset) const {
    const int index = call.FlagIndex(shortName, longName);
    if (index < 0) return std::nullopt;
    const std::size_t at = static_cast<std::size_t>(index + offset);
    if (at >= call.args.size() || call.args[at].isFlag) return std::nullopt;
    return call.args[at].value;
}

std::string CommandContext::text(const char* shortName, const char* longName,
                                 const std::string& fallback) const {
    const auto v = value(shortName, longName);
    return v ? v->AsString() : fallback;
}

double CommandContext::Number(const char* shortName, const char* longName, double fallback) const {
    const auto v = value(shortName, longName);
    return v ? v->AsDouble() : fallback;
}

bool CommandContext::flag(const char* shortName, const char* longName, bool absent) const {
    if (!Has(shortName, longName)) return absent;
    const auto v = value(shortName, longName);
    if (!v) return true;
    return Truth(v->AsString()).value_or(true);
}

std::vector<std::string>
CommandContext::Positional(const std::vector<std::pair<std::string, int>>& valueCounts) const {
    std::vector<std::string> out;
    for (const auto& v : call.Positional(valueCounts)) out.push_back(v.AsString());
    return out;
}

std::vector<std::string> CommandContext::Objects() const {
    const CommandSyntax* syntax = CommandRegistry::get().Syntax(call.name);
    if (!syntax) return Positional({});
    std::vector<std::string> out;
    for (const auto& v : syntax->Positional(call)) out.push_back(v.AsString());
    return out;
}

bool CommandContext::IsQuery() const {
    const CommandSyntax* syntax = CommandRegistry::get().Syntax(call.name);
    return syntax && syntax->IsQuery(call);
}

std::vector<double> CommandContext::Numbers(const char* shortName, const char* longName, int count) const {
    std::vector<double> numbers;
    for (int i = 1; i <= count; ++i) {
        const auto v = value(shortName, longName, i);
        numbers.push_back(v ? v->AsDouble() : 0.0);
    }
    return numbers;
}

std::optional<bool> CommandContext::Truth(const std::string& text) {
    return CommandSyntax::Truth(text);
}

} // namespace vex::host::builtins
