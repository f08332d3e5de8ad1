#pragma once

#include <algorithm>
#include <cstdint>
#include <vector>

namespace vex::orb {

/// Base of every object that crosses between the core, the tools and the host adaptor: a small
/// mechanism for optional, numbered extensions, so an interface can grow without changing its slots.
class CExtendable {
public:
    /// Performs extension number `id` on `data`; 0 when the id is not handled.
    virtual int extension(int id, void* data) {
        (void)id;
        (void)data;
        return 0;
    }

    /// The extension ids this object handles.
    virtual std::vector<int32_t> getExtensionIds() const { return {}; }

    /// True when `id` is among getExtensionIds().
    virtual bool hasExtension(int id) const {
        std::vector<int32_t> ids = getExtensionIds();
        return std::find(ids.begin(), ids.end(), id) != ids.end();
    }

protected:
    // Objects are destroyed through their own interface's destructor or release operation.
    ~CExtendable() = default;
};

} // namespace vex::orb
