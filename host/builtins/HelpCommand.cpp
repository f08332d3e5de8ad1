#include "host/builtins/HelpCommand.h"

#include "host/scene/CommandRegistry.h"

namespace vex::host::builtins {

namespace {

constexpr std::size_t kShortWidth = 5;
constexpr std::size_t kLongWidth = 26;

std::string Padded(const std::string& text, std::size_t width, bool right) {
    if (text.size() >= width) return text;
    const std::string pad(width - text.size(), ' ');
    return right ? pad + text : text + pad;
}

} // namespace

std::string SynopsisText(const std::string& name, const CommandSyntax* syntax) {
    std::string text = "Synopsis: " + name + " [flags]";
    if (syntax)
        for (const CommandSyntax::Arg arg : syntax->Leading())
            text += std::string(" [") + CommandSyntax::SynopsisName(arg) + "]";
    text += " [String...]\nFlags:\n";
    if (!syntax) return text + "   (the command reads its flags itself)\n";
    for (const CommandSyntax::Flag& flag : syntax->Flags()) {
        std::string values;
        for (const CommandSyntax::Arg arg : flag.args)
            values += std::string(" ") + CommandSyntax::SynopsisName(arg);
        std::string line = Padded(flag.shortName, kShortWidth, true) + " " + flag.longName;
        if (!values.empty()) line = Padded(line, kShortWidth + 1 + kLongWidth, false) + values;
        text += line + "\n";
    }
    return text;
}

bool HelpCommand(CommandContext& context) {
    const auto words = context.Positional({});
    const CommandRegistry& registry = CommandRegistry::get();
    if (words.empty()) {
        std::string text;
        for (const std::string& name : registry.Names()) text += name + "\n";
        context.result = command::Value::String(text);
        return true;
    }
    if (words.size() > 1) return context.Fail("Usage: help [command]");
    if (!registry.Find(words[0])) return context.Fail("No command named \"" + words[0] + "\" exists.");
    context.result = command::Value::String(SynopsisText(words[0], registry.Syntax(words[0])));
    return true;
}

} // namespace vex::host::builtins
