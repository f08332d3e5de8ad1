#pragma once

#include <maya/MSyntax.h>

#include <climits>
#include <string>
#include <vector>

namespace vex::host {

/// What an MSyntax declares, read by the argument parser and turned into the engine's syntax check.
struct SyntaxDeclarations {
    struct Flag {
        std::string shortName; // with the leading "-"
        std::string longName;
        std::vector<MSyntax::MArgType> types;
        bool multiUse = false;
    };
    std::vector<Flag> flags;
    std::vector<MSyntax::MArgType> arguments;
    MSyntax::MObjectFormat objectFormat = MSyntax::kNone;
    unsigned int minObjects = 0;
    unsigned int maxObjects = UINT_MAX;
    bool useSelection = false;
    bool query = false;
    bool edit = false;

    /// The flag declared under a short or long name (with or without the "-"), or null.
    const Flag* find(const std::string& name) const {
        const std::string dashed = name.empty() || name[0] == '-' ? name : "-" + name;
        for (const Flag& flag : flags)
            if (flag.shortName == dashed || flag.longName == dashed) return &flag;
        return nullptr;
    }
};

} // namespace vex::host
