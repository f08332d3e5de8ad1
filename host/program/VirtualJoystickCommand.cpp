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
std::vector<std::unique_ptr<VirtualJoystick>>& joysticks() {
    static std::vector<std::unique_ptr<VirtualJoystick>> list;
    static const bool fed = [] {
        EventPump::get().addFeed([] {
            for (const auto& joystick : list) joystick->feed();
        });
        return true;
    }();
    (void)fed;
    return list;
}

// The joystick named `name` among those plugged in, or the list's end.
std::vector<std::unique_ptr<VirtualJoystick>>::iterator findJoystick(const std::string& name) {
    auto& list = joysticks();
    return std::find_if(list.begin(), list.end(),
                        [&](const auto& joystick) { return joystick->name() == name; });
}

bool hasFlag(const MArgList& args, const char* shortFlag, const char* longFlag) {
    return args.flagIndex(shortFlag, longFlag) != MArgList::kInvalidArgIndex;
}

// The value after a flag; false when the flag is absent or has no value.
bool flagText(const MArgList& args, const char* shortFlag, const char* longFlag, std::string& value) {
    const unsigned index = args.flagIndex(shortFlag, longFlag);
    if (index == MArgList::kInvalidArgIndex) return false;
    MStatus status;
    value = args.asString(index + 1, &status).asChar();
    return static_cast<bool>(status);
}

// A whole-number flag within [0, most]; `value` keeps its default when the flag is absent.
bool flagCount(const MArgList& args, const char* shortFlag, const char* longFlag, int most, int& value) {
    const unsigned index = args.flagIndex(shortFlag, longFlag);
    if (index == MArgList::kInvalidArgIndex) return true;
    MStatus status;
    value = args.asInt(index + 1, &status);
    return status && value >= 0 && value <= most;
}

MStatus fail(const std::string& text) {
    return MStatus(MStatus::kFailure, "virtualJoystick: " + text);
}

MStatus create(const MArgList& args, MPxCommand& command) {
    std::string name;
    if (!flagText(args, "-n", "-name", name) || name.empty()) return fail("a joystick needs a -name.");
    int axes = 6, buttons = 8, hats = 0;
    if (!flagCount(args, "-ax", "-axes", kMaxAxes, axes) ||
        !flagCount(args, "-b", "-buttons", kMaxButtons, buttons) ||
        !flagCount(args, "-h", "-hats", kMaxHats, hats))
        return fail("-axes is 0 to 32, -buttons 0 to 64, -hats 0 to 8.");
    if (findJoystick(name) != joysticks().end())
        return fail("a joystick named \"" + name + "\" is plugged in already.");
    std::string error;
    auto joystick = std::make_unique<VirtualJoystick>(name, axes, buttons, hats, error);
    if (!joystick->isPlugged()) return fail(error + ".");
    joysticks().push_back(std::move(joystick));
    command.setResult(MString(name.c_str()));
    return MStatus::kSuccess;
}

MStatus edit(const MArgList& args, VirtualJoystick& joystick) {
    std::string csv, plug;
    if (flagText(args, "-csv", "-csvFile", csv)) {
        std::string text, error;
        if (!util::ReadWholeFile(csv, text)) return fail("cannot read " + csv + ".");
        auto table = std::make_shared<SampleTable>();
        if (!table->parse(text, error)) return fail(csv + ": " + error + ".");
        joystick.followTable(std::move(table));
        return MStatus::kSuccess;
    }
    const bool button = hasFlag(args, "-bt", "-button");
    const unsigned index = args.flagIndex(button ? "-bt" : "-a", button ? "-button" : "-axis");
    if (index == MArgList::kInvalidArgIndex || !flagText(args, "-p", "-plug", plug))
        return fail("-edit needs -csv, or -axis (or -button) with -plug.");
    MStatus status;
    const int which = args.asInt(index + 1, &status);
    if (!status || !joystick.followPlug(button, which, plug))
        return fail(std::string(button ? "button " : "axis ") + "index out of range for \"" +
                    joystick.name() + "\".");
    return MStatus::kSuccess;
}

} // namespace

MStatus VirtualJoystickCommand::doIt(const MArgList& args) {
    const bool editing = hasFlag(args, "-e", "-edit");
    const bool deleting = hasFlag(args, "-d", "-delete");
    if (hasFlag(args, "-q", "-query")) {
        MStringArray names;
        for (const auto& joystick : joysticks()) names.append(MString(joystick->name().c_str()));
        setResult(names);
        return MStatus::kSuccess;
    }
    if (!editing && !deleting) return create(args, *this);
    const unsigned count = args.length();
    const std::string name = count > 0 ? args.asString(count - 1).asChar() : "";
    const auto it = findJoystick(name);
    if (it == joysticks().end()) return fail("no joystick named \"" + name + "\" is plugged in.");
    if (deleting) {
        joysticks().erase(it);
        return MStatus::kSuccess;
    }
    return edit(args, **it);
}

} // namespace vex::host::program
