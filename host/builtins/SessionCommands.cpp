#include "host/builtins/SessionCommands.h"

#include "host/builtins/OptionVars.h"
#include "host/builtins/UndoChunk.h"
#include "host/scene/UndoQueue.h"
#include "host/scene/Views.h"

#include <maya/MTypes.h>

#include <sys/utsname.h>

namespace vex::host::builtins {

using command::Value;

namespace {

// What undoInfo sets: whether undo is on and the queue length settings.
struct UndoSettings {
    bool enabled = true;
    bool infinite = true;
    int length = 50;
};

UndoSettings& Settings() {
    static UndoSettings settings;
    return settings;
}

} // namespace

bool UndoEnabled() {
    return Settings().enabled;
}

bool UndoInfoCommand(CommandContext& context) {
    UndoSettings& settings = Settings();
    if (context.IsQuery()) {
        if (context.Has("-st", "-state"))
            context.result = Value::Int(settings.enabled ? 1 : 0);
        else if (context.Has("-un", "-undoName"))
            context.result = Value::String(UndoQueue::get().UndoText());
        else if (context.Has("-rn", "-redoName"))
            context.result = Value::String(UndoQueue::get().RedoText());
        else if (context.Has("-in", "-infinity"))
            context.result = Value::Int(settings.infinite ? 1 : 0);
        else if (context.Has("-l", "-length"))
            context.result = Value::Int(settings.length);
        else
            return context.Fail("undoInfo -q needs -st, -un, -rn, -infinity or -l.");
        return true;
    }
    if (context.Has("-l", "-length")) {
        const int length = static_cast<int>(context.Number("-l", "-length", 0.0));
        if (length < 0) return context.Fail("The undo queue length cannot be negative.");
        settings.length = length;
    }
    if (context.Has("-in", "-infinity")) settings.infinite = context.flag("-in", "-infinity");
    if (context.Has("-cck", "-closeChunk") && !UndoChunk::IsOpen() && !context.Has("-ock", "-openChunk"))
        return context.Fail("There is no open undo chunk to close.");
    if (context.Has("-ock", "-openChunk")) UndoChunk::Open();
    if (context.Has("-cck", "-closeChunk"))
        UndoChunk::Close(context.text("-cn", "-chunkName", "undoInfo -cck"));
    if (context.Has("-st", "-state")) {
        settings.enabled = context.flag("-st", "-state");
        if (!settings.enabled && !context.Has("-swf", "-stateWithoutFlush")) UndoQueue::get().Flush();
    }
    if (context.Has("-swf", "-stateWithoutFlush"))
        settings.enabled = context.flag("-swf", "-stateWithoutFlush");
    return true;
}

bool AboutCommand(CommandContext& context) {
    utsname system{};
    uname(&system);
    if (context.Has("-v", "-version")) {
        context.result = Value::String("2014");
    } else if (context.Has("-api", "-apiVersion")) {
        context.result = Value::Int(MAYA_API_VERSION);
    } else if (context.Has("-os", "-operatingSystem")) {
        context.result = Value::String("linux64");
    } else if (context.Has("-li", "-linux")) {
        context.result = Value::Int(1);
    } else if (context.Has("-b", "-batch")) {
        // A session with a window has given the views its application shell.
        context.result = Value::Int(Views::get().applicationShell() == 0 ? 1 : 0);
    } else if (context.Has("-osv", "-operatingSystemVersion")) {
        context.result = Value::String(std::string(system.sysname) + " " + system.release);
    } else {
        return context.Fail("about needs a flag that says what to answer.");
    }
    return true;
}

bool OptionVarCommand(CommandContext& context) {
    OptionVars& vars = OptionVars::get();
    if (context.Has("-q", "-query")) {
        const auto found = vars.Find(context.text("-q", "-query"));
        context.result = found ? *found : Value::Int(0);
        return true;
    }
    if (context.Has("-ex", "-exists")) {
        context.result = Value::Int(vars.Find(context.text("-ex", "-exists")) ? 1 : 0);
        return true;
    }
    if (context.Has("-rm", "-remove")) vars.remove(context.text("-rm", "-remove"));
    if (context.Has("-ca", "-clearArray")) {
        const std::string name = context.text("-ca", "-clearArray");
        if (const auto found = vars.Find(name); found && found->IsArray())
            vars.Set(name, Value::OfType(found->GetType()));
    }
    // Each setting flag is followed by the name and the value.
    struct Setter {
        const char* shortName;
        const char* longName;
        Value::Type type;
        bool append;
    };
    static const Setter kSetters[] = {{"-iv", "-intValue", Value::Type::kInt, false},
                                      {"-fv", "-floatValue", Value::Type::kFloat, false},
                                      {"-sv", "-stringValue", Value::Type::kString, false},
                                      {"-iva", "-intValueAppend", Value::Type::kInt, true},
                                      {"-fva", "-floatValueAppend", Value::Type::kFloat, true},
                                      {"-sva", "-stringValueAppend", Value::Type::kString, true}};
    // Every setting flag given counts, in order.
    const auto& args = context.call.args;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (!args[i].isFlag) continue;
        const std::string flag = args[i].value.AsString();
        for (const Setter& setter : kSetters) {
            if (flag != setter.shortName && flag != setter.longName) continue;
            if (i + 2 >= args.size()) return context.Fail("Flag \"" + flag + "\" needs a name and a value");
            const Value value = args[i + 2].value.ConvertTo(setter.type);
            if (setter.append)
                vars.Append(args[i + 1].value.AsString(), value);
            else
                vars.Set(args[i + 1].value.AsString(), value);
        }
    }
    return true;
}

} // namespace vex::host::builtins
