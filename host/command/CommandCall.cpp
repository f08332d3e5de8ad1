#include "host/command/CommandCall.h"

namespace vex::host::command {

int CommandCall::FlagIndex(const char* shortName, const char* longName) const {
    for (size_t i = 0; i < args.size(); ++i) {
        if (!args[i].isFlag) continue;
        const std::string& text = args[i].value.AsString();
        if ((shortName != nullptr && text == shortName) || (longName != nullptr && text == longName))
            return static_cast<int>(i);
    }
    return -1;
}

std::vector<Value>
CommandCall::Positional(const std::vector<std::pair<std::string, int>>& valueCounts) const {
    std::vector<Value> out;
    for (size_t i = 0; i < args.size(); ++i) {
        if (!args[i].isFlag) {
            out.push_back(args[i].value);
            continue;
        }
        const std::string flag = args[i].value.AsString();
        for (const auto& [name, count] : valueCounts)
            if (name == flag) i += static_cast<size_t>(count);
    }
    return out;
}

} // namespace vex::host::command
