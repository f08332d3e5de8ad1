#include "host/command/Value.h"

#include <maya/MArgList.h>
#include <maya/MStatus.h>
#include <maya/MStringArray.h>

#include <cctype>
#include <string>

namespace {

// A flag is "-" followed by a letter; "-3" and "-.5" are negative numbers.
bool isFlag(const MString& arg) {
    const std::string& text = arg.str();
    return text.size() > 1 && text[0] == '-' && std::isalpha(static_cast<unsigned char>(text[1]));
}

bool sameFlag(const MString& arg, const char* name) {
    if (!name || !*name) return false;
    if (*name == '-') ++name;
    return arg.str().compare(1, std::string::npos, name) == 0;
}

} // namespace

unsigned int MArgList::length(MStatus* ReturnStatus) const {
    MSetStatus(ReturnStatus, MStatus::kSuccess);
    return static_cast<unsigned int>(args_.size());
}

unsigned int MArgList::flagIndex(const char* shortFlag, const char* longFlag) const {
    for (std::size_t i = 0; i < args_.size(); ++i)
        if (isFlag(args_[i]) && (sameFlag(args_[i], shortFlag) || sameFlag(args_[i], longFlag)))
            return static_cast<unsigned int>(i);
    return kInvalidArgIndex;
}

MString MArgList::asString(unsigned int index, MStatus* ReturnStatus) const {
    if (index >= args_.size()) {
        MSetStatus(ReturnStatus, MStatus::kInvalidParameter);
        return MString();
    }
    MSetStatus(ReturnStatus, MStatus::kSuccess);
    return args_[index];
}

int MArgList::asInt(unsigned int index, MStatus* ReturnStatus) const {
    if (index >= args_.size() || !args_[index].isInt()) {
        MSetStatus(ReturnStatus, MStatus::kInvalidParameter);
        return 0;
    }
    MSetStatus(ReturnStatus, MStatus::kSuccess);
    return args_[index].asInt();
}

double MArgList::asDouble(unsigned int index, MStatus* ReturnStatus) const {
    if (index >= args_.size() || !args_[index].isDouble()) {
        MSetStatus(ReturnStatus, MStatus::kInvalidParameter);
        return 0.0;
    }
    MSetStatus(ReturnStatus, MStatus::kSuccess);
    return args_[index].asDouble();
}

bool MArgList::asBool(unsigned int index, MStatus* ReturnStatus) const {
    MSetStatus(ReturnStatus, MStatus::kSuccess);
    if (index < args_.size()) {
        const MString word = args_[index].toLowerCase();
        if (word == "true" || word == "on" || word == "yes") return true;
        if (word == "false" || word == "off" || word == "no") return false;
        if (word.isDouble()) return word.asDouble() != 0.0;
    }
    MSetStatus(ReturnStatus, MStatus::kInvalidParameter);
    return false;
}

MStringArray MArgList::asStringArray(unsigned int& index, MStatus* ReturnStatus) const {
    MStringArray values;
    if (index >= args_.size()) {
        MSetStatus(ReturnStatus, MStatus::kInvalidParameter);
        return values;
    }
    for (; index < args_.size() && !isFlag(args_[index]); ++index) values.append(args_[index]);
    MSetStatus(ReturnStatus, MStatus::kSuccess);
    return values;
}

namespace {

// Reads one argument with an as... accessor, storing it only when it reads.
template <class T, class Read>
MStatus readInto(Read read, T& ret) {
    MStatus status;
    T value = read(&status);
    if (status) ret = value;
    return status;
}

} // namespace

MStatus MArgList::get(unsigned int index, bool& ret) const {
    return readInto([&](MStatus* status) { return asBool(index, status); }, ret);
}

MStatus MArgList::get(unsigned int index, int& ret) const {
    return readInto([&](MStatus* status) { return asInt(index, status); }, ret);
}

MStatus MArgList::get(unsigned int index, double& ret) const {
    return readInto([&](MStatus* status) { return asDouble(index, status); }, ret);
}

MStatus MArgList::get(unsigned int index, MString& ret) const {
    return readInto([&](MStatus* status) { return asString(index, status); }, ret);
}

MStatus MArgList::addArg(const MString& arg) {
    args_.push_back(arg);
    return MStatus::kSuccess;
}

MStatus MArgList::addArg(int arg) {
    return addArg(MString(std::to_string(arg)));
}

MStatus MArgList::addArg(double arg) {
    return addArg(MString(vex::host::command::Value::FormatDouble(arg)));
}

MStatus MArgList::addArg(bool arg) {
    return addArg(MString(arg ? "true" : "false"));
}
