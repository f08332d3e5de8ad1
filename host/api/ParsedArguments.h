#pragma once

#include <maya/MArgList.h>
#include <maya/MArgParser.h>
#include <maya/MString.h>

#include <string>
#include <vector>

/// What MArgParser read from one call: the flags given with where their values are, the command
/// arguments, the objects and the mode.
struct MArgParser::Parsed {
    struct Use {
        std::string shortName; // with the leading "-"
        std::string longName;
        unsigned int position = 0; // of the flag in the argument list
        unsigned int count = 0;    // of the values following it
    };
    MArgList args;
    std::vector<Use> uses;
    std::vector<unsigned int> arguments; // positions of the command arguments
    std::vector<MString> objects;
    bool query = false;
    bool edit = false;

    /// Use `i` of the flag (short or long name, with or without the "-"), or null.
    const Use* find(const char* flag, unsigned int i = 0) const {
        std::string name = flag ? flag : "";
        if (!name.empty() && name[0] != '-') name = "-" + name;
        for (const Use& use : uses)
            if ((use.shortName == name || use.longName == name) && i-- == 0) return &use;
        return nullptr;
    }
};
