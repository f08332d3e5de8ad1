#pragma once

#include "plugins/common/CFollowCamNode.h"
#include "plugins/ruzovuzediziviz/MotionFilter.h"
#include "util/QTransform.h"
#include "util/Vector3.h"

namespace vex::orb::addon {

/// The camera "FollowCam": every step it follows a target node through a damped spring on its
/// position and one on its orientation, each with a speed limit, keeping its own scale.
class CRuzovuZediziVizNode : public CFollowCamNode {
public:
    /// The FollowCam of `tool`, following `target` (which must outlive it), not created yet.
    CRuzovuZediziVizNode(CCamera* tool, const SceneNode& target);

    /// The filter state as one value: the linear velocity as translation, the angular velocity as
    /// the quaternion's x, y, z and the seventh state value as its w.
    util::QTransform<double> GetState() const override;
    /// Takes the filter state back from the form GetState gives.
    void SetState(const util::QTransform<double>& state) override;

    /// The position spring's settings.
    SpringSettings TranslationSettings() const;
    /// The orientation spring's settings.
    SpringSettings RotationSettings() const;

    /// "Fixate Translations" / "Fixate Rotations": that part follows the target without filtering.
    bool fixateTranslations = false;
    bool fixateRotations = false;
    /// Filter state: metres per second, and body-frame radians per second.
    util::Vector3<double> linearVelocity;
    util::Vector3<double> angularVelocity;
    /// Kept with the filter state.
    double seventhStateValue = 1.0;
    /// The page's spring settings: response (stiffness), smoothing (damping), max velocity (0: none).
    double translationResponseFactor = 30.0;
    double rotationResponseFactor = 30.0;
    double translationSmoothingFactor = 5.0;
    double rotationSmoothingFactor = 5.0;
    double translationMaxVelocity = 0.0;
    double rotationMaxVelocity = 0.0;

protected:
    /// Runs both springs toward `goal` (or takes a fixated part as it is).
    void Follow(const util::QTransform<double>& goal, double h) override;
};

} // namespace vex::orb::addon
