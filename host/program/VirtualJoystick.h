#pragma once

#include "host/program/SampleTable.h"

#include <memory>
#include <string>
#include <vector>

struct _SDL_Joystick;

namespace vex::host::program {

/// A game controller plugged in by a script: an SDL virtual joystick, seen by the plug-ins exactly as
/// a real one (through the same joystick service). Each axis or button can follow a source at the
/// scene's current time: a plug of the scene (a keyed attribute follows its curve) or a column of a
/// CSV table. Axes take values from -1 to 1 (held there); a button is pressed above 0.5.
class VirtualJoystick {
public:
    /// Plugs in a joystick named `name`; `error` says why when it fails (then IsPlugged() is false).
    VirtualJoystick(const std::string& name, int axes, int buttons, int hats, std::string& error);
    /// Unplugs it.
    ~VirtualJoystick();
    VirtualJoystick(const VirtualJoystick&) = delete;
    VirtualJoystick& operator=(const VirtualJoystick&) = delete;

    bool IsPlugged() const { return joystick_ != nullptr; }
    const std::string& name() const { return name_; }
    int Axes() const { return static_cast<int>(axes_.size()); }
    int buttons() const { return static_cast<int>(buttons_.size()); }

    /// Makes axis (or button) `index` follow the plug "node.attribute"; false when out of range.
    bool FollowPlug(bool button, int index, const std::string& plug);
    /// Makes the axes follow the table's columns in order (column 0 drives axis 0); columns beyond the
    /// axes are left unused.
    void FollowTable(std::shared_ptr<const SampleTable> table);
    /// Sets every followed axis and button to its source's value at the scene's current time.
    void Feed();

private:
    struct Source {
        std::string plug;                         // a plug name, or
        std::shared_ptr<const SampleTable> table; // a table with its column
        int column = 0;
    };
    bool SourceValue(const Source& source, double t, double& value) const;

    std::string name_;
    _SDL_Joystick* joystick_ = nullptr;
    std::vector<Source> axes_, buttons_;
};

} // namespace vex::host::program
