#include "plugins/carextended/model/CarGeometry.h"

#include <cmath>

namespace vex::orb::addon {

double CarGeometry::Wheelbase() const {
    const double front = 0.5 * (wheelCentres[0].z + wheelCentres[1].z);
    const double back = 0.5 * (wheelCentres[2].z + wheelCentres[3].z);
    return std::abs(back - front);
}

double CarGeometry::Track() const {
    return 0.5 * (std::abs(wheelCentres[1].x - wheelCentres[0].x) +
                  std::abs(wheelCentres[3].x - wheelCentres[2].x));
}

CarGeometry CarGeometry::Default(double scale) {
    CarGeometry g;
    g.scale = scale;
    const double radius = 0.075 * scale;
    const double halfTrack = 0.185 * scale;
    const double halfBase = 0.3 * scale;
    g.wheelCentres = {{{-halfTrack, radius, -halfBase},
                       {halfTrack, radius, -halfBase},
                       {-halfTrack, radius, halfBase},
                       {halfTrack, radius, halfBase}}};
    g.wheelRadii = {radius, radius, radius, radius};
    g.wheelWidths = {0.05 * scale, 0.05 * scale, 0.05 * scale, 0.05 * scale};
    g.centreOfMass = {0.0, 0.12 * scale, 0.0};
    g.halfExtents = {0.215 * scale, 0.17 * scale, 0.5 * scale};
    return g;
}

} // namespace vex::orb::addon
