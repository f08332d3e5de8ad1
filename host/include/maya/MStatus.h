#pragma once

#include <maya/MIOStream.h>
#include <maya/MTypes.h>

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
    operator bool() const { return code_ == kSuccess; }
    bool operator==(const MStatus& other) const { return code_ == other.code_; }
    bool operator==(MStatusCode code) const { return code_ == code; }
    bool operator!=(const MStatus& other) const { return code_ != other.code_; }
    bool operator!=(MStatusCode code) const { return code_ != code; }

private:
    MStatusCode code_ = kSuccess;
    std::string message_;
};

/// The short name plug-in code uses for status codes (MS::kSuccess).
typedef MStatus MS;

/// Reports a failed status with the file and line of the check, then returns `_retVal` from the
/// calling function.
#define CHECK_MSTATUS_AND_RETURN(_status, _retVal)                                                           \
    {                                                                                                        \
        MStatus _maya_status = (_status);                                                                    \
        if (MStatus::kSuccess != _maya_status) {                                                             \
            cerr << "\nAPI error detected in " << __FILE__ << " at line " << __LINE__ << endl;               \
            _maya_status.perror("");                                                                         \
            return (_retVal);                                                                                \
        }                                                                                                    \
    }

/// Reports a failed status with the file and line of the check, then returns the status.
#define CHECK_MSTATUS_AND_RETURN_IT(_status) CHECK_MSTATUS_AND_RETURN((_status), (_status))

/// Reports a failed status with the file and line of the check.
#define CHECK_MSTATUS(_status)                                                                               \
    {                                                                                                        \
        MStatus _maya_status = (_status);                                                                    \
        if (MStatus::kSuccess != _maya_status) {                                                             \
            cerr << "\nAPI error detected in " << __FILE__ << " at line " << __LINE__ << endl;               \
            _maya_status.perror("");                                                                         \
        }                                                                                                    \
    }

/// True when the status is not kSuccess.
#define MFAIL(_status) (MStatus::kSuccess != (_status))

/// Writes the status's errorString.
std::ostream& operator<<(std::ostream& out, const MStatus& status);

/// Sets *status to code when status is not null (the API's optional ReturnStatus arguments).
inline void MSetStatus(MStatus* status, MStatus::MStatusCode code) {
    if (status) *status = code;
}
