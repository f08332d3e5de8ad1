#pragma once

#include "plugins/carextended/CCarMeshNode.h"
#include "plugins/common/CToolObject.h"
#include "plugins/common/HideDuringRecording.h"
#include "plugins/common/StateRecord.h"
#include "plugins/directinputlink/LinkChannel.h"
#include "plugins/storedstates/CRelativeCageNode.h"
#include "unidevice/PropertyFactory.h"
#include "util/Matrix.h"

#include <array>
#include <cstddef>
#include <string>
#include <vector>

namespace vex::unidevice {
class Property;
}

namespace vex::orb::addon {

/// What the direct links share (DirectInputLink and the 1D positioner, rotator and scaler): up to six
/// input channels, each shaped by its own stage (LinkChannel.h), whose filtered values give the pose
/// of a linked node relative to the cage "RelativeCageMesh". The pose is absolute, not accumulated:
/// without "Integrate" releasing the inputs brings the node back to the cage's origin through the
/// filters; with it the inputs act as velocities. Parenting or animating the cage carries the link
/// along, which is how a linked camera rides on a moving object.
///
/// A take records every channel's state per frame, so a re-simulation repeats the take exactly and a
/// take started at a recorded frame goes on from it; when the linked node was moved away from where
/// that take left it, or nothing is recorded there, the run starts with every channel at rest (the
/// pose the cage gives), since the cage, not the linked node, is what places the rig.
class CLinkToolObject : public CToolObject {
public:
    static constexpr std::size_t kMaxChannels = 6;
    /// Name of the saved-state record and of its settings child.
    static constexpr const char* kRecordName = "DILDataChunk";
    static constexpr const char* kSettingsName = "sDataChunkSaveStruct";
    /// The cage's node name in the host.
    static constexpr const char* kCageName = "RelativeCageMesh";

    /// The camera's hide box (the helpers' are HelperToggle's), and the per-channel item suffixes with
    /// their help texts.
    static constexpr const char* kHideCamera = "Hide Camera";
    static constexpr const char* kResponseFactor = " Response Factor";
    static constexpr const char* kResponseFactorHelp = "How quickly the to respond to input value changes.";
    static constexpr const char* kMaximum = " Maximum";
    static constexpr const char* kMaximumHelp = "The maximum/minimum value of the input.";
    static constexpr const char* kChangeLimit = " Change Limit";
    static constexpr const char* kChangeLimitHelp =
        "This parameter limits the rate of change (the velocity) of the input.";
    static constexpr const char* kKeepTrinaryState = " Keep Trinary State";
    static constexpr const char* kKeepTrinaryStateHelp =
        "If checked the input value is held until activated again by which it returns to zero. If an "
        "analog input is used the trigger value is 0.5 (or -0.5).";
    static constexpr const char* kIntegrate = " Integrate";
    static constexpr const char* kIntegrateHelp = "If checked the input value is integrated (the value is "
                                                  "increased/decreased until the input value is zero again).";

    /// Every channel's state; only the first ChannelCount() are used.
    using Channels = std::array<LinkChannelState, kMaxChannels>;
    /// The channels' filtered values, the pose's inputs.
    using Filtered = std::array<double, kMaxChannels>;

    /// Starts a run at `t`: from the channels recorded at `t` when the linked node is where that take
    /// left it, else at rest; hides the helpers when asked to.
    void begin(double t) override;
    /// Shows the helpers hidden for the take again.
    void end() override;
    /// Reads the bound channels, shapes every channel over the frame and writes the linked node at `t`.
    void step(double t) override;
    /// "General Modes", the tool's own groups, then "Input Property Parameters".
    ToolPage Page() override;
    std::string RecordName() const override { return kRecordName; }
    /// The hide flags, the channels' settings and states under "sDataChunkSaveStruct", the takes' runs.
    std::vector<RecordField> RecordFields() override;
    /// Page and undo notifications: the hide flags and "REALUNDO"/"REALREDO".
    void onEvent(std::string name) override;

    /// The linked node's local transform for the filtered values `f`.
    virtual util::Matrix<double> LinkMatrix(const Filtered& f) const = 0;
    /// The number of input channels.
    std::size_t ChannelCount() const { return names_.size(); }
    /// The input channel names, in channel order.
    const std::vector<const char*>& ChannelNames() const { return names_; }

    std::array<LinkChannelSettings, kMaxChannels> settings{};
    Channels run{};
    /// The channels of the takes, per frame.
    StateRecord<Channels> record;
    bool hideHelpers = false;
    bool hideHelpersDuringRecording = true;
    bool hideCamera = false;
    /// The channels declared in buildConfiguration, in channel order; owned by the instance.
    std::array<unidevice::Property*, kMaxChannels> channels{};

protected:
    /// One input channel: its name and its default maximum.
    struct ChannelDefaults {
        const char* name;
        double maximum;
    };

    /// A link named by `param` with the channels `declared` (at most kMaxChannels) moving `linked` under
    /// `cage`, and optionally a camera riding on `linked` (null: none, and no "Hide Camera"). The nodes
    /// are members of the derived tool, created in that order.
    CLinkToolObject(const CreateParam& param, const std::vector<ChannelDefaults>& declared,
                    CRelativeCageNode& cage, CCarMeshNode& linked, SceneNode* camera);

    /// Groups of the tool's own between "General Modes" and the inputs; none by default.
    virtual std::vector<PageGroup> ToolGroups() { return {}; }
    /// Saved fields of the tool's own, after the common ones; none by default.
    virtual std::vector<RecordField> ToolFields() { return {}; }

    /// The channels, each accepting trinary and analog controls (and buttons when it says so).
    void DeclareChannels() override;
    /// Selects the linked node and writes its rest pose.
    void Created() override;

private:
    /// The filtered values of `channels`.
    Filtered FilteredOf(const Channels& channels) const;
    /// Writes the linked node at `t` for the state `channels`.
    void PlaceLinked(double t, const Channels& channels);

    std::vector<const char*> names_;
    CRelativeCageNode& cage_;
    CCarMeshNode& linked_;
    SceneNode* camera_;
    HideDuringRecording hiddenForTake_;
    unidevice::PropertyFactory channelFactory_;
};

} // namespace vex::orb::addon
