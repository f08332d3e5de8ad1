#include "host/api/FnAccess.h"

#include <maya/MFnLambertShader.h>

using namespace vex::host;
using convert::report;

namespace {

MColor readColour(const MFnBase& fn, const char* name, MStatus* status) {
    auto node = liveNodeOf(fn, status);
    if (!node) return MColor();
    auto value = std::get<Double3>(readAttribute(node, name));
    return MColor(static_cast<float>(value[0]), static_cast<float>(value[1]), static_cast<float>(value[2]));
}

MStatus writeColour(const MFnBase& fn, const char* name, const MColor& colour) {
    MStatus status;
    auto node = liveNodeOf(fn, &status);
    return node ? writeAttribute(node, name, Double3{colour.r, colour.g, colour.b}) : status;
}

} // namespace

MFnLambertShader::MFnLambertShader(const MObject& object, MStatus* ReturnStatus) {
    report(ReturnStatus, setObject(object));
}

MObject MFnLambertShader::create(bool, MStatus* ReturnStatus) {
    return MFnDependencyNode::create("lambert", ReturnStatus);
}

MColor MFnLambertShader::color(MStatus* s) const {
    return readColour(*this, "color", s);
}
MStatus MFnLambertShader::setColor(const MColor& c) {
    return writeColour(*this, "color", c);
}
MColor MFnLambertShader::transparency(MStatus* s) const {
    return readColour(*this, "transparency", s);
}
MStatus MFnLambertShader::setTransparency(const MColor& c) {
    return writeColour(*this, "transparency", c);
}
MColor MFnLambertShader::ambientColor(MStatus* s) const {
    return readColour(*this, "ambientColor", s);
}
MStatus MFnLambertShader::setAmbientColor(const MColor& c) {
    return writeColour(*this, "ambientColor", c);
}
MColor MFnLambertShader::incandescence(MStatus* s) const {
    return readColour(*this, "incandescence", s);
}
MStatus MFnLambertShader::setIncandescence(const MColor& c) {
    return writeColour(*this, "incandescence", c);
}
float MFnLambertShader::diffuseCoeff(MStatus* s) const {
    return static_cast<float>(readNumber(*this, "diffuse", s));
}
MStatus MFnLambertShader::setDiffuseCoeff(float c) {
    return writeNumber(*this, "diffuse", c);
}
