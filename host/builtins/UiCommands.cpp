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
std::vector<std::pair<std::string, int>> modifierCounts(const CommandContext& context) {
    std::vector<std::pair<std::string, int>> counts;
    for (const auto& names : kModifiers)
        for (const char* name : names)
            if (auto v = context.value(name); v && CommandContext::truth(v->AsString()))
                counts.push_back({name, 1});
    return counts;
}

UiState::Hotkey hotkeyOf(const CommandContext& context, std::string key) {
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

bool isFlag(const std::string& text, const char* shortName, const char* longName) {
    return text == shortName || text == longName;
}

} // namespace

bool hotkeyCommand(CommandContext& context) {
    UiState& ui = UiState::get();
    auto counts = modifierCounts(context);
    if (context.has("-q", "-query")) {
        const auto words = context.positional(counts);
        if (words.empty()) return context.fail("No key was given.");
        context.result = Value::String(ui.hotkey(hotkeyOf(context, words[0])));
        return true;
    }
    const auto key = context.value("-k", "-keyShortcut");
    if (!key) return context.fail("No key was given (-k).");
    ui.setHotkey(hotkeyOf(context, key->AsString()), context.text("-n", "-name"));
    return true;
}

bool nameCommandCommand(CommandContext& context) {
    const auto words = context.positional(
        {{"-ann", 1}, {"-annotation", 1}, {"-c", 1}, {"-command", 1}, {"-stp", 1}, {"-sourceType", 1}});
    if (words.empty()) return context.fail("No name was given.");
    UiState::get().setNameCommand(words[0],
                                  {context.text("-ann", "-annotation"), context.text("-c", "-command")});
    context.result = Value::String(words[0]);
    return true;
}

bool shelfLayoutCommand(CommandContext& context) {
    const auto words = context.positional({{"-p", 1}, {"-parent", 1}});
    if (words.empty()) return context.fail("No shelf was named.");
    UiState& ui = UiState::get();
    if (context.has("-ex", "-exists")) {
        context.result = Value::Int(ui.findShelf(words[0]) ? 1 : 0);
        return true;
    }
    if (!ui.addShelf(words[0])) return context.fail("Shelf '" + words[0] + "' already exists.");
    context.result = Value::String(words[0]);
    return true;
}

bool layoutCommand(CommandContext& context) {
    const auto words = context.positional({});
    if (words.empty() || !context.has("-ex", "-exists")) return context.fail("Usage: layout -exists name");
    const bool exists = words[0] == UiState::kShelfTopLevel || UiState::get().findShelf(words[0]);
    context.result = Value::Int(exists ? 1 : 0);
    return true;
}

bool addNewShelfTabCommand(CommandContext& context) {
    const auto words = context.positional({});
    if (words.empty()) return context.fail("No shelf was named.");
    if (!UiState::get().addShelf(words[0])) return context.fail("Shelf '" + words[0] + "' already exists.");
    return true;
}

bool shelfButtonCommand(CommandContext& context) {
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
        if (i + 1 >= args.size()) return context.fail("The flag " + flag + " has no value.");
        flags.emplace_back(flag, args[++i].value.AsString());
    }
    UiState& ui = UiState::get();
    std::string parent = ui.currentShelf();
    for (const auto& [flag, value] : flags)
        if (isFlag(flag, "-p", "-parent")) parent = value.substr(value.rfind('|') + 1);
    UiState::ShelfTab* shelf = ui.findShelf(parent);
    if (!shelf) return context.fail("There is no shelf to put the button on.");
    context.result = Value::String(ui.addButton(*shelf, name, std::move(flags)));
    return true;
}

bool deleteShelfTabCommand(CommandContext& context) {
    const auto words = context.positional({});
    if (words.empty()) return context.fail("No shelf was named.");
    if (!UiState::get().removeShelf(words[0]))
        return context.fail("Shelf '" + words[0] + "' does not exist.");
    return true;
}

bool shelfTabLayoutCommand(CommandContext& context) {
    UiState& ui = UiState::get();
    const bool query = context.has("-q", "-query");
    if (query) {
        if (context.has("-ca", "-childArray")) {
            std::vector<std::string> names;
            for (const auto& shelf : ui.shelves()) names.push_back(shelf.name);
            context.result = Value::StringArray(names);
        } else if (context.has("-st", "-selectTab")) {
            context.result = Value::String(ui.currentShelf());
        } else {
            return context.fail("No value to query was named.");
        }
        return true;
    }
    if (context.has("-ex", "-exists")) {
        const auto words = context.positional({});
        context.result = Value::Int(!words.empty() && words[0] == UiState::kShelfTopLevel ? 1 : 0);
        return true;
    }
    if (auto tab = context.value("-st", "-selectTab"))
        if (!ui.setCurrentShelf(tab->AsString()))
            return context.fail("Shelf '" + tab->AsString() + "' does not exist.");
    return true;
}

bool confirmDialogCommand(CommandContext& context) {
    std::string firstButton;
    for (std::size_t i = 0; i + 1 < context.call.args.size(); ++i) {
        const auto& arg = context.call.args[i];
        if (arg.isFlag && isFlag(arg.value.AsString(), "-b", "-button")) {
            firstButton = context.call.args[i + 1].value.AsString();
            break;
        }
    }
    const std::string title = context.text("-t", "-title");
    const std::string message = context.text("-m", "-message");
    CommandEngine::get().interpreter().Print((title.empty() ? std::string() : title + ": ") + message + "\n");
    context.result = Value::String(context.text("-db", "-defaultButton", firstButton));
    return true;
}

bool echoCommand(CommandContext& context) {
    std::string line;
    for (const auto& arg : context.call.args) line += (line.empty() ? "" : " ") + arg.value.AsString();
    CommandEngine::get().interpreter().Print(line + "\n");
    return true;
}

} // namespace vex::host::builtins
