#pragma once

#include "util/DynamicObject.h"

#include <string>
#include <vector>

namespace vex::unidevice {

class Property;

/// The input channels of one tool instance, in the order they were added, each filed under a
/// name. It owns them and destroys them when it goes.
class PropertyHandler : public util::DynamicObject {
public:
    PropertyHandler() = default;
    PropertyHandler(const PropertyHandler&) = delete;
    PropertyHandler& operator=(const PropertyHandler&) = delete;
    /// Destroys every channel.
    ~PropertyHandler() override;

    /// Number of channels.
    int GetCount() const { return static_cast<int>(entries_.size()); }
    /// The channel at `index`, or null when out of range.
    Property* GetProperty(int index) const;
    /// The first channel filed under exactly `name`, or null.
    Property* FindProperty(const std::string& name) const;
    /// Files `property` under `name` and takes it over; a null property is ignored.
    void AddProperty(std::string name, Property* property);

private:
    struct Entry {
        std::string name;
        Property* property;
    };
    std::vector<Entry> entries_;
};

} // namespace vex::unidevice
