#include "host/api/SyntaxDeclarations.h"
#include "host/scene/CommandSyntax.h"

#include <maya/MString.h>
#include <maya/MSyntax.h>

#include <string>
#include <utility>
#include <vector>

using vex::host::CommandSyntax;
using vex::host::SyntaxDeclarations;

namespace {

// Flag names as scripts write them: with the leading "-".
std::string dashed(const char* name) {
    const std::string text = name ? name : "";
    return text.empty() || text[0] == '-' ? text : "-" + text;
}

bool isValueType(MSyntax::MArgType type) {
    return type > MSyntax::kNoArg && type < MSyntax::kLastArgType;
}

// What a value of the type must look like to the engine's check.
CommandSyntax::Arg valueKind(MSyntax::MArgType type) {
    switch (type) {
    case MSyntax::kBoolean:
        return CommandSyntax::Arg::kTruth;
    case MSyntax::kLong:
    case MSyntax::kUnsigned:
        return CommandSyntax::Arg::kInteger;
    case MSyntax::kDouble:
    case MSyntax::kDistance:
    case MSyntax::kAngle:
    case MSyntax::kTime:
        return CommandSyntax::Arg::kNumber;
    default:
        return CommandSyntax::Arg::kString;
    }
}

std::vector<CommandSyntax::Arg> valueKinds(const std::vector<MSyntax::MArgType>& types) {
    std::vector<CommandSyntax::Arg> kinds;
    for (MSyntax::MArgType type : types) kinds.push_back(valueKind(type));
    return kinds;
}

} // namespace

MSyntax::MSyntax() : data_(std::make_unique<SyntaxDeclarations>()) {}

MSyntax::MSyntax(const MSyntax& other) : data_(std::make_unique<SyntaxDeclarations>(*other.data_)) {}

MSyntax& MSyntax::operator=(const MSyntax& other) {
    if (this != &other) *data_ = *other.data_;
    return *this;
}

MSyntax::~MSyntax() = default;

CommandSyntax MSyntax::hostSyntax() const {
    CommandSyntax out;
    if (data_->query) out.Query();
    if (data_->edit) out.Edit();
    for (const SyntaxDeclarations::Flag& flag : data_->flags)
        out.flag(flag.shortName.c_str(), flag.longName.c_str(), valueKinds(flag.types));
    out.Arguments(valueKinds(data_->arguments));
    return out;
}

MStatus MSyntax::addFlag(const char* shortName, const char* longName, MArgType argType1, MArgType argType2,
                         MArgType argType3, MArgType argType4, MArgType argType5, MArgType argType6) {
    SyntaxDeclarations::Flag flag{dashed(shortName), dashed(longName), {}, false};
    if (flag.shortName.size() < 2 || flag.longName.size() < 2 || data_->find(flag.shortName) ||
        data_->find(flag.longName))
        return MStatus(MStatus::kFailure, MString("the flag " + flag.shortName + " cannot be declared"));
    // The types end at the first kNoArg.
    for (MArgType type : {argType1, argType2, argType3, argType4, argType5, argType6}) {
        if (type == kNoArg) break;
        if (!isValueType(type)) return MStatus(MStatus::kInvalidParameter, MString("not a value type"));
        flag.types.push_back(type);
    }
    data_->flags.push_back(std::move(flag));
    return MStatus::kSuccess;
}

MStatus MSyntax::makeFlagMultiUse(const char* flag) {
    auto* declared = const_cast<SyntaxDeclarations::Flag*>(data_->find(dashed(flag)));
    if (!declared)
        return MStatus(MStatus::kFailure, MString("the flag " + dashed(flag) + " is not declared"));
    declared->multiUse = true;
    return MStatus::kSuccess;
}

MStatus MSyntax::makeFlagQueryWithFullArgs(const char* flag, bool) {
    return data_->find(dashed(flag)) ? MStatus(MStatus::kSuccess)
                                     : MStatus(MStatus::kFailure, MString("the flag is not declared"));
}

MStatus MSyntax::addArg(MArgType arg) {
    if (!isValueType(arg)) return MStatus(MStatus::kInvalidParameter, MString("not a value type"));
    data_->arguments.push_back(arg);
    return MStatus::kSuccess;
}

void MSyntax::useSelectionAsDefault(bool useSelectionList) {
    data_->useSelection = useSelectionList;
}

MStatus MSyntax::setObjectType(MObjectFormat objectFormat, unsigned int minimumObjects) {
    return setObjectType(objectFormat, minimumObjects, UINT_MAX);
}

MStatus MSyntax::setObjectType(MObjectFormat objectFormat, unsigned int minimumObjects,
                               unsigned int maximumObjects) {
    if (objectFormat <= kInvalidObjectFormat || objectFormat >= kLastObjectFormat ||
        minimumObjects > maximumObjects)
        return MStatus(MStatus::kInvalidParameter, MString("not an object format or count"));
    data_->objectFormat = objectFormat;
    data_->minObjects = minimumObjects;
    data_->maxObjects = maximumObjects;
    return MStatus::kSuccess;
}

void MSyntax::setMinObjects(unsigned int minimumObjectCount) {
    data_->minObjects = minimumObjectCount;
}

void MSyntax::setMaxObjects(unsigned int maximumObjectCount) {
    data_->maxObjects = maximumObjectCount;
}

void MSyntax::enableQuery(bool supportsQuery) {
    data_->query = supportsQuery;
}

void MSyntax::enableEdit(bool supportsEdit) {
    data_->edit = supportsEdit;
}

unsigned int MSyntax::minObjects() const {
    return data_->minObjects;
}

unsigned int MSyntax::maxObjects() const {
    return data_->maxObjects;
}

bool MSyntax::canQuery() const {
    return data_->query;
}

bool MSyntax::canEdit() const {
    return data_->edit;
}

void MSyntax::clear() {
    *data_ = SyntaxDeclarations();
}

const char* MSyntax::className() {
    return "MSyntax";
}
