#pragma once

#include <iosfwd>
#include <string>

class MString;

/// Result of an API call: a status code and, for failures, a message that explains it.
class MStatus {
public:
    enum MStatusCode {
        kSuccess = 0,
        kFailure,
        kInsufficientMemory,
        kInvalidParameter,
        kLicenseFailure,
        kUnknownParameter,
        kNotImplemented,
        kNotFound,
        kEndOfFile
    };

    /// Success.
    MStatus() = default;
    /// A status with the given code and the standard text of that code.
    MStatus(MStatusCode code) : code_(code) {}
    /// A status with the given code and a message of the host's own (shown by errorString and perror).
    MStatus(MStatusCode code, const MString& message);

    /// True for any code but kSuccess.
    bool error() const { return code_ != kSuccess; }
    /// Back to kSuccess without a message.
    void clear();
    /// The code.
    MStatusCode statusCode() const { return code_; }
    /// "(kCode): text", the text being the message given at construction or the code's standard text.
    MString errorString() const;
    /// Writes "<prefix>: <errorString>" to the host's error output.
    void perror(const char* prefix) const;
    /// Writes "<prefix>: <errorString>" to the host's error output.
    void perror(const MString& prefix) const;

    /// True on success.
    explicit operator bool() const { return code_ == kSuccess; }
    bool operator==(const MStatus& other) const { return code_ == other.code_; }
    bool operator==(MStatusCode code) const { return code_ == code; }
    bool operator!=(const MStatus& other) const { return code_ != other.code_; }
    bool operator!=(MStatusCode code) const { return code_ != code; }

private:
    MStatusCode code_ = kSuccess;
    std::string message_;
};

/// Writes the status's errorString.
std::ostream& operator<<(std::ostream& out, const MStatus& status);

/// Sets *status to code when status is not null (the API's optional ReturnStatus arguments).
inline void MSetStatus(MStatus* status, MStatus::MStatusCode code) {
    if (status) *status = code;
}
