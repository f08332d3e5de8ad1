#pragma once

#include "plugins/carextended/CarRig.h"
#include "plugins/carextended/CarStateRecord.h"
#include "plugins/carextended/CollisionObjects.h"
#include "plugins/carextended/model/CarGeometry.h"
#include "plugins/carextended/model/CarModel.h"
#include "plugins/carextended/model/CarParameters.h"
#include "plugins/common/COutputChannel.h"
#include "plugins/common/CToolObject.h"
#include "plugins/common/HideDuringRecording.h"
#include "unidevice/PropertyFactory.h"
#include "util/AVar_Linear.h"
#include "util/Matrix.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace vex::unidevice {
class Property;
}

namespace vex::orb::addon {

/// What the four-wheeler tools share: the vehicle model on a rig of scene nodes, its channels and page,
/// the per-frame record of its state, and the saved state. The full tool drives every node of CarRig
/// and offers the autonomous mode and the output channels; the free tool has only some of the nodes and
/// a short page of its own.
class CCarToolObject : public CToolObject {
public:
    /// Size of the fixed saved-state record "sDataChunkSaveStruct".
    static constexpr std::size_t kSaveStructSize = 384;
    /// Exponent every input channel is shaped with.
    static constexpr double kChannelExponent = 1.3;
    /// The car's length in world units in a new rig.
    static constexpr double kDefaultScale = 4.2;
    /// Names and help texts of the input channels, in CarInputIndex order.
    static constexpr std::array<const char*, kCarInputCount> kInputNames{"Gas Pedal (Forw/Backw)",
                                                                         "Steering Wheel (Right/Left)",
                                                                         "Booster",
                                                                         "ABS Brake",
                                                                         "Skidding",
                                                                         "Skid Brake",
                                                                         "Gravel Shake Amplitude",
                                                                         "Burnout",
                                                                         "External Force"};
    static constexpr std::array<const char*, kCarInputCount> kInputHelps{
        "How strong and fast the engine is. 0.0 gives an instant velocity.",
        "How much and how smoothly the wheels turn",
        "How much and how fast the velocity will multiply",
        "Brakes as strong as possible until a full stop",
        "How much skidding and how fast it applies",
        "Locks the wheels",
        "Gravel Shake Amplitude",
        "Creates a burnout where the back wheel(s) spin",
        "This input will apply a force in the direction of the 'ExternalForceMesh' direction"};
    /// Names of the output channels.
    static constexpr std::array<const char*, 7> kOutputNames{"Velocity",
                                                             "Velocity (Percent of Max)",
                                                             "Steering Angle",
                                                             "WheelMesh_FL in the air",
                                                             "WheelMesh_FR in the air",
                                                             "WheelMesh_BL in the air",
                                                             "WheelMesh_BR in the air"};
    /// The page items the tool reacts to.
    static constexpr const char* kReinitialize = "Re-Initialize Car Attributes";
    static constexpr const char* kHideHelpers = "Hide Helpers";
    static constexpr const char* kHideFollowCam = "Hide Follow Camera";
    static constexpr const char* kHideDriverCam = "Hide Driver Camera";
    static constexpr const char* kHideTopViewCam = "Hide TopView Camera";

    /// Copies the plug-in and the instance name; `extended` adds the autonomous mode and the output
    /// channels. The tool attaches its nodes once they are constructed.
    CCarToolObject(const CreateParam& param, bool extended);

    /// Creates every node in order and lays out the default rig.
    int initialize() override;

    /// Starts a take at `t`: the geometry from the scene on the first run or after "Re-Initialize Car
    /// Attributes", a fresh ground world, and the state recorded at `t` (a fresh one on the first run).
    void begin(double t) override;
    /// One frame: reads the channels and the scene, advances the model, records the state at `t` and
    /// writes the nodes.
    void step(double t) override;
    /// Ends the take: clears a pending re-initialisation and shows helpers hidden for the recording.
    void end() override;
    /// Shows the gauges of the speed recorded at `t`.
    void timeChanged(double t) override;
    /// The full car's configuration page.
    ToolPage Page() override;
    /// Finds the nodes (1 when a required one is missing; optional ones are made anew) and reads the
    /// saved state (1 when its fixed record has the wrong size).
    int restore() override;
    /// Writes the saved state "CarCamDataChunk" into the tool data.
    int store() override;
    /// Page notifications: the hide flags, "Re-Initialize Car Attributes" and the values the gauges
    /// depend on.
    void onEvent(std::string name) override;
    /// Extension 40: the current value of one of the tool's output channels; 0 for anything else.
    int extension(int id, void* data) override;
    /// {40}.
    std::vector<int32_t> getExtensionIds() const override;

    /// The saved-state fields, in record order; one table writes and reads them.
    std::vector<RecordField> RecordFields() override;
    /// "CarCamDataChunk".
    std::string RecordName() const override { return "CarCamDataChunk"; }
    /// The fixed record "sDataChunkSaveStruct" of the current settings.
    std::array<uint8_t, kSaveStructSize> MakeSaveStruct() const;
    /// Reads the settings back from a fixed record; false (nothing read) when its size is not
    /// kSaveStructSize.
    bool ReadSaveStruct(const uint8_t* bytes, std::size_t size);
    /// Recomputes the gauges from the car's speed `speed` (car lengths per second).
    void UpdateGauges(double speed);
    /// The rig's geometry as the scene holds it at `t`.
    CarGeometry ReadGeometry(double t) const;

    CarParameters parameters;
    CarGeometry geometry = CarGeometry::Default(kDefaultScale);
    CarState state;
    CarStateRecord record;
    /// The car's speed in car lengths per second, per frame time.
    util::AVar_Linear<double> speed;
    CollisionObjects collision;
    /// The channels declared in buildConfiguration, in input order; owned by the instance.
    std::array<unidevice::Property*, kCarInputCount> channels{};
    /// The output channels; empty when the core adds no virtual controls.
    std::vector<std::unique_ptr<COutputChannel>> outputs;

    // Gauges (read only).
    double velocityMultiplier = 3.6;
    double maxVelocityGauge = 0.0;
    double currentVelocity = 0.0;
    double currentVelocityPercent = 0.0;
    double accelerationGauge100 = 0.0;
    double accelerationGauge60 = 0.0;

    // General modes.
    bool reinitializeRequested = false;
    bool hideHelpers = false;
    bool hideHelpersDuringRecording = false;
    bool hideFollowCam = true;
    bool hideDriverCam = true;
    bool hideTopViewCam = true;
    bool seamlessTransitions = true;
    bool keyframeOnlyEssential = false;

    // General properties the model does not read.
    bool fixateWheelCenterNodes = false;
    bool moveWheelCenterToGround = false;
    bool alignWheelCenterToGround = false;
    double steeringWheelRotMult = 1.0;

    // Ray cast properties the model does not read.
    bool useFastRayCast = false;
    bool storeGroundMeshData = false;

    /// The steering wheel's rigged place under the body; the steering turns it about its z axis.
    util::Matrix<double> steeringWheelRest;
    /// When the first take started.
    double startTime = 0.0;
    /// True until the first take has read the rig.
    bool firstRun = true;
    /// True during a take.
    bool running = false;
    /// The ground meshes read back from a saved state that kept them (see "Store Ground Mesh Data").
    std::vector<util::CMesh> storedGround;

protected:
    /// Takes the tool's nodes: `nodes` in creation order (a parent before its children), `rig` the same
    /// nodes by role. Both are members of the derived tool, called from its constructor's body.
    void Attach(std::vector<SceneNode*> nodes, const CarRig& rig);
    /// The nine input channels, before the page.
    void DeclareChannels() override;
    /// The seven output channels when the core adds virtual controls (extended tool only).
    void DeclareOutputs() override;
    /// Lays out the default rig of a 4.2 m car at the origin.
    void Created() override;
    /// Appends one spinner per input channel, labelled with the channel's name and `suffix` and bound to
    /// `value` of its CarInput (the page's response factors and maxima).
    void AppendChannelSpinners(std::vector<PageItem>& items, const char* suffix, double CarInput::*value);
    /// At the start of every take: a page that shows some settings in units of its own writes them into
    /// the parameters here. Nothing by default.
    virtual void TakePageValues() {}
    /// After the parameters changed behind the page (a restore, a new rig): such a page's values follow.
    /// Nothing by default.
    virtual void ShowPageValues() {}

private:
    // The environment at `t` from the scene.
    CarEnvironment Environment(double t) const;
    // Writes the nodes for `pose` at `t`.
    void WritePose(double t, const CarPose& pose);
    // Shows or hides the helpers and cameras as the flags say.
    void ApplyVisibility();
    // Every helper mesh of the rig.
    std::vector<SceneNode*> Helpers() const;
    // The value of output `index` for `state`.
    double OutputValue(std::size_t index, const CarState& carState) const;

    // Looks a wheel centre node of `rig_` up by the names older rigs gave it; keeps the name it was found by.
    bool FindOldName(SceneNode& wheelCenter);

    std::vector<SceneNode*> allNodes_;
    CarRig rig_;
    bool extended_;
    CarModel model_;
    HideDuringRecording hiddenForRecording_;
    unidevice::PropertyFactory channelFactory_;

    // Saved keys whose quantity the tool does not have: kept and written back with their neutral value.
    double surfaceEdgeResponseFactor_ = 0.0;
    bool gravityOn_ = true;
    double scaleRelMaxJumpVelocity_ = 0.0;
    double minGroundDistance_ = 0.0;
    double landingSkiddingFactor_ = 0.0;
    double inputFilterMem_ = 0.0;
    double gasPedalInputFilterMem_ = 0.0;
    bool disableGroundNodesAnimation_ = false;
    bool disableFollowCamAnimation_ = false;
    bool disableGravityNodeAnimation_ = false;
    double gasPedalMaxRateOfChange_ = 0.0;
};

} // namespace vex::orb::addon
