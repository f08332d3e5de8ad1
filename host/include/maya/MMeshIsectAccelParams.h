#pragma once

/// Acceleration settings for repeated mesh intersection tests. Meshes here are tested triangle by
/// triangle, so the settings are accepted and have no effect on the results.
class MMeshIsectAccelParams {
public:
    MMeshIsectAccelParams() = default;
    MMeshIsectAccelParams(int xDivisions, int yDivisions, int zDivisions)
        : xDivs(xDivisions), yDivs(yDivisions), zDivs(zDivisions) {}

    int xDivs = 0;
    int yDivs = 0;
    int zDivs = 0;
};
