#include "platform/dinput/JoystickDevice.h"

#include "platform/dinput/DirectInput8Object.h"
#include "platform/dinput/HapticConversion.h"
#include "platform/dinput/JoystickEffect.h"

namespace vex::platform::dinput {

namespace {

bool IsAxis(const JoystickObject& object) {
    return (object.instance.dwType & DIDFT_AXIS) != 0;
}

// Whether `id` (a dwType as EnumObjects reports it) names `object`: the same instance and a type bit
// in common; attribute bits such as DIDFT_FFACTUATOR do not matter.
bool HasId(const JoystickObject& object, DWORD id) {
    return DIDFT_GETINSTANCE(id) == DIDFT_GETINSTANCE(object.instance.dwType) &&
           (id & object.instance.dwType & 0xFF) != 0;
}

} // namespace

JoystickDevice::JoystickDevice(DirectInput8Object& owner, Backend& backend,
                               const JoystickDescription& joystick, const JoystickLayout& layout)
    : owner_(owner), backend_(backend), joystick_(joystick), layout_(layout),
      objects_(DescribeObjects(layout)) {
    owner_.AddRef();
}

JoystickDevice::~JoystickDevice() {
    backend_.CloseJoystick(joystick_.id);
    owner_.Release();
}

HRESULT JoystickDevice::SetDataFormat(LPCDIDATAFORMAT format) {
    if (format == nullptr || format->dwDataSize != sizeof(DIJOYSTATE2)) return DIERR_INVALIDPARAM;
    if (acquired_) return DIERR_ACQUIRED;
    formatSet_ = true;
    return DI_OK;
}

HRESULT JoystickDevice::SetCooperativeLevel(HWND window, DWORD flags) {
    (void)window; // the joystick service reads devices without a window
    const DWORD sharing = flags & (DISCL_EXCLUSIVE | DISCL_NONEXCLUSIVE);
    const DWORD focus = flags & (DISCL_FOREGROUND | DISCL_BACKGROUND);
    if ((sharing != DISCL_EXCLUSIVE && sharing != DISCL_NONEXCLUSIVE) ||
        (focus != DISCL_FOREGROUND && focus != DISCL_BACKGROUND))
        return DIERR_INVALIDPARAM;
    cooperation_ = flags;
    return DI_OK;
}

HRESULT JoystickDevice::EnumObjects(LPDIENUMDEVICEOBJECTSCALLBACKA callback, void* ref, DWORD flags) {
    if (callback == nullptr) return DIERR_INVALIDPARAM;
    const DWORD kinds = flags & 0xFF;
    for (const JoystickObject& object : objects_) {
        const DWORD type = object.instance.dwType;
        if (kinds != 0 && (type & kinds) == 0) continue;
        if ((flags & DIDFT_FFACTUATOR) != 0 && (type & DIDFT_FFACTUATOR) == 0) continue;
        if (callback(&object.instance, ref) == DIENUM_STOP) break;
    }
    return DI_OK;
}

std::vector<JoystickObject*> JoystickDevice::FindAxes(const DIPROPHEADER& header, HRESULT& failure) {
    std::vector<JoystickObject*> found;
    failure = DIERR_OBJECTNOTFOUND;
    if (header.dwHow == DIPH_DEVICE && header.dwObj != 0) {
        failure = DIERR_INVALIDPARAM;
        return found;
    }
    for (JoystickObject& object : objects_) {
        const bool named = header.dwHow == DIPH_DEVICE ||
                           (header.dwHow == DIPH_BYOFFSET && header.dwObj == object.instance.dwOfs) ||
                           (header.dwHow == DIPH_BYID && HasId(object, header.dwObj));
        if (!named) continue;
        if (IsAxis(object)) {
            found.push_back(&object);
        } else if (header.dwHow != DIPH_DEVICE) {
            failure = DIERR_UNSUPPORTED; // only axes and sliders have a range
        }
    }
    return found;
}

HRESULT JoystickDevice::GetProperty(REFGUID property, LPDIPROPHEADER header) {
    if (header == nullptr || header->dwSize != sizeof(DIPROPRANGE) ||
        header->dwHeaderSize != sizeof(DIPROPHEADER))
        return DIERR_INVALIDPARAM;
    if (!(property == DIPROP_RANGE)) return DIERR_UNSUPPORTED;
    HRESULT failure = DI_OK;
    const std::vector<JoystickObject*> axes = FindAxes(*header, failure);
    if (axes.empty() || header->dwHow == DIPH_DEVICE) return axes.empty() ? failure : DIERR_INVALIDPARAM;
    auto* range = reinterpret_cast<DIPROPRANGE*>(header);
    range->lMin = axes.front()->lMin;
    range->lMax = axes.front()->lMax;
    return DI_OK;
}

HRESULT JoystickDevice::SetProperty(REFGUID property, LPCDIPROPHEADER header) {
    if (header == nullptr || header->dwSize != sizeof(DIPROPRANGE) ||
        header->dwHeaderSize != sizeof(DIPROPHEADER))
        return DIERR_INVALIDPARAM;
    if (!(property == DIPROP_RANGE)) return DIERR_UNSUPPORTED;
    const auto* range = reinterpret_cast<const DIPROPRANGE*>(header);
    if (range->lMin >= range->lMax) return DIERR_INVALIDPARAM;
    HRESULT failure = DI_OK;
    const std::vector<JoystickObject*> axes = FindAxes(*header, failure);
    if (axes.empty()) return failure;
    for (JoystickObject* axis : axes) {
        axis->lMin = range->lMin;
        axis->lMax = range->lMax;
    }
    return DI_OK;
}

HRESULT JoystickDevice::Acquire() {
    if (!formatSet_) return DIERR_INVALIDPARAM;
    if (lost_ && !Reconnect()) return DIERR_UNPLUGGED;
    if (acquired_) return DI_NOEFFECT;
    acquired_ = true;
    return DI_OK;
}

HRESULT JoystickDevice::Unacquire() {
    if (!acquired_) return DI_NOEFFECT;
    acquired_ = false;
    return DI_OK;
}

HRESULT JoystickDevice::Read() {
    if (backend_.ReadJoystick(joystick_.id, reading_)) return DI_OK;
    acquired_ = false;
    lost_ = true;
    return DIERR_INPUTLOST;
}

bool JoystickDevice::Reconnect() {
    backend_.Update();
    for (const JoystickDescription& candidate : backend_.ListJoysticks()) {
        if (candidate.id == joystick_.id || backend_.IsJoystickOpen(candidate.id) ||
            candidate.name != joystick_.name || candidate.vendor != joystick_.vendor ||
            candidate.product != joystick_.product || candidate.gamepad != joystick_.gamepad)
            continue;
        JoystickLayout layout;
        if (!backend_.OpenJoystick(candidate.id, layout)) continue;
        // The objects, their ranges and the data format set for them must still fit.
        if (layout.axes != layout_.axes || layout.hats != layout_.hats || layout.buttons != layout_.buttons) {
            backend_.CloseJoystick(candidate.id);
            continue;
        }
        backend_.CloseJoystick(joystick_.id);
        joystick_ = candidate;
        layout_ = layout;
        lost_ = false;
        return true;
    }
    return false;
}

HRESULT JoystickDevice::Poll() {
    if (!acquired_) return DIERR_NOTACQUIRED;
    backend_.Update();
    return Read();
}

HRESULT JoystickDevice::GetDeviceState(DWORD size, void* data) {
    if (data == nullptr || size != sizeof(DIJOYSTATE2)) return DIERR_INVALIDPARAM;
    if (!acquired_) return DIERR_NOTACQUIRED;
    if (const HRESULT result = Read(); FAILED(result)) return result;
    FillState(objects_, reading_, *static_cast<DIJOYSTATE2*>(data));
    return DI_OK;
}

HRESULT JoystickDevice::CreateEffect(REFGUID effectType, LPCDIEFFECT parameters, LPDIRECTINPUTEFFECT* effect,
                                     LPUNKNOWN outer) {
    if (effect == nullptr) return DIERR_INVALIDPARAM;
    *effect = nullptr;
    if (outer != nullptr) return DIERR_NOAGGREGATION;
    const std::uint16_t type = GetHapticType(effectType);
    if (type == 0) return DIERR_DEVICENOTREG;
    if (layout_.hapticAxes == 0 || (layout_.hapticEffects & type) == 0) return DIERR_UNSUPPORTED;
    auto* created = new JoystickEffect(*this, backend_, joystick_.id, effectType);
    if (parameters != nullptr) {
        if (const HRESULT result = created->SetParameters(parameters, DIEP_ALLPARAMS); FAILED(result)) {
            created->Release();
            return result;
        }
    }
    *effect = created;
    return DI_OK;
}

bool JoystickDevice::IsExclusivelyAcquired() const {
    return acquired_ && (cooperation_ & DISCL_EXCLUSIVE) != 0;
}

} // namespace vex::platform::dinput
