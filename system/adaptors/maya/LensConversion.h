#pragma once

namespace vex::orb::adaptor::maya {

/// The camera lens as the tools and Maya each describe it: the tools speak in horizontal field of
/// view (degrees), a Maya camera holds a focal length "fl" (millimetres) behind a film aperture
/// "horizontalFilmAperture" (inches). The arithmetic is single precision, as the lens values
/// Maya's cameras store.
class LensConversion {
public:
    /// The focal length that shows `fieldOfView` degrees across an aperture `aperture` inches wide.
    static float FocalLength(float aperture, float fieldOfView);
    /// The horizontal field of view in degrees of focal length `focalLength` behind `aperture`.
    static float FieldOfView(float aperture, float focalLength);
};

} // namespace vex::orb::adaptor::maya
