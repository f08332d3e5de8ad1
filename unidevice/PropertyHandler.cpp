#include "unidevice/PropertyHandler.h"

#include "unidevice/Property.h"

#include <utility>

namespace vex::unidevice {

PropertyHandler::~PropertyHandler() {
    for (Entry& entry : entries_) entry.property->destroy();
}

Property* PropertyHandler::GetProperty(int index) const {
    return index >= 0 && index < GetCount() ? entries_[static_cast<std::size_t>(index)].property : nullptr;
}

Property* PropertyHandler::FindProperty(const std::string& name) const {
    for (const Entry& entry : entries_)
        if (entry.name == name) return entry.property;
    return nullptr;
}

void PropertyHandler::AddProperty(std::string name, Property* property) {
    if (property != nullptr) entries_.push_back({std::move(name), property});
}

} // namespace vex::unidevice
