#pragma once

#include "plugins/common/CFreeCameraNode.h"
#include "plugins/common/CHumanoidNode.h"
#include "plugins/common/CToolObject.h"
#include "unidevice/PropertyFactory.h"

#include <cstdint>
#include <string>
#include <vector>

namespace vex::unidevice {
class Property;
}

namespace vex::orb::addon {

/// What the free-flying cameras share around their simulations: a camera node the simulation moves and
/// a human figure beside it that shows the rig's scale, the three hide flags, "Relative Scale" read from
/// the camera's basis, the lens values the page sets (sent to the lens only when they change), and the
/// page items of those settings and of the inputs' response factors and maxima.
class CFreeCameraObject : public CToolObject {
public:
    /// Page item names (they double as help texts).
    static constexpr const char* kHideHelpers = "Hide Helpers";
    static constexpr const char* kHideHelpersDuringRecording = "Hide Helpers During Recording";
    static constexpr const char* kHideCamera = "Hide Camera";
    static constexpr const char* kRelativeScale = "Relative Scale";
    static constexpr const char* kFieldOfView = "Field Of View";
    static constexpr const char* kTargetDistance = "Target Distance";

    /// A tool named by `param` with the nodes `camera` and `figure` (members of the derived tool, created
    /// in that order).
    CFreeCameraObject(const CreateParam& param, CFreeCameraNode& camera, CHumanoidNode& figure);

    /// Shows the figure again when it was hidden only for the recording.
    void end() override;
    /// Takes "Relative Scale" from the camera at `t` and refreshes the page.
    void timeChanged(double t) override;
    /// Page and undo notifications: the hide flags, "Relative Scale", and "REALUNDO"/"REALREDO" events.
    void onEvent(std::string name) override;

    double relativeScale = 1.0;
    double fieldOfView = 0.0;
    double lastFieldOfView = 0.0;
    double targetDistance = 0.0;
    double lastTargetDistance = 0.0;
    bool hideHelpersDuringRecording = true;
    bool hideHelpers = false;
    bool hideCamera = false;

protected:
    /// Selects the new camera and starts the page with its lens.
    void Created() override;

    /// Declares one input channel per name with the kinds `kindsOf(k)` and the exponent `exponent`, into
    /// `channels` (same length as `names`).
    template <class KindsOf>
    void DeclareInputChannels(const std::vector<const char*>& names, KindsOf kindsOf, double exponent,
                              unidevice::Property** channels) {
        for (std::size_t k = 0; k < names.size(); ++k)
            channels[k] = core->addInputChannel(names[k], kindsOf(k), &channelFactory_);
        SetExponents(channels, names.size(), exponent);
    }

    /// The run's start at `t`: "Relative Scale" from the camera, the lens as it is one frame later, the
    /// figure hidden when asked to.
    void BeginCamera(double t);
    /// Writes the camera's pose and, when they changed, the page's lens values at `t`.
    void WriteCamera(double t, const util::Vector3<double>& position, const util::Quat<double>& rotation);
    /// Reads the lens at `t` as the page's values and as the values last sent; false without a lens.
    bool TakeLens(double t);
    /// Shows or hides both nodes as the flags say.
    void ApplyVisibility();

    /// The three hide check boxes ("Hide Helpers During Recording" without a callback).
    std::vector<PageItem> HideItems();
    /// A camera spinner with its own input channel.
    SpinnerItem CameraSpinner(const char* name, double& value, double min, double max, double step,
                              bool withCallback);
    /// Each input's "<name> Response Factor" (up to 1) and "<name> Maximum", step 0.001, setting 10, no
    /// channel and no callback.
    static std::vector<PageItem> InputItems(const std::vector<const char*>& names,
                                            const std::vector<double*>& responseFactors,
                                            const std::vector<double*>& maxima);

private:
    static void SetExponents(unidevice::Property** channels, std::size_t count, double exponent);

    CFreeCameraNode& camera_;
    CHumanoidNode& figure_;
    unidevice::PropertyFactory channelFactory_;
};

} // namespace vex::orb::addon
