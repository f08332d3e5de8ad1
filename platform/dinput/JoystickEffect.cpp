#include "platform/dinput/JoystickEffect.h"

#include "platform/dinput/Flags.h"
#include "platform/dinput/HapticConversion.h"
#include "platform/dinput/JoystickDevice.h"

#include <cstring>

namespace vex::platform::dinput {

JoystickEffect::JoystickEffect(JoystickDevice& device, Backend& backend, int id, REFGUID effectType)
    : device_(device), backend_(backend), id_(id), type_(effectType) {
    device_.AddRef();
    parameters_.dwSize = sizeof(DIEFFECT);
    parameters_.dwFlags = DIEFF_CARTESIAN | DIEFF_OBJECTOFFSETS;
    parameters_.dwDuration = INFINITE;
    parameters_.dwGain = DI_FFNOMINALMAX;
    parameters_.dwTriggerButton = DIEB_NOTRIGGER;
}

JoystickEffect::~JoystickEffect() {
    if (handle_ >= 0) backend_.DestroyEffect(id_, handle_);
    device_.Release();
}

HRESULT JoystickEffect::SetParameters(LPCDIEFFECT effect, DWORD flags) {
    if (effect == nullptr || effect->dwSize != sizeof(DIEFFECT)) return DIERR_INVALIDPARAM;
    if ((flags & DIEP_AXES) != 0 && effect->cAxes > 0 && effect->rgdwAxes == nullptr)
        return DIERR_INVALIDPARAM;
    if ((flags & DIEP_TYPESPECIFICPARAMS) != 0 && (effect->lpvTypeSpecificParams == nullptr ||
                                                   effect->cbTypeSpecificParams < GetTypeSpecificSize(type_)))
        return DIERR_INVALIDPARAM;

    if ((flags & DIEP_DURATION) != 0) parameters_.dwDuration = effect->dwDuration;
    if ((flags & DIEP_SAMPLEPERIOD) != 0) parameters_.dwSamplePeriod = effect->dwSamplePeriod;
    if ((flags & DIEP_GAIN) != 0) parameters_.dwGain = effect->dwGain;
    if ((flags & DIEP_TRIGGERBUTTON) != 0) parameters_.dwTriggerButton = effect->dwTriggerButton;
    if ((flags & DIEP_TRIGGERREPEATINTERVAL) != 0)
        parameters_.dwTriggerRepeatInterval = effect->dwTriggerRepeatInterval;
    if ((flags & DIEP_STARTDELAY) != 0) parameters_.dwStartDelay = effect->dwStartDelay;
    if ((flags & DIEP_AXES) != 0) {
        parameters_.dwFlags = effect->dwFlags;
        axes_.assign(effect->rgdwAxes, effect->rgdwAxes + effect->cAxes);
        directions_.resize(axes_.size());
    }
    if ((flags & DIEP_DIRECTION) != 0 && effect->rglDirection != nullptr) {
        directions_.assign(effect->rglDirection, effect->rglDirection + axes_.size());
    }
    if ((flags & DIEP_ENVELOPE) != 0) {
        hasEnvelope_ = effect->lpEnvelope != nullptr;
        if (hasEnvelope_) envelope_ = *effect->lpEnvelope;
    }
    if ((flags & DIEP_TYPESPECIFICPARAMS) != 0) {
        const auto* block = static_cast<const unsigned char*>(effect->lpvTypeSpecificParams);
        typeSpecific_.assign(block, block + GetTypeSpecificSize(type_));
    }
    parameters_.cAxes = static_cast<DWORD>(axes_.size());
    parameters_.rgdwAxes = axes_.data();
    parameters_.rglDirection = directions_.data();
    parameters_.lpEnvelope = hasEnvelope_ ? &envelope_ : nullptr;
    parameters_.cbTypeSpecificParams = static_cast<DWORD>(typeSpecific_.size());
    parameters_.lpvTypeSpecificParams = typeSpecific_.empty() ? nullptr : typeSpecific_.data();

    // Kept until the rest arrives: an effect without its axes or type-specific block cannot play.
    SDL_HapticEffect haptic;
    if (axes_.empty() || !ToHapticEffect(type_, parameters_, haptic)) return DI_DOWNLOADSKIPPED;
    if (handle_ < 0) {
        handle_ = backend_.NewEffect(id_, haptic);
        if (handle_ < 0) return DIERR_GENERIC;
    } else if (!backend_.UpdateEffect(id_, handle_, haptic)) {
        return DIERR_GENERIC;
    }
    return (flags & DIEP_START) != 0 ? Start(1, 0) : DI_OK;
}

HRESULT JoystickEffect::Start(DWORD iterations, DWORD flags) {
    (void)flags; // every effect here plays on its own actuator axis; nothing to solo
    if (!device_.IsExclusivelyAcquired()) return DIERR_NOTEXCLUSIVEACQUIRED;
    if (handle_ < 0) return DIERR_INCOMPLETEEFFECT;
    return backend_.RunEffect(id_, handle_, iterations) ? DI_OK : DIERR_GENERIC;
}

HRESULT JoystickEffect::Stop() {
    if (handle_ < 0) return DI_OK;
    return backend_.StopEffect(id_, handle_) ? DI_OK : DIERR_GENERIC;
}

} // namespace vex::platform::dinput
