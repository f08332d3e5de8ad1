#pragma once

#include "gui/BuildReport.h"
#include "gui/Component.h"

#include <memory>
#include <string>

namespace vex::gui {

/// Builds component trees from layout elements and files through the component factory registry.
///
/// Failures are reported, never shown: an unreadable or malformed file gives no tree and the XML
/// status in the report; an element that no factory makes is left out (with its subtree) and named
/// in the report. The window that asked shows BuildReport::Message() to the user as it sees fit.
class ComponentBuilder {
public:
    /// Fills the component and background factory registries, once per process, in the fixed order
    /// dialog, button, flmbutton, list, border, scroll, textbox, combobox, group, then the other kinds.
    /// Every building operation calls it first; call it yourself before using the registries directly.
    static void RegisterFactories();

    /// Makes the component for `element` with its subtree. With a `parent` the component is appended
    /// to it (and owned by it) before it loads; without one the caller owns it. Null when no factory
    /// accepts the element (then its name goes to `report`).
    static Component* Build(const util::xml::Element& element, Component* parent = nullptr,
                            BuildReport* report = nullptr);
    /// The tree of a root element, owned by the caller; null when no factory accepts the root.
    static std::unique_ptr<Component> Create(const util::xml::Element& element,
                                             BuildReport* report = nullptr);
    /// The tree of the layout file at `path` (":" paths are read from the resource bundle); null when
    /// the file cannot be read or parsed, or its root has no factory.
    static std::unique_ptr<Component> CreateFromFile(const std::string& path, BuildReport* report = nullptr);
};

} // namespace vex::gui
