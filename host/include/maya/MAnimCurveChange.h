#pragma once

#include <maya/MStatus.h>

#include <memory>

namespace vex::host {
class KeyEditLog;
}

/// A record of the key edits made through MFnAnimCurve calls given this object, so that they can be
/// undone and redone together. Copies share one record.
class MAnimCurveChange {
public:
    MAnimCurveChange(MStatus* ReturnStatus = nullptr);

    /// Takes back the recorded edits, newest first.
    MStatus undoIt();
    /// Makes the recorded edits again, oldest first.
    MStatus redoIt();
    /// Interactive changes are the user's own in the host; kept as a flag only.
    bool isInteractive() const { return interactive_; }
    void setInteractive(bool value) { interactive_ = value; }

private:
    friend class MFnAnimCurve;

    std::shared_ptr<vex::host::KeyEditLog> log_;
    bool interactive_ = false;
};
