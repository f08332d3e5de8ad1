#include "unidevice/driver/DXAxisFFEffect.h"

#include "platform/dinput/Flags.h"
#include "platform/dinput/Guid.h"

#include <cmath>
#include <limits>

namespace vex::unidevice::driver {

using namespace platform::dinput;

namespace {

constexpr double kLevelUnits = 10000.0;     // device units of full force
constexpr double kMicroseconds = 1000000.0; // device units of a second
constexpr double kPhaseUnits = 39999.0;     // device units of a full turn of phase

// Truncates toward zero, saturating at the ends of the type (and NaN as 0), so that any amount a
// tool passes gives a defined device value.
template <typename Integer>
Integer Truncate(double value) {
    if (!(value == value)) return 0;
    const double truncated = std::trunc(value);
    if (truncated <= static_cast<double>(std::numeric_limits<Integer>::min()))
        return std::numeric_limits<Integer>::min();
    if (truncated >= static_cast<double>(std::numeric_limits<Integer>::max()))
        return std::numeric_limits<Integer>::max();
    return static_cast<Integer>(truncated);
}

struct TypeInfo {
    const GUID* guid;
    DWORD blockSize;
};

// The device effect type and the size of its type-specific block, by EffectType value.
const TypeInfo kTypes[] = {
    {&GUID_ConstantForce, sizeof(DICONSTANTFORCE)},
    {&GUID_RampForce, sizeof(DIRAMPFORCE)},
    {&GUID_Square, sizeof(DIPERIODIC)},
    {&GUID_Sine, sizeof(DIPERIODIC)},
    {&GUID_Triangle, sizeof(DIPERIODIC)},
    {&GUID_SawtoothUp, sizeof(DIPERIODIC)},
    {&GUID_SawtoothDown, sizeof(DIPERIODIC)},
};

} // namespace

DXAxisFFEffect::DXAxisFFEffect(EffectType type, IDirectInputDevice8A* device, DWORD axisOffset)
    : device_(device), axisOffset_(axisOffset), type_(type) {
    parameters_.dwSize = sizeof(DIEFFECT);
    parameters_.dwFlags = DIEFF_CARTESIAN | DIEFF_OBJECTOFFSETS;
    parameters_.dwDuration = INFINITE;
    parameters_.dwSamplePeriod = 0;
    parameters_.dwGain = DI_FFNOMINALMAX;
    parameters_.dwTriggerButton = DIEB_NOTRIGGER;
    parameters_.dwTriggerRepeatInterval = 0;
    parameters_.cAxes = 1;
    parameters_.rgdwAxes = &axisOffset_;
    parameters_.rglDirection = &direction_;
    parameters_.lpEnvelope = nullptr;
    parameters_.dwStartDelay = 0;
    periodic_.dwPeriod = static_cast<DWORD>(kMicroseconds);

    if (type < kConstantForce || type > kSawtoothDown || device_ == nullptr) return;
    parameters_.cbTypeSpecificParams = kTypes[type].blockSize;
    if (type == kConstantForce) {
        parameters_.lpvTypeSpecificParams = &constant_;
    } else if (type == kRampForce) {
        parameters_.lpvTypeSpecificParams = &ramp_;
    } else {
        parameters_.lpvTypeSpecificParams = &periodic_;
    }
    created_ = SUCCEEDED(device_->CreateEffect(*kTypes[type].guid, &parameters_, &effect_, nullptr)) &&
               effect_ != nullptr;
}

DXAxisFFEffect::~DXAxisFFEffect() {
    if (effect_ == nullptr) return;
    effect_->Stop();
    effect_->Release();
}

void DXAxisFFEffect::send(DWORD flags) {
    if (effect_ != nullptr) effect_->SetParameters(&parameters_, flags);
}

void DXAxisFFEffect::startEffect(std::uint32_t iterations) {
    if (effect_ == nullptr) return;
    device_->Acquire();
    effect_->Start(iterations, 0);
}

void DXAxisFFEffect::stopEffect() {
    if (effect_ != nullptr) effect_->Stop();
}

void DXAxisFFEffect::setDuration(double seconds) {
    parameters_.dwDuration = seconds > 0 ? Truncate<DWORD>(seconds * kMicroseconds) : INFINITE;
    send(DIEP_DURATION);
}

void DXAxisFFEffect::setMagnitude(double magnitude) {
    const LONG level = Truncate<LONG>(magnitude * kLevelUnits);
    constant_.lMagnitude = level;
    ramp_.lStart = level;
    // A negative periodic magnitude keeps its two's complement, which devices read as half a turn.
    periodic_.dwMagnitude = static_cast<DWORD>(level);
    send(DIEP_TYPESPECIFICPARAMS);
}

void DXAxisFFEffect::setOffset(double offset) {
    periodic_.lOffset = Truncate<LONG>(offset * kLevelUnits);
    send(DIEP_TYPESPECIFICPARAMS);
}

void DXAxisFFEffect::setPhase(double phase) {
    periodic_.dwPhase = Truncate<DWORD>(phase * kPhaseUnits);
    send(DIEP_TYPESPECIFICPARAMS);
}

void DXAxisFFEffect::setPeriod(double seconds) {
    periodic_.dwPeriod = Truncate<DWORD>(seconds * kMicroseconds);
    send(DIEP_TYPESPECIFICPARAMS);
}

void DXAxisFFEffect::setRampStart(double start) {
    ramp_.lStart = Truncate<LONG>(start * kLevelUnits);
    send(DIEP_TYPESPECIFICPARAMS);
}

void DXAxisFFEffect::setRampEnd(double end) {
    ramp_.lEnd = Truncate<LONG>(end * kLevelUnits);
    send(DIEP_TYPESPECIFICPARAMS);
}

void DXAxisFFEffect::setEnvelope(double attackLevel, double attackTime, double fadeLevel, double fadeTime) {
    envelope_.dwSize = sizeof(DIENVELOPE);
    envelope_.dwAttackLevel = Truncate<DWORD>(attackLevel * kLevelUnits);
    envelope_.dwAttackTime = Truncate<DWORD>(attackTime * kMicroseconds);
    envelope_.dwFadeLevel = Truncate<DWORD>(fadeLevel * kLevelUnits);
    envelope_.dwFadeTime = Truncate<DWORD>(fadeTime * kMicroseconds);
    parameters_.lpEnvelope = &envelope_;
    send(DIEP_ENVELOPE);
}

void DXAxisFFEffect::clearEnvelope() {
    parameters_.lpEnvelope = nullptr;
    send(DIEP_ENVELOPE);
}

} // namespace vex::unidevice::driver
