#include "host/program/VirtualJoystick.h"

#include "host/program/PlugByName.h"

#include <SDL2/SDL.h>
#include <maya/MAnimControl.h>
#include <maya/MDGContext.h>
#include <maya/MTime.h>

#include <algorithm>
#include <cmath>

namespace vex::host::program {

namespace {

// USB ids of the program's virtual controllers (pid.codes test ids).
constexpr Uint16 kVendor = 0x1209;
constexpr Uint16 kProduct = 0x7001;

Sint16 AxisValue(double value) {
    const double held = std::clamp(value, -1.0, 1.0);
    return static_cast<Sint16>(std::lround(held < 0.0 ? held * 32768.0 : held * 32767.0));
}

} // namespace

VirtualJoystick::VirtualJoystick(const std::string& name, int axes, int buttons, int hats, std::string& error)
    : name_(name) {
    if (SDL_InitSubSystem(SDL_INIT_JOYSTICK) != 0) {
        error = std::string("the joystick service does not start: ") + SDL_GetError();
        return;
    }
    SDL_VirtualJoystickDesc description{};
    description.version = SDL_VIRTUAL_JOYSTICK_DESC_VERSION;
    description.type = SDL_JOYSTICK_TYPE_GAMECONTROLLER;
    description.naxes = static_cast<Uint16>(axes);
    description.nbuttons = static_cast<Uint16>(buttons);
    description.nhats = static_cast<Uint16>(hats);
    description.vendor_id = kVendor;
    description.product_id = kProduct;
    description.name = name_.c_str();
    const int index = SDL_JoystickAttachVirtualEx(&description);
    joystick_ = index >= 0 ? SDL_JoystickOpen(index) : nullptr;
    if (joystick_ == nullptr) {
        error = std::string("the virtual joystick cannot be plugged in: ") + SDL_GetError();
        if (index >= 0) SDL_JoystickDetachVirtual(index);
        SDL_QuitSubSystem(SDL_INIT_JOYSTICK);
        return;
    }
    axes_.resize(static_cast<std::size_t>(axes));
    buttons_.resize(static_cast<std::size_t>(buttons));
}

VirtualJoystick::~VirtualJoystick() {
    if (joystick_ == nullptr) return;
    const SDL_JoystickID id = SDL_JoystickInstanceID(joystick_);
    for (int i = 0, count = SDL_NumJoysticks(); i < count; ++i) {
        if (SDL_JoystickGetDeviceInstanceID(i) == id) {
            SDL_JoystickDetachVirtual(i);
            break;
        }
    }
    SDL_JoystickClose(joystick_);
    SDL_QuitSubSystem(SDL_INIT_JOYSTICK);
}

bool VirtualJoystick::FollowPlug(bool button, int index, const std::string& plug) {
    std::vector<Source>& sources = button ? buttons_ : axes_;
    if (index < 0 || index >= static_cast<int>(sources.size())) return false;
    sources[static_cast<std::size_t>(index)] = {plug, nullptr, 0};
    return true;
}

void VirtualJoystick::FollowTable(std::shared_ptr<const SampleTable> table) {
    for (int column = 0; column < table->Columns() && column < Axes(); ++column)
        axes_[static_cast<std::size_t>(column)] = {{}, table, column};
}

bool VirtualJoystick::SourceValue(const Source& source, double t, double& value) const {
    if (source.table) {
        value = source.table->ValueAt(source.column, t);
        return true;
    }
    if (source.plug.empty()) return false;
    const MPlug plug = FindPlugByName(source.plug);
    if (plug.isNull()) return false;
    MStatus status;
    value = plug.asDouble(MDGContext(MTime(t, MTime::kSeconds)), &status);
    return static_cast<bool>(status) && std::isfinite(value);
}

void VirtualJoystick::Feed() {
    if (joystick_ == nullptr) return;
    const double t = MAnimControl::currentTime().as(MTime::kSeconds);
    double value = 0.0;
    for (std::size_t i = 0; i < axes_.size(); ++i)
        if (SourceValue(axes_[i], t, value))
            SDL_JoystickSetVirtualAxis(joystick_, static_cast<int>(i), AxisValue(value));
    for (std::size_t i = 0; i < buttons_.size(); ++i)
        if (SourceValue(buttons_[i], t, value))
            SDL_JoystickSetVirtualButton(joystick_, static_cast<int>(i), value > 0.5 ? 1 : 0);
}

} // namespace vex::host::program
