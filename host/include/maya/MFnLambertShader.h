#pragma once

#include <maya/MColor.h>
#include <maya/MFnDependencyNode.h>

/// Function set for Lambert materials: colour, transparency, ambient colour, incandescence and the
/// diffuse factor. Changes are not undoable.
class MFnLambertShader : public MFnDependencyNode {
public:
    MFnLambertShader() = default;
    explicit MFnLambertShader(const MObject& object, MStatus* ReturnStatus = nullptr);

    MFn::Type type() const override { return MFn::kLambert; }

    /// Creates a Lambert material at once and attaches to it.
    MObject create(bool UIvisible = true, MStatus* ReturnStatus = nullptr);

    MColor color(MStatus* ReturnStatus = nullptr) const;
    MStatus setColor(const MColor& color);
    MColor transparency(MStatus* ReturnStatus = nullptr) const;
    MStatus setTransparency(const MColor& color);
    MColor ambientColor(MStatus* ReturnStatus = nullptr) const;
    MStatus setAmbientColor(const MColor& color);
    MColor incandescence(MStatus* ReturnStatus = nullptr) const;
    MStatus setIncandescence(const MColor& color);
    float diffuseCoeff(MStatus* ReturnStatus = nullptr) const;
    MStatus setDiffuseCoeff(float coefficient);
};
