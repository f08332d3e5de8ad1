#pragma once

#include "plugins/common/CToolObject.h"
#include "plugins/common/HideDuringRecording.h"
#include "plugins/common/StateRecord.h"
#include "plugins/storedstates/CCurrentStateNode.h"
#include "plugins/storedstates/CRelativeCageNode.h"
#include "plugins/storedstates/CWantedStateNode.h"
#include "plugins/storedstates/StateMotion.h"
#include "plugins/storedstates/StoredStates.h"
#include "unidevice/PropertyFactory.h"

#include <array>
#include <string>
#include <vector>

namespace vex::unidevice {
class Property;
}

namespace vex::orb::addon {

/// What the multi-state camera and the state machine are: a node ("CurrentState") that moves between
/// ten stored states (poses relative to the cage "RelativeCage"), chosen by device or keys, smoothly or
/// at once (StateMotion.h), with a helper ("WantedState") showing the state it is heading to. The user
/// stores a state by placing the current node and pressing "Store Current As State n".
///
/// A take records the whole run per frame, so a re-simulation repeats the take exactly and a take
/// started at a recorded frame goes on from that frame's state, unless the current node was moved
/// away from where the take left it: then the run starts at rest where the node is, heading for the
/// page's "Wanted State".
class CStateToolObject : public CToolObject {
public:
    /// Names of the selection channels, in SelectionChannel order.
    static constexpr std::array<const char*, kSelectionChannelCount> kChannelNames{
        "State 0", "State 1", "State 2", "State 3", "State 4",    "State 5",
        "State 6", "State 7", "State 8", "State 9", "Next State", "Previous State"};
    /// Page item names (they double as help texts).
    static constexpr const char* kHideHelpers = "Hide Helpers";
    static constexpr const char* kHideHelpersDuringRecording = "Hide Helpers During Recording";
    static constexpr const char* kWantedState = "Wanted State";
    static constexpr const char* kResponseFactor = "Response Factor";
    /// The buttons are this followed by the state's number.
    static constexpr const char* kStoreCurrentAsState = "Store Current As State ";

    /// Starts a run at `t`: from the recorded state at `t` when the current node is where that take
    /// left it, else at rest where the node is; hides the helpers when asked to.
    void begin(double t) override;
    /// Shows the helpers hidden for the take again.
    void end() override;
    /// Reads the channels, chooses and moves a frame on, and writes both nodes at `t`.
    void step(double t) override;
    /// Shows the state recorded as wanted nearest to `t` on the page.
    void timeChanged(double t) override;
    /// "General Modes", "States" and "Motion".
    ToolPage Page() override;
    std::string RecordName() const override { return recordName_; }
    /// The settings, the stored states and the recorded runs.
    std::vector<RecordField> RecordFields() override;

    /// Page and undo notifications: "Hide Helpers", "Wanted State", the store buttons and
    /// "REALUNDO"/"REALREDO".
    void onEvent(std::string name) override;

    StoredStates states;
    StateRun run;
    /// The runs of the takes, per frame.
    StateRecord<StateRun> record;
    /// "Wanted State": where a run that starts at rest heads for.
    int wantedState = 0;
    /// "Response Factor" of the motion between states (0 or 1: at once).
    double responseFactor = 0.1;
    bool hideHelpers = false;
    bool hideHelpersDuringRecording = true;
    /// The channels declared in buildConfiguration, in SelectionChannel order; owned by the instance.
    std::array<unidevice::Property*, kSelectionChannelCount> channels{};

    CRelativeCageNode cage;
    CWantedStateNode wanted;
    CCurrentStateNode current;

protected:
    /// A tool named by `param` whose saved state is called `recordName`; its current node is a camera
    /// when `cameraRig`.
    CStateToolObject(const CreateParam& param, const char* recordName, bool cameraRig);

    /// The selection channels, before the page.
    void DeclareChannels() override;
    /// Selects the current node and shows the wanted state.
    void Created() override;
    /// Remembers the wanted state the page shows.
    void Restored(bool fromRecord) override;

private:
    /// Writes the wanted node at `t` at the pose of `state`.
    void ShowWanted(double t, int state);
    /// Shows or hides the cage and the wanted node as "Hide Helpers" says.
    void ApplyVisibility();

    const char* recordName_;
    /// The wanted state the page showed last, the value a page edit changes from.
    int shownWanted_ = 0;
    HideDuringRecording hiddenForTake_;
    unidevice::PropertyFactory channelFactory_;
};

} // namespace vex::orb::addon
