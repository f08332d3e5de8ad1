#include "host/builtins/UiCommands.h"

#include "host/builtins/UiState.h"
#include "host/scene/CommandEngine.h"

namespace vex::host::builtins {

using command::Value;

namespace {

const char* const kModifiers[][2] = {{"-alt", "-altModifier"},
                                     {"-ctl", "-ctrlModifier"},
                                     {"-sht", "-shiftModifier"},
                                     {"-cmd", "-commandModifier"}};

// The modifier flags of a hotkey call, with their optional truth values counted as flag values.
std::vector<std::pair<std::string, int>> ModifierCounts(const CommandContext& context) {
    std::vector<std::pair<std::string, int>> counts;
    for (const auto& names : kModifiers)
        for (const char* name : names)
            if (auto v = context.value(name); v && CommandContext::Truth(v->AsString()))
                counts.push_back({name, 1});
    return counts;
}

UiState::Hotkey HotkeyOf(const CommandContext& context, std::string key) {
    // Key names that scripts write for keys a string cannot show plainly.
    if (key == "Dash") key = "-";
    if (key == " " || key == "space") key = "Space";
    UiState::Hotkey hotkey;
    hotkey.key = key;
    hotkey.alt = context.flag(kModifiers[0][0], kModifiers[0][1]);
    hotkey.ctl = context.flag(kModifiers[1][0], kModifiers[1][1]);
    hotkey.sht = context.flag(kModifiers[2][0], kModifiers[2][1]);
    hotkey.cmd = context.flag(kModifiers[3][0], kModifiers[3][1]);
    return hotkey;
}

bool IsFlag(const std::string& text, const char* shortName, const char* longName) {
    return text == shortName || text == longName;
}

} // namespace

bool HotkeyCommand(CommandContext& context) {
    UiState& ui = UiState::get();
    auto counts = ModifierCounts(context);
    if (context.Has("-q", "-query")) {
        const auto words = context.Positional(counts);
        if (words.empty()) return context.Fail("No key was given.");
        context.result = Value::String(ui.HotkeyCommand(HotkeyOf(context, words[0])));
        return true;
    }
    const auto key = context.value("-k", "-keyShortcut");
    if (!key) return context.Fail("No key was given (-k).");
    ui.SetHotkey(HotkeyOf(context, key->AsString()), context.text("-n", "-name"));
    return true;
}

bool NameCommandCommand(CommandContext& context) {
    const auto words = context.Positional(
        {{"-ann", 1}, {"-annotation", 1}, {"-c", 1}, {"-command", 1}, {"-stp", 1}, {"-sourceType", 1}});
    if (words.empty()) return context.Fail("No name was given.");
    UiState::get().SetNameCommand(words[0],
                                  {context.text("-ann", "-annotation"), context.text("-c", "-command")});
    context.result = Value::String(words[0]);
    return true;
}

bool ShelfLayoutCommand(CommandContext& context) {
    const auto words = context.Positional({{"-p", 1}, {"-parent", 1}});
    if (words.empty()) return context.Fail("No shelf was named.");
    UiState& ui = UiState::get();
    if (context.Has("-ex", "-exists")) {
        context.result = Value::Int(ui.FindShelf(words[0]) ? 1 : 0);
        return true;
    }
    if (!ui.AddShelf(words[0])) return context.Fail("Shelf '" + words[0] + "' already exists.");
    context.result = Value::String(words[0]);
    return true;
}

bool LayoutCommand(CommandContext& context) {
    const auto words = context.Positional({});
    if (words.empty() || !context.Has("-ex", "-exists")) return context.Fail("Usage: layout -exists name");
    const bool exists = words[0] == UiState::kShelfTopLevel || UiState::get().FindShelf(words[0]);
    context.result = Value::Int(exists ? 1 : 0);
    return true;
}

bool AddNewShelfTabCommand(CommandContext& context) {
    const auto words = context.Positional({});
    if (words.empty()) return context.Fail("No shelf was named.");
    if (!UiState::get().AddShelf(words[0])) return context.Fail("Shelf '" + words[0] + "' already exists.");
    return true;
}

bool ShelfButtonCommand(CommandContext& context) {
    // Every flag of a shelf button takes one value.
    std::vector<std::pair<std::string, std::string>> flags;
    std::string name;
    const auto& args = context.call.args;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (!args[i].isFlag) {
            name = args[i].value.AsString();
            continue;
        }
        const std::string flag = args[i].value.AsString();
        if (i + 1 >= args.size()) return context.Fail("The flag " + flag + " has no value.");
        flags.emplace_back(flag, args[++i].value.AsString());
    }
    UiState& ui = UiState::get();
    std::string parent = ui.CurrentShelf();
    for (const auto& [flag, value] : flags)
        if (IsFlag(flag, "-p", "-parent")) parent = value.substr(value.rfind('|') + 1);
    UiState::ShelfTab* shelf = ui.FindShelf(parent);
    if (!shelf) return context.Fail("There is no shelf to put the button on.");
    context.result = Value::String(ui.addButton(*shelf, name, std::move(flags)));
    return true;
}

bool DeleteShelfTabCommand(CommandContext& context) {
    const auto words = context.Positional({});
    if (words.empty()) return context.Fail("No shelf was named.");
    if (!UiState::get().RemoveShelf(words[0]))
        return context.Fail("Shelf '" + words[0] + "' does not exist.");
    return true;
}

bool ShelfTabLayoutCommand(CommandContext& context) {
    UiState& ui = UiState::get();
    const bool query = context.Has("-q", "-query");
    if (query) {
        if (context.Has("-ca", "-childArray")) {
            std::vector<std::string> names;
            for (const auto& shelf : ui.Shelves()) names.push_back(shelf.name);
            context.result = Value::StringArray(names);
        } else if (context.Has("-st", "-selectTab")) {
            context.result = Value::String(ui.CurrentShelf());
        } else {
            return context.Fail("No value to query was named.");
        }
        return true;
    }
    if (context.Has("-ex", "-exists")) {
        const auto words = context.Positional({});
        context.result = Value::Int(!words.empty() && words[0] == UiState::kShelfTopLevel ? 1 : 0);
        return true;
    }
    if (auto tab = context.value("-st", "-selectTab"))
        if (!ui.SetCurrentShelf(tab->AsString()))
            return context.Fail("Shelf '" + tab->AsString() + "' does not exist.");
    return true;
}

bool ConfirmDialogCommand(CommandContext& context) {
    std::string firstButton;
    for (std::size_t i = 0; i + 1 < context.call.args.size(); ++i) {
        const auto& arg = context.call.args[i];
        if (arg.isFlag && IsFlag(arg.value.AsString(), "-b", "-button")) {
            firstButton = context.call.args[i + 1].value.AsString();
            break;
        }
    }
    const std::string title = context.text("-t", "-title");
    const std::string message = context.text("-m", "-message");
    CommandEngine::get().Interpreter().Print((title.empty() ? std::string() : title + ": ") + message + "\n");
    context.result = Value::String(context.text("-db", "-defaultButton", firstButton));
    return true;
}

bool EchoCommand(CommandContext& context) {
    std::string line;
    for (const auto& arg : context.call.args) line += (line.empty() ? "" : " ") + arg.value.AsString();
    CommandEngine::get().Interpreter().Print(line + "\n");
    return true;
}

} // namespace vex::host::builtins
