#pragma once

#include <maya/MString.h>

#include <vector>

class MStatus;
class MStringArray;

/// The arguments a command was invoked with: flags ("-n", "-name") and values, in command-line order.
class MArgList {
public:
    /// The index flagIndex answers when a flag is absent.
    static constexpr unsigned int kInvalidArgIndex = 0xffffffffu;

    MArgList() = default;

    /// Number of arguments.
    unsigned int length(MStatus* ReturnStatus = nullptr) const;
    /// Index of the flag given by its short or long name (with or without the leading "-"), or
    /// kInvalidArgIndex.
    unsigned int flagIndex(const char* shortFlag, const char* longFlag = nullptr) const;
    /// The argument at `index` as text; kInvalidParameter past the end.
    MString asString(unsigned int index, MStatus* ReturnStatus = nullptr) const;
    /// The argument at `index` as an integer; kInvalidParameter when it is missing or not an integer.
    int asInt(unsigned int index, MStatus* ReturnStatus = nullptr) const;
    /// The argument at `index` as a number; kInvalidParameter when it is missing or not a number.
    double asDouble(unsigned int index, MStatus* ReturnStatus = nullptr) const;
    /// The argument at `index` as a truth value ("true"/"on"/"yes"/non-zero number, "false"/"off"/"no"/0).
    bool asBool(unsigned int index, MStatus* ReturnStatus = nullptr) const;
    /// The argument at `index` read into `ret`; kInvalidParameter (ret untouched) as for the as... forms.
    MStatus get(unsigned int index, bool& ret) const;
    MStatus get(unsigned int index, int& ret) const;
    MStatus get(unsigned int index, double& ret) const;
    MStatus get(unsigned int index, MString& ret) const;
    /// The strings from `index` up to the next flag; `index` moves past them.
    MStringArray asStringArray(unsigned int& index, MStatus* ReturnStatus = nullptr) const;

    /// Appends an argument.
    MStatus addArg(const MString& arg);
    MStatus addArg(int arg);
    MStatus addArg(double arg);
    MStatus addArg(bool arg);

private:
    std::vector<MString> args_;
};
