#pragma once

#include "plugins/catalogue/CCataloguePlugin.h"

#include <new>

namespace vex::orb::addon {

/// The descriptor of a compiled-in tool whose objects are `Object`s: it reports the tool's catalogue
/// identity and creates the tool objects. Every compiled-in tool's descriptor is one of these.
template <class Object>
class CToolPlugin : public CCataloguePlugin {
public:
    using CCataloguePlugin::CCataloguePlugin;

    /// A new descriptor reporting `identity`: the tool table's factory for this tool.
    static CCameraPlugin* Create(const ToolIdentity& identity) {
        return new (std::nothrow) CToolPlugin(identity);
    }

    /// A new `Object` carrying `param`'s plug-in and name; null when out of memory.
    CCamera* create(const CCamera::CreateParam& param) override { return new (std::nothrow) Object(param); }
};

} // namespace vex::orb::addon
