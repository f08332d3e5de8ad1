#include "host/scene/CommandSyntax.h"

#include <maya/MString.h>
#include <maya/MSyntax.h>

#include <string>
#include <utility>
#include <vector>

using vex::host::CommandSyntax;

struct MSyntax::Data {
    struct Flag {
        std::string shortName, longName;
        std::vector<CommandSyntax::Arg> args;
    };
    std::vector<Flag> flags;
    std::vector<CommandSyntax::Arg> arguments;
    bool query = false;
    bool edit = false;

    bool declared(const std::string& name) const {
        for (const Flag& flag : flags)
            if (flag.shortName == name || flag.longName == name) return true;
        return false;
    }
};

namespace {

// Flag names as scripts write them: with the leading "-".
std::string dashed(const char* name) {
    const std::string text = name ? name : "";
    return text.empty() || text[0] == '-' ? text : "-" + text;
}

// What a value of the type must look like; none for kNoArg and the types that are not value types.
bool valueKind(MSyntax::MArgType type, CommandSyntax::Arg& arg) {
    switch (type) {
    case MSyntax::kBoolean:
        arg = CommandSyntax::Arg::kTruth;
        return true;
    case MSyntax::kLong:
    case MSyntax::kUnsigned:
        arg = CommandSyntax::Arg::kInteger;
        return true;
    case MSyntax::kDouble:
    case MSyntax::kDistance:
    case MSyntax::kAngle:
    case MSyntax::kTime:
        arg = CommandSyntax::Arg::kNumber;
        return true;
    case MSyntax::kString:
    case MSyntax::kSelectionItem:
        arg = CommandSyntax::Arg::kString;
        return true;
    case MSyntax::kInvalidArgType:
    case MSyntax::kNoArg:
    case MSyntax::kLastArgType:
        break;
    }
    return false;
}

} // namespace

MSyntax::MSyntax() : data_(std::make_unique<Data>()) {}

MSyntax::MSyntax(const MSyntax& other) : data_(std::make_unique<Data>(*other.data_)) {}

MSyntax& MSyntax::operator=(const MSyntax& other) {
    if (this != &other) *data_ = *other.data_;
    return *this;
}

MSyntax::~MSyntax() = default;

CommandSyntax MSyntax::hostSyntax() const {
    CommandSyntax out;
    if (data_->query) out.Query();
    if (data_->edit) out.Edit();
    for (const Data::Flag& flag : data_->flags)
        out.flag(flag.shortName.c_str(), flag.longName.c_str(), flag.args);
    out.Arguments(data_->arguments);
    return out;
}

MStatus MSyntax::addFlag(const char* shortName, const char* longName, MArgType argType1, MArgType argType2,
                         MArgType argType3, MArgType argType4, MArgType argType5, MArgType argType6) {
    Data::Flag flag{dashed(shortName), dashed(longName), {}};
    if (flag.shortName.size() < 2 || flag.longName.size() < 2 || data_->declared(flag.shortName) ||
        data_->declared(flag.longName))
        return MStatus(MStatus::kFailure, MString("the flag " + flag.shortName + " cannot be declared"));
    // The types end at the first kNoArg.
    for (MArgType type : {argType1, argType2, argType3, argType4, argType5, argType6}) {
        if (type == kNoArg) break;
        CommandSyntax::Arg arg;
        if (!valueKind(type, arg)) return MStatus(MStatus::kInvalidParameter, MString("not a value type"));
        flag.args.push_back(arg);
    }
    data_->flags.push_back(std::move(flag));
    return MStatus::kSuccess;
}

MStatus MSyntax::makeFlagMultiUse(const char* flagName) {
    return data_->declared(dashed(flagName)) ? MStatus(MStatus::kSuccess) : MStatus(MStatus::kFailure);
}

MStatus MSyntax::addArg(MArgType arg) {
    CommandSyntax::Arg kind;
    if (!valueKind(arg, kind)) return MStatus(MStatus::kInvalidParameter, MString("not a value type"));
    data_->arguments.push_back(kind);
    return MStatus::kSuccess;
}

void MSyntax::enableQuery(bool supportsQuery) {
    data_->query = supportsQuery;
}

void MSyntax::enableEdit(bool supportsEdit) {
    data_->edit = supportsEdit;
}

void MSyntax::clear() {
    *data_ = Data();
}
