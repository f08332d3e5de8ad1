#include "system/adaptors/maya/CMayaSnapshot_Lens.h"

#include "system/adaptors/maya/CMayaNode.h"
#include "system/adaptors/maya/LensConversion.h"

#include <maya/MDistance.h>
#include <maya/MFnCamera.h>

namespace vex::orb::adaptor::maya {

float CMayaSnapshot_Lens::Aperture() const {
    return static_cast<float>(MFnCamera(node_.GetPath()).horizontalFilmAperture());
}

void CMayaSnapshot_Lens::WriteFieldOfView(double degrees) {
    node_.WriteLensPlug("fl", time, LensConversion::FocalLength(Aperture(), static_cast<float>(degrees)));
}

double CMayaSnapshot_Lens::getFieldOfView() {
    return LensConversion::FieldOfView(Aperture(), static_cast<float>(node_.ReadLensPlug("fl", time)));
}

void CMayaSnapshot_Lens::WriteFocusDistance(double distance) {
    node_.WriteLensPlug("fd", time, MDistance::uiToInternal(distance));
}

double CMayaSnapshot_Lens::getFocusDistance() {
    return MDistance::internalToUI(node_.ReadLensPlug("fd", time));
}

CNode* CMayaSnapshot_Lens::getNode() {
    return &node_;
}

} // namespace vex::orb::adaptor::maya
