#pragma once

#include "core/Library.h"
#include "util/Singleton.h"

namespace vex::orb::core {

/// The library of the compiled-in tools, path "Core", without a module. It registers a Plugin for
/// every entry of the compiled-in tool table (entry 0, 1, ... until one is null), then the group
/// and the empty tool.
class CoreLibrary : public Library, public util::Singleton<CoreLibrary> {
public:
    /// The path (and so the name) of the compiled-in library.
    static constexpr const char* kPath = "Core";

    /// Ends the library through its singleton, so it is not destroyed twice.
    void Destroy() override { DestroyInstance(); }

private:
    friend class util::Singleton<CoreLibrary>;
    CoreLibrary();
    ~CoreLibrary() override = default;
};

} // namespace vex::orb::core
