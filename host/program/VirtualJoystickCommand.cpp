#include "host/program/VirtualJoystickCommand.h"

#include "host/program/EventPump.h"
#include "host/program/SampleTable.h"
#include "host/program/VirtualJoystick.h"
#include "util/AtomicFile.h"

#include <maya/MArgList.h>
#include <maya/MString.h>
#include <maya/MStringArray.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

namespace vex::host::program {

namespace {

// SDL's limits for a virtual joystick's parts.
constexpr int kMaxAxes = 32;
constexpr int kMaxButtons = 64;
constexpr int kMaxHats = 8;

// The joysticks the scripts plugged in; their feed runs with the program's events.
std::vector<std::unique_ptr<VirtualJoystick>>& Joysticks() {
    static std::vector<std::unique_ptr<VirtualJoystick>> list;
    static const bool fed = [] {
        EventPump::get().AddFeed([] {
            for (const auto& joystick : list) joystick->Feed();
        });
        return true;
    }();
    (void)fed;
    return list;
}

// The joystick named `name` among those plugged in, or the list's end.
std::vector<std::unique_ptr<VirtualJoystick>>::iterator FindJoystick(const std::string& name) {
    auto& list = Joysticks();
    return std::find_if(list.begin(), list.end(),
                        [&](const auto& joystick) { return joystick->name() == name; });
}

bool HasFlag(const MArgList& args, const char* shortFlag, const char* longFlag) {
    return args.flagIndex(shortFlag, longFlag) != MArgList::kInvalidArgIndex;
}

// The value after a flag; false when the flag is absent or has no value.
bool FlagText(const MArgList& args, const char* shortFlag, const char* longFlag, std::string& value) {
    const unsigned index = args.flagIndex(shortFlag, longFlag);
    if (index == MArgList::kInvalidArgIndex) return false;
    MStatus status;
    value = args.asString(index + 1, &status).asChar();
    return static_cast<bool>(status);
}

// A whole-number flag within [0, most]; `value` keeps its default when the flag is absent.
bool FlagCount(const MArgList& args, const char* shortFlag, const char* longFlag, int most, int& value) {
    const unsigned index = args.flagIndex(shortFlag, longFlag);
    if (index == MArgList::kInvalidArgIndex) return true;
    MStatus status;
    value = args.asInt(index + 1, &status);
    return status && value >= 0 && value <= most;
}

MStatus Fail(const std::string& text) {
    return MStatus(MStatus::kFailure, "virtualJoystick: " + text);
}

MStatus create(const MArgList& args, MPxCommand& command) {
    std::string name;
    if (!FlagText(args, "-n", "-name", name) || name.empty()) return Fail("a joystick needs a -name.");
    int axes = 6, buttons = 8, hats = 0;
    if (!FlagCount(args, "-ax", "-axes", kMaxAxes, axes) ||
        !FlagCount(args, "-b", "-buttons", kMaxButtons, buttons) ||
        !FlagCount(args, "-h", "-hats", kMaxHats, hats))
        return Fail("-axes is 0 to 32, -buttons 0 to 64, -hats 0 to 8.");
    if (FindJoystick(name) != Joysticks().end())
        return Fail("a joystick named \"" + name + "\" is plugged in already.");
    std::string error;
    auto joystick = std::make_unique<VirtualJoystick>(name, axes, buttons, hats, error);
    if (!joystick->IsPlugged()) return Fail(error + ".");
    Joysticks().push_back(std::move(joystick));
    command.setResult(MString(name.c_str()));
    return MStatus::kSuccess;
}

MStatus Edit(const MArgList& args, VirtualJoystick& joystick) {
    std::string csv, plug;
    if (FlagText(args, "-csv", "-csvFile", csv)) {
        std::string text, error;
        if (!util::ReadWholeFile(csv, text)) return Fail("cannot read " + csv + ".");
        auto table = std::make_shared<SampleTable>();
        if (!table->Parse(text, error)) return Fail(csv + ": " + error + ".");
        joystick.FollowTable(std::move(table));
        return MStatus::kSuccess;
    }
    const bool button = HasFlag(args, "-bt", "-button");
    const unsigned index = args.flagIndex(button ? "-bt" : "-a", button ? "-button" : "-axis");
    if (index == MArgList::kInvalidArgIndex || !FlagText(args, "-p", "-plug", plug))
        return Fail("-edit needs -csv, or -axis (or -button) with -plug.");
    MStatus status;
    const int which = args.asInt(index + 1, &status);
    if (!status || !joystick.FollowPlug(button, which, plug))
        return Fail(std::string(button ? "button " : "axis ") + "index out of range for \"" +
                    joystick.name() + "\".");
    return MStatus::kSuccess;
}

} // namespace

CommandSyntax VirtualJoystickCommand::Syntax() {
    using Arg = CommandSyntax::Arg;
    CommandSyntax syntax;
    syntax.Query().Edit().flag("-d", "-delete").flag("-l", "-list");
    syntax.flag("-n", "-name", Arg::kString)
        .flag("-ax", "-axes", Arg::kInteger)
        .flag("-b", "-buttons", Arg::kInteger)
        .flag("-h", "-hats", Arg::kInteger);
    syntax.flag("-a", "-axis", Arg::kInteger)
        .flag("-bt", "-button", Arg::kInteger)
        .flag("-p", "-plug", Arg::kString)
        .flag("-csv", "-csvFile", Arg::kString);
    return syntax;
}

MStatus VirtualJoystickCommand::doIt(const MArgList& args) {
    const bool editing = HasFlag(args, "-e", "-edit");
    const bool deleting = HasFlag(args, "-d", "-delete");
    if (HasFlag(args, "-q", "-query")) {
        MStringArray names;
        for (const auto& joystick : Joysticks()) names.append(MString(joystick->name().c_str()));
        setResult(names);
        return MStatus::kSuccess;
    }
    if (!editing && !deleting) return create(args, *this);
    const unsigned count = args.length();
    const std::string name = count > 0 ? args.asString(count - 1).asChar() : "";
    const auto it = FindJoystick(name);
    if (it == Joysticks().end()) return Fail("no joystick named \"" + name + "\" is plugged in.");
    if (deleting) {
        Joysticks().erase(it);
        return MStatus::kSuccess;
    }
    return Edit(args, **it);
}

} // namespace vex::host::program
