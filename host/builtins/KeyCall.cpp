#include "host/builtins/KeyCall.h"

#include <array>

namespace vex::host::builtins {

namespace {

// A flag of a key command: its names and whether it takes a value in the mode the call is in.
struct FlagName {
    const char* shortName;
    const char* longName;
    bool value;      // takes a value when editing or creating
    bool queryValue; // takes a value when querying
};

constexpr std::array<FlagName, 22> kFlags = {{
    {"-q", "-query", false, false},
    {"-e", "-edit", false, false},
    {"-t", "-time", true, true},
    {"-at", "-attribute", true, true},
    {"-v", "-value", true, false},
    {"-itt", "-inTangentType", true, false},
    {"-ott", "-outTangentType", true, false},
    {"-kc", "-keyframeCount", false, false},
    {"-tc", "-timeChange", true, false},
    {"-vc", "-valueChange", true, false},
    {"-r", "-relative", false, false},
    {"-a", "-absolute", false, false},
    {"-o", "-option", true, true},
    {"-sl", "-selected", false, false},
    {"-cl", "-clear", false, false},
    {"-bd", "-breakdown", true, false},
    {"-ia", "-inAngle", true, false},
    {"-oa", "-outAngle", true, false},
    {"-iw", "-inWeight", true, false},
    {"-ow", "-outWeight", true, false},
    {"-l", "-lock", true, false},
    {"-wl", "-weightLock", true, false},
}};

const FlagName* FindFlag(const std::string& name) {
    for (const FlagName& flag : kFlags)
        if (name == flag.shortName || name == flag.longName) return &flag;
    return nullptr;
}

} // namespace

KeyCall::KeyCall(const command::CommandCall& call) {
    for (const auto& arg : call.args)
        if (const FlagName* flag = arg.isFlag ? FindFlag(arg.value.AsString()) : nullptr;
            flag && std::string(flag->longName) == "-query")
            querying_ = true;
    for (std::size_t i = 0; i < call.args.size(); ++i) {
        const auto& arg = call.args[i];
        if (!arg.isFlag) {
            targets.push_back(arg.value.AsString());
            continue;
        }
        const FlagName* flag = FindFlag(arg.value.AsString());
        if (!flag) continue; // the syntax has turned away any other
        std::vector<std::string>& values = flags_[flag->longName];
        const bool takesValue = querying_ ? flag->queryValue : flag->value;
        if (takesValue && i + 1 < call.args.size() && !call.args[i + 1].isFlag)
            values.push_back(call.args[++i].value.AsString());
    }
}

std::vector<std::string> KeyCall::Values(const char* longName) const {
    const auto found = flags_.find(longName);
    return found == flags_.end() ? std::vector<std::string>() : found->second;
}

std::optional<std::string> KeyCall::Last(const char* longName) const {
    const auto values = Values(longName);
    if (values.empty()) return std::nullopt;
    return values.back();
}

} // namespace vex::host::builtins
