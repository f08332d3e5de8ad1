#pragma once

#include "interface/CExtendable.h"

#include <string>

namespace vex::orb {

class CCameraPlugin;
class CInterface;

/// The tool object: one per tool instance. The core drives it through its lifecycle; the tool
/// reaches the core and the host only through its CInterface.
class CCamera : public CExtendable {
public:
    /// What the core hands the descriptor's create operation.
    struct CreateParam {
        CCameraPlugin* plugin = nullptr;
        std::string name;
    };

    /// Tool extension ids the core calls.
    enum Extension : int {
        kOutputChannelValue = 40, ///< data: an output channel; store its new current value
        kLoadLinks = 42,          ///< data: the CInterface; the instance is complete, connect to others
        kWriteCustomData = 44,    ///< data: an XML element to write extra saved data into
        kReadCustomData = 45,     ///< data: the XML element written for kWriteCustomData
    };

    explicit CCamera(const CreateParam& param) : plugin(param.plugin), name(param.name) {}
    CCamera(const CCamera&) = delete;
    CCamera& operator=(const CCamera&) = delete;

    /// A live run or a re-simulation starts at host time `t`, before the first step.
    virtual void begin(double t) { (void)t; }
    /// The run or re-simulation ends.
    virtual void end() {}
    /// One real-time tick or re-simulated frame; `t` is the host time the result belongs to.
    virtual void step(double t) { (void)t; }
    /// The host's time moved outside a run: show the state recorded for `t`.
    virtual void timeChanged(double t) { (void)t; }
    /// Declares the input channels and the configuration page. Non-zero aborts the creation.
    virtual int buildConfiguration() { return 0; }
    /// Sets up the default state of a new instance. Non-zero aborts the creation.
    virtual int initialize() { return 0; }
    /// Reads the saved state of a loaded instance; non-zero means required nodes are missing.
    virtual int restore() { return 0; }
    /// Writes the state into the saved-state buffer (CInterface::setToolData).
    virtual int store() { return 0; }
    /// Destroys the tool object.
    virtual void release() { delete this; }
    virtual ~CCamera() = default;

    /// The descriptor that created the object; not owned.
    CCameraPlugin* plugin = nullptr;
    /// The instance name chosen by the core.
    std::string name;
    /// The owning instance's core interface; set right after construction, not owned.
    CInterface* core = nullptr;
};

} // namespace vex::orb
