#include "host/builtins/SettingsCommands.h"

#include "host/builtins/SessionState.h"
#include "host/scene/Scene.h"

#include <maya/MAngle.h>
#include <maya/MDistance.h>
#include <maya/MTime.h>

#include <string>
#include <vector>

namespace vex::host::builtins {

using command::Value;

namespace {

// One unit: its enum value, short name and full name.
struct UnitName {
    int unit;
    std::string shortName;
    std::string fullName;
};

const std::vector<UnitName>& LinearUnits() {
    static const std::vector<UnitName> names = {{MDistance::kMillimeters, "mm", "millimeter"},
                                                {MDistance::kCentimeters, "cm", "centimeter"},
                                                {MDistance::kMeters, "m", "meter"},
                                                {MDistance::kKilometers, "km", "kilometer"},
                                                {MDistance::kInches, "in", "inch"},
                                                {MDistance::kFeet, "ft", "foot"},
                                                {MDistance::kYards, "yd", "yard"},
                                                {MDistance::kMiles, "mi", "mile"}};
    return names;
}

const std::vector<UnitName>& AngularUnits() {
    static const std::vector<UnitName> names = {{MAngle::kDegrees, "deg", "degree"},
                                                {MAngle::kRadians, "rad", "radian"},
                                                {MAngle::kAngMinutes, "min", "angMinute"},
                                                {MAngle::kAngSeconds, "sec", "angSecond"}};
    return names;
}

const std::vector<UnitName>& TimeUnits() {
    static const std::vector<UnitName> names = [] {
        std::vector<UnitName> list = {
            {MTime::kHours, "hour", "hour"},      {MTime::kMinutes, "min", "min"},
            {MTime::kSeconds, "sec", "sec"},      {MTime::kMilliseconds, "millisec", "millisec"},
            {MTime::kGames, "game", "game"},      {MTime::kFilm, "film", "film"},
            {MTime::kPALFrame, "pal", "pal"},     {MTime::kNTSCFrame, "ntsc", "ntsc"},
            {MTime::kShowScan, "show", "show"},   {MTime::kPALField, "palf", "palf"},
            {MTime::kNTSCField, "ntscf", "ntscf"}};
        // The numbered rates are named by their frames per second: "2fps" ... "6000fps".
        const int rates[] = {2,   3,   4,   5,   6,    8,    10,   12,   16,  20,  40,
                             75,  80,  100, 120, 125,  150,  200,  240,  250, 300, 375,
                             400, 500, 600, 750, 1200, 1500, 2000, 3000, 6000};
        int unit = MTime::k2FPS;
        for (int rate : rates) {
            const std::string name = std::to_string(rate) + "fps";
            list.push_back({unit++, name, name});
        }
        return list;
    }();
    return names;
}

const UnitName* ByName(const std::vector<UnitName>& names, const std::string& name) {
    for (const auto& n : names)
        if (n.shortName == name || n.fullName == name) return &n;
    return nullptr;
}

const UnitName* ByUnit(const std::vector<UnitName>& names, int unit) {
    for (const auto& n : names)
        if (n.unit == unit) return &n;
    return nullptr;
}

// One kind of unit the command handles: its flags, names and current value.
struct UnitKind {
    const char* shortFlag;
    const char* longFlag;
    const std::vector<UnitName>& names;
    int (*get)();
    void (*set)(int);
};

const UnitKind kKinds[] = {{"-l", "-linear", LinearUnits(),
                            [] { return static_cast<int>(MDistance::uiUnit()); },
                            [](int u) { MDistance::setUIUnit(static_cast<MDistance::Unit>(u)); }},
                           {"-a", "-angle", AngularUnits(), [] { return static_cast<int>(MAngle::uiUnit()); },
                            [](int u) { MAngle::setUIUnit(static_cast<MAngle::Unit>(u)); }},
                           {"-t", "-time", TimeUnits(), [] { return static_cast<int>(MTime::uiUnit()); },
                            [](int u) { MTime::setUIUnit(static_cast<MTime::Unit>(u)); }}};

} // namespace

bool CurrentUnitCommand(CommandContext& context) {
    if (context.Has("-q", "-query")) {
        for (const auto& kind : kKinds)
            if (context.Has(kind.shortFlag, kind.longFlag)) {
                const UnitName* name = ByUnit(kind.names, kind.get());
                const bool full = context.Has("-f", "-fullName");
                context.result =
                    Value::String(name ? (full ? name->fullName : name->shortName) : std::string());
                return true;
            }
        return context.Fail("No unit to query was named (-l, -a or -t).");
    }
    // Every name is checked before any unit changes, so a bad name changes nothing.
    std::vector<std::pair<const UnitKind*, int>> changes;
    for (const auto& kind : kKinds)
        if (auto v = context.value(kind.shortFlag, kind.longFlag)) {
            const UnitName* name = ByName(kind.names, v->AsString());
            if (!name) return context.Fail("Unknown unit: " + v->AsString());
            changes.emplace_back(&kind, name->unit);
        }
    for (const auto& [kind, unit] : changes) kind->set(unit);
    return true;
}

bool UpAxisCommand(CommandContext& context) {
    Scene& scene = Scene::Instance();
    if (context.Has("-q", "-query")) {
        context.result = Value::String(scene.isYAxisUp() ? "y" : "z");
        return true;
    }
    const std::string axis = context.text("-ax", "-axis");
    if (axis != "y" && axis != "z")
        return context.Fail("The up axis is \"y\" or \"z\", not \"" + axis + "\".");
    scene.SetYAxisUp(axis == "y");
    return true;
}

bool RequiresCommand(CommandContext& context) {
    const auto words = context.Positional({{"-nodeType", 1}, {"-nt", 1}, {"-dataType", 1}, {"-dt", 1}});
    if (words.size() < 2) return context.Fail("Usage: requires name version");
    SessionState::get().AddRequirement(words[0], words[1]);
    return true;
}

bool FileInfoCommand(CommandContext& context) {
    const auto words = context.Positional({});
    if (context.Has("-q", "-query")) {
        if (words.empty()) return context.Fail("No key was given.");
        for (const auto& [key, value] : SessionState::get().FileInfo())
            if (key == words[0]) context.result = Value::StringArray({value});
        return true;
    }
    if (words.size() != 2) return context.Fail("Usage: fileInfo key value");
    SessionState::get().SetFileInfo(words[0], words[1]);
    return true;
}

} // namespace vex::host::builtins
