#pragma once

#include <vector>

namespace vex::orb::core {

class Tool;

/// Receives the tool lists of the main window: the main window implements it, and
/// LibraryManager::FillToolLists hands it one ordered list per component.
class ToolListSink {
public:
    /// Components of the main window that list tool types.
    enum ComponentId : int {
        kVehicles = 101,
        kCameras = 102,
        kAccessories = 103,
        kTemplates = 110,
    };

    /// Puts `tools`, in this order, into the list of component `componentId`.
    virtual void SetToolList(int componentId, const std::vector<Tool*>& tools) = 0;

protected:
    ~ToolListSink() = default;
};

} // namespace vex::orb::core
