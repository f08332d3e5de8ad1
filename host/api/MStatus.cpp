#include "host/scene/ErrorOutput.h"

#include <maya/MStatus.h>
#include <maya/MString.h>

#include <ostream>

namespace {

struct CodeText {
    const char* name;
    const char* text;
};

// The name and standard text of each status code, indexed by the code.
constexpr CodeText kCodeTexts[] = {
    {"kSuccess", "Success"},
    {"kFailure", "Unexpected Internal Failure"},
    {"kInsufficientMemory", "Insufficient Memory"},
    {"kInvalidParameter", "Invalid Parameter"},
    {"kLicenseFailure", "License Failure"},
    {"kUnknownParameter", "Unknown Parameter"},
    {"kNotImplemented", "Not Implemented"},
    {"kNotFound", "Object Not Found"},
    {"kEndOfFile", "End of File"},
};

} // namespace

MStatus::MStatus(MStatusCode code, const MString& message) : code_(code), message_(message.str()) {}

void MStatus::clear() {
    code_ = kSuccess;
    message_.clear();
}

MString MStatus::errorString() const {
    const CodeText& entry = kCodeTexts[code_];
    return MString("(") + entry.name + "): " + (message_.empty() ? MString(entry.text) : MString(message_));
}

void MStatus::perror(const char* prefix) const {
    perror(MString(prefix));
}

void MStatus::perror(const MString& prefix) const {
    vex::host::ErrorOutput::Write((prefix + ": " + errorString()).str());
}

std::ostream& operator<<(std::ostream& out, const MStatus& status) {
    return out << status.errorString();
}
