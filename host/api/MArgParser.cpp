#include "host/api/HostConvert.h"
#include "host/api/ParsedArguments.h"
#include "host/api/SyntaxDeclarations.h"
#include "host/scene/Scene.h"

#include <maya/MAngle.h>
#include <maya/MArgParser.h>
#include <maya/MDistance.h>
#include <maya/MGlobal.h>
#include <maya/MStringArray.h>
#include <maya/MSyntax.h>
#include <maya/MTime.h>

#include <cctype>
#include <string>

using Parsed = MArgParser::Parsed;
using vex::host::SyntaxDeclarations;
using vex::host::convert::report;

namespace {

// A flag is "-" followed by a letter; "-3" and "-.5" are negative numbers.
bool isFlag(const std::string& text) {
    return text.size() > 1 && text[0] == '-' && std::isalpha(static_cast<unsigned char>(text[1]));
}

MStatus readValue(const MArgList& args, unsigned int at, bool& result) {
    return args.get(at, result);
}

MStatus readValue(const MArgList& args, unsigned int at, int& result) {
    return args.get(at, result);
}

MStatus readValue(const MArgList& args, unsigned int at, unsigned int& result) {
    int value = 0;
    MStatus status = args.get(at, value);
    if (status && value < 0) status = MStatus::kInvalidParameter;
    if (status) result = static_cast<unsigned int>(value);
    return status;
}

MStatus readValue(const MArgList& args, unsigned int at, double& result) {
    return args.get(at, result);
}

MStatus readValue(const MArgList& args, unsigned int at, MString& result) {
    return args.get(at, result);
}

// Distances, angles and times are written in the user's units.
template <class Measure>
MStatus readMeasure(const MArgList& args, unsigned int at, Measure& result) {
    double value = 0.0;
    const MStatus status = readValue(args, at, value);
    if (status) result = Measure(value, Measure::uiUnit());
    return status;
}

MStatus readValue(const MArgList& args, unsigned int at, MDistance& result) {
    return readMeasure(args, at, result);
}

MStatus readValue(const MArgList& args, unsigned int at, MAngle& result) {
    return readMeasure(args, at, result);
}

MStatus readValue(const MArgList& args, unsigned int at, MTime& result) {
    return readMeasure(args, at, result);
}

// True when the argument reads as the type.
bool fits(const MArgList& args, unsigned int at, MSyntax::MArgType type) {
    double number = 0.0;
    int integer = 0;
    unsigned int whole = 0;
    bool truth = false;
    switch (type) {
    case MSyntax::kBoolean:
        return readValue(args, at, truth);
    case MSyntax::kLong:
        return readValue(args, at, integer);
    case MSyntax::kUnsigned:
        return readValue(args, at, whole);
    case MSyntax::kDouble:
    case MSyntax::kDistance:
    case MSyntax::kAngle:
    case MSyntax::kTime:
        return readValue(args, at, number);
    default:
        return at < args.length();
    }
}

MStatus refuse(const std::string& reason) {
    MGlobal::displayError(MString(reason));
    return vex::host::convert::failure(reason, MStatus::kInvalidParameter);
}

bool isModeFlag(const std::string& text, bool enabled, const char* shortName, const char* longName) {
    return enabled && (text == shortName || text == longName);
}

// Reads the call into `out`; the reason it does not fit the declarations, or success.
MStatus parse(const SyntaxDeclarations& syntax, const MArgList& args, Parsed& out) {
    out.args = args;
    const unsigned int length = args.length();
    for (unsigned int i = 0; i < length; ++i) {
        const std::string text = args.asString(i).str();
        if (isModeFlag(text, syntax.query, "-q", "-query")) out.query = true;
        if (isModeFlag(text, syntax.edit, "-e", "-edit")) out.edit = true;
    }
    std::vector<MString> words;
    for (unsigned int i = 0; i < length; ++i) {
        const std::string text = args.asString(i).str();
        if (!isFlag(text)) {
            if (out.arguments.size() < syntax.arguments.size()) {
                if (!fits(args, i, syntax.arguments[out.arguments.size()]))
                    return refuse("argument \"" + text + "\" is not of the declared type");
                out.arguments.push_back(i);
            } else if (syntax.objectFormat != MSyntax::kNone) {
                words.push_back(args.asString(i));
            } else {
                return refuse("unexpected argument \"" + text + "\"");
            }
            continue;
        }
        if (isModeFlag(text, syntax.query, "-q", "-query") || isModeFlag(text, syntax.edit, "-e", "-edit"))
            continue;
        const SyntaxDeclarations::Flag* flag = syntax.find(text);
        if (!flag) return refuse("invalid flag: " + text);
        if (!flag->multiUse && out.find(text.c_str()))
            return refuse("flag " + flag->longName + " may be given only once");
        // In query mode a flag names what is asked for and takes no values.
        const auto count = out.query ? 0u : static_cast<unsigned int>(flag->types.size());
        for (unsigned int v = 0; v < count; ++v)
            if (i + 1 + v >= length || !fits(args, i + 1 + v, flag->types[v]))
                return refuse("flag " + flag->longName + " needs " + std::to_string(count) +
                              " value(s) of its type");
        out.uses.push_back({flag->shortName, flag->longName, i, count});
        i += count;
    }
    if (out.arguments.size() < syntax.arguments.size() && !syntax.useSelection)
        return refuse("the command needs " + std::to_string(syntax.arguments.size()) + " argument(s)");
    if (words.empty() && syntax.useSelection && syntax.objectFormat != MSyntax::kNone)
        for (const auto& node : vex::host::Scene::Instance().Selection())
            words.emplace_back(vex::host::Scene::Instance().partialPathName(*node));
    if (syntax.objectFormat != MSyntax::kNone &&
        (words.size() < syntax.minObjects || words.size() > syntax.maxObjects))
        return refuse("the command was given " + std::to_string(words.size()) +
                      " object(s), outside its range");
    out.objects = std::move(words);
    return MStatus::kSuccess;
}

template <class T>
MStatus flagValue(const Parsed& parsed, const char* flag, unsigned int index, T& result) {
    const Parsed::Use* use = parsed.find(flag);
    if (!use || index >= use->count)
        return vex::host::convert::failure("the flag or its value was not given", MStatus::kInvalidParameter);
    return readValue(parsed.args, use->position + 1 + index, result);
}

template <class T>
MStatus argumentValue(const Parsed& parsed, unsigned int index, T& result) {
    if (index >= parsed.arguments.size())
        return vex::host::convert::failure("no such command argument", MStatus::kInvalidParameter);
    return readValue(parsed.args, parsed.arguments[index], result);
}

template <class T>
T flagValueOr(const Parsed& parsed, const char* flag, unsigned int index, MStatus* ReturnStatus) {
    T result{};
    report(ReturnStatus, flagValue(parsed, flag, index, result));
    return result;
}

template <class T>
T argumentValueOr(const Parsed& parsed, unsigned int index, MStatus* ReturnStatus) {
    T result{};
    report(ReturnStatus, argumentValue(parsed, index, result));
    return result;
}

} // namespace

MArgParser::MArgParser() : parsed_(std::make_shared<Parsed>()) {}

MArgParser::MArgParser(const MSyntax& syntax, const MArgList& argList, MStatus* ReturnStatus) {
    auto parsed = std::make_shared<Parsed>();
    const MStatus status = parse(*syntax.data_, argList, *parsed);
    // A call that does not fit leaves the parser empty.
    parsed_ = status ? std::move(parsed) : std::make_shared<Parsed>();
    report(ReturnStatus, status);
}

MArgParser::~MArgParser() = default;

bool MArgParser::isFlagSet(const char* flag, MStatus* ReturnStatus) const {
    report(ReturnStatus, MStatus::kSuccess);
    return parsed_->find(flag) != nullptr;
}

bool MArgParser::isEdit(MStatus* ReturnStatus) const {
    report(ReturnStatus, MStatus::kSuccess);
    return parsed_->edit;
}

bool MArgParser::isQuery(MStatus* ReturnStatus) const {
    report(ReturnStatus, MStatus::kSuccess);
    return parsed_->query;
}

unsigned int MArgParser::numberOfFlagsUsed() const {
    return static_cast<unsigned int>(parsed_->uses.size());
}

unsigned int MArgParser::numberOfFlagUses(const char* flag) const {
    unsigned int uses = 0;
    while (parsed_->find(flag, uses)) ++uses;
    return uses;
}

MStatus MArgParser::getFlagArgument(const char* flag, unsigned int index, bool& result) const {
    return flagValue(*parsed_, flag, index, result);
}

MStatus MArgParser::getFlagArgument(const char* flag, unsigned int index, int& result) const {
    return flagValue(*parsed_, flag, index, result);
}

MStatus MArgParser::getFlagArgument(const char* flag, unsigned int index, double& result) const {
    return flagValue(*parsed_, flag, index, result);
}

MStatus MArgParser::getFlagArgument(const char* flag, unsigned int index, MString& result) const {
    return flagValue(*parsed_, flag, index, result);
}

MStatus MArgParser::getFlagArgument(const char* flag, unsigned int index, unsigned int& result) const {
    return flagValue(*parsed_, flag, index, result);
}

MStatus MArgParser::getFlagArgument(const char* flag, unsigned int index, MDistance& result) const {
    return flagValue(*parsed_, flag, index, result);
}

MStatus MArgParser::getFlagArgument(const char* flag, unsigned int index, MAngle& result) const {
    return flagValue(*parsed_, flag, index, result);
}

MStatus MArgParser::getFlagArgument(const char* flag, unsigned int index, MTime& result) const {
    return flagValue(*parsed_, flag, index, result);
}

bool MArgParser::flagArgumentBool(const char* flag, unsigned int index, MStatus* ReturnStatus) const {
    return flagValueOr<bool>(*parsed_, flag, index, ReturnStatus);
}

int MArgParser::flagArgumentInt(const char* flag, unsigned int index, MStatus* ReturnStatus) const {
    return flagValueOr<int>(*parsed_, flag, index, ReturnStatus);
}

double MArgParser::flagArgumentDouble(const char* flag, unsigned int index, MStatus* ReturnStatus) const {
    return flagValueOr<double>(*parsed_, flag, index, ReturnStatus);
}

MString MArgParser::flagArgumentString(const char* flag, unsigned int index, MStatus* ReturnStatus) const {
    return flagValueOr<MString>(*parsed_, flag, index, ReturnStatus);
}

MDistance MArgParser::flagArgumentMDistance(const char* flag, unsigned int index,
                                            MStatus* ReturnStatus) const {
    return flagValueOr<MDistance>(*parsed_, flag, index, ReturnStatus);
}

MAngle MArgParser::flagArgumentMAngle(const char* flag, unsigned int index, MStatus* ReturnStatus) const {
    return flagValueOr<MAngle>(*parsed_, flag, index, ReturnStatus);
}

MTime MArgParser::flagArgumentMTime(const char* flag, unsigned int index, MStatus* ReturnStatus) const {
    return flagValueOr<MTime>(*parsed_, flag, index, ReturnStatus);
}

MStatus MArgParser::getFlagArgumentPosition(const char* flag, unsigned int i, unsigned int& position) const {
    const Parsed::Use* use = parsed_->find(flag, i);
    if (!use) return vex::host::convert::failure("the flag was not given that often");
    position = use->position;
    return MStatus::kSuccess;
}

MStatus MArgParser::getFlagArgumentList(const char* flag, unsigned int i, MArgList& args) const {
    const Parsed::Use* use = parsed_->find(flag, i);
    if (!use) return vex::host::convert::failure("the flag was not given that often");
    MArgList values;
    for (unsigned int v = 0; v < use->count; ++v)
        values.addArg(parsed_->args.asString(use->position + 1 + v));
    args = values;
    return MStatus::kSuccess;
}

MStatus MArgParser::getCommandArgument(unsigned int index, bool& result) const {
    return argumentValue(*parsed_, index, result);
}

MStatus MArgParser::getCommandArgument(unsigned int index, int& result) const {
    return argumentValue(*parsed_, index, result);
}

MStatus MArgParser::getCommandArgument(unsigned int index, double& result) const {
    return argumentValue(*parsed_, index, result);
}

MStatus MArgParser::getCommandArgument(unsigned int index, MString& result) const {
    return argumentValue(*parsed_, index, result);
}

MStatus MArgParser::getCommandArgument(unsigned int index, MDistance& result) const {
    return argumentValue(*parsed_, index, result);
}

MStatus MArgParser::getCommandArgument(unsigned int index, MAngle& result) const {
    return argumentValue(*parsed_, index, result);
}

MStatus MArgParser::getCommandArgument(unsigned int index, MTime& result) const {
    return argumentValue(*parsed_, index, result);
}

bool MArgParser::commandArgumentBool(unsigned int index, MStatus* ReturnStatus) const {
    return argumentValueOr<bool>(*parsed_, index, ReturnStatus);
}

int MArgParser::commandArgumentInt(unsigned int index, MStatus* ReturnStatus) const {
    return argumentValueOr<int>(*parsed_, index, ReturnStatus);
}

double MArgParser::commandArgumentDouble(unsigned int index, MStatus* ReturnStatus) const {
    return argumentValueOr<double>(*parsed_, index, ReturnStatus);
}

MString MArgParser::commandArgumentString(unsigned int index, MStatus* ReturnStatus) const {
    return argumentValueOr<MString>(*parsed_, index, ReturnStatus);
}

MDistance MArgParser::commandArgumentMDistance(unsigned int index, MStatus* ReturnStatus) const {
    return argumentValueOr<MDistance>(*parsed_, index, ReturnStatus);
}

MAngle MArgParser::commandArgumentMAngle(unsigned int index, MStatus* ReturnStatus) const {
    return argumentValueOr<MAngle>(*parsed_, index, ReturnStatus);
}

MTime MArgParser::commandArgumentMTime(unsigned int index, MStatus* ReturnStatus) const {
    return argumentValueOr<MTime>(*parsed_, index, ReturnStatus);
}

MStatus MArgParser::getObjects(MStringArray& result) const {
    result.clear();
    for (const MString& object : parsed_->objects) result.append(object);
    return MStatus::kSuccess;
}

const char* MArgParser::className() {
    return "MArgParser";
}
