#pragma once

#include "interface/CCamera.h"
#include "interface/CInterface.h"
#include "plugins/common/CAttachedCamNode.h"
#include "plugins/ruzovuzediziviz/CRuzovuZediziVizNode.h"
#include "util/AVar_Nearest.h"
#include "util/QTransform.h"

#include <string>

namespace vex::orb::addon {

/// The RuzovuZediziViz tool: two cameras, "AttachedCam" (attached by the user to an animated object)
/// and "FollowCam", which follows it through damped springs on position and orientation. The
/// FollowCam's filter state is recorded per time, so a re-simulation from any time reproduces the
/// motion of the first run.
class CRuzovuZediziVizObject : public CCamera, public CInterface::Callback {
public:
    /// Name of the saved-state record.
    static constexpr const char* kChunkName = "RuzovuZediziVizDataChunk";
    /// Label of the group of the configuration page.
    static constexpr const char* kGroupName = "Motion Filter Parameters";
    /// Label of the button that requests a re-initialisation.
    static constexpr const char* kReinitialize = "Re-Initialize";

    /// Copies the plug-in and the instance name; the nodes are not created yet.
    explicit CRuzovuZediziVizObject(const CreateParam& param);

    /// Pushes an undo record of the filter memory, takes the FollowCam's filter state for `t` (or
    /// starts it from rest on the very first run) and forgets the memory after `t`.
    void begin(double t) override;
    /// Steps the AttachedCam, then the FollowCam, and records the filter state at `t`.
    void step(double t) override;
    /// Refreshes the configuration page.
    void timeChanged(double t) override;
    /// Declares the "Motion Filter Parameters" page; its spinners also get input channels.
    int buildConfiguration() override;
    /// Creates both cameras at the identity and refreshes the page.
    int initialize() override;
    /// Finds both cameras by name and reads the saved state; 1 when a camera is missing.
    int restore() override;
    /// Writes the saved state as a "RuzovuZediziVizDataChunk" record into the tool data.
    int store() override;

    /// Page and undo notifications: strips a "REALUNDO"/"REALREDO" prefix; "Re-Initialize" requests
    /// that the next step starts the filter from rest.
    void onEvent(std::string name) override;

    /// Per-time record of the FollowCam's filter state.
    util::AVar_Nearest<util::QTransform<double>> filterMemory;
    /// The filter has never run since the tool was created.
    bool firstTime = true;
    /// Set by the "Re-Initialize" button; read by the next step.
    bool reinitializeRequested = false;
    /// The camera the user attaches to an animated object.
    CAttachedCamNode attachedCam;
    /// The camera that follows it; declared after it, whose node it reads.
    CRuzovuZediziVizNode followCam;
};

} // namespace vex::orb::addon
