#include "platform/dinput/Guid.h"

namespace vex::platform::dinput {

namespace {

// Object type identifiers share their last three parts.
constexpr GUID ObjectGuid(DWORD first) {
    return {first, 0xC9F3, 0x11CF, {0xBF, 0xC7, 0x44, 0x45, 0x53, 0x54, 0x00, 0x00}};
}

// Effect type identifiers share their last three parts.
constexpr GUID EffectGuid(DWORD first) {
    return {first, 0x8E33, 0x11D0, {0x9A, 0xD0, 0x00, 0xA0, 0xC9, 0xA0, 0x6E, 0x35}};
}

} // namespace

const IID IID_IDirectInput8A = {0xBF798030, 0x483A, 0x4DA2, {0xAA, 0x99, 0x5D, 0x64, 0xED, 0x36, 0x97, 0x00}};

const GUID GUID_XAxis = ObjectGuid(0xA36D02E0);
const GUID GUID_YAxis = ObjectGuid(0xA36D02E1);
const GUID GUID_ZAxis = ObjectGuid(0xA36D02E2);
const GUID GUID_RxAxis = ObjectGuid(0xA36D02F4);
const GUID GUID_RyAxis = ObjectGuid(0xA36D02F5);
const GUID GUID_RzAxis = ObjectGuid(0xA36D02E3);
const GUID GUID_Slider = ObjectGuid(0xA36D02E4);
const GUID GUID_Button = ObjectGuid(0xA36D02F0);
const GUID GUID_Key = {0x55728220, 0xD33C, 0x11CF, {0xBF, 0xC7, 0x44, 0x45, 0x53, 0x54, 0x00, 0x00}};
const GUID GUID_POV = ObjectGuid(0xA36D02F2);
const GUID GUID_Unknown = ObjectGuid(0xA36D02F3);

const GUID GUID_ConstantForce = EffectGuid(0x13541C20);
const GUID GUID_RampForce = EffectGuid(0x13541C21);
const GUID GUID_Square = EffectGuid(0x13541C22);
const GUID GUID_Sine = EffectGuid(0x13541C23);
const GUID GUID_Triangle = EffectGuid(0x13541C24);
const GUID GUID_SawtoothUp = EffectGuid(0x13541C25);
const GUID GUID_SawtoothDown = EffectGuid(0x13541C26);

const GUID DIPROP_RANGE = {4, 0, 0, {0, 0, 0, 0, 0, 0, 0, 0}};

} // namespace vex::platform::dinput
