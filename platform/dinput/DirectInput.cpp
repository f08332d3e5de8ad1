#include "platform/dinput/DirectInput.h"

#include "platform/dinput/DirectInput8Object.h"
#include "platform/dinput/Flags.h"

namespace vex::platform::dinput {

// Only the size of the layout matters to the devices here, which offer no other.
const DIDATAFORMAT c_dfDIJoystick2 = {
    sizeof(DIDATAFORMAT), sizeof(DIOBJECTDATAFORMAT), 1, sizeof(DIJOYSTATE2), 0, nullptr};

HRESULT DirectInput8Create(HINSTANCE instance, DWORD version, REFIID interfaceId, void** out,
                           LPUNKNOWN outer) {
    (void)instance; // the service needs no module
    if (out == nullptr) return DIERR_INVALIDPARAM;
    *out = nullptr;
    if (version < DIRECTINPUT_VERSION) return DIERR_OLDDIRECTINPUTVERSION;
    if (version > DIRECTINPUT_VERSION) return DIERR_BETADIRECTINPUTVERSION;
    if (!(interfaceId == IID_IDirectInput8A)) return DIERR_NOINTERFACE;
    if (outer != nullptr) return DIERR_NOAGGREGATION;
    Backend& backend = GetBackend();
    if (!backend.Init()) return DIERR_GENERIC;
    *out = static_cast<IDirectInput8A*>(new DirectInput8Object(backend));
    return DI_OK;
}

} // namespace vex::platform::dinput
