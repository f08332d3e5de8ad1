#pragma once

#include <cstdint>

namespace vex::platform::dinput {

using ULONG = std::uint32_t;

/// Reference counting shared by the DirectInput objects: an object goes away when its last
/// reference is released. Objects are released through Release, never deleted.
class IUnknown {
public:
    /// Adds a reference; returns the new count.
    virtual ULONG AddRef() = 0;
    /// Drops a reference, destroying the object with the last one; returns the new count.
    virtual ULONG Release() = 0;

protected:
    ~IUnknown() = default;
};

using LPUNKNOWN = IUnknown*;

} // namespace vex::platform::dinput
