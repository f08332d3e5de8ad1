#pragma once

#include <cstddef>
#include <functional>

namespace vex::orb::core {

class CoreImplementation;

/// A runtime service that is part of the core (adaptor manager, record manager, instance manager,
/// main window). It knows its owning core and is initialised by it.
///
/// Subsystems constructed with an owning core while that core is not yet marked initialised (that
/// is: the core's own bases, during its construction) are registered in a process-wide list; the
/// core then marks itself initialised and calls Initialize() on each registered subsystem. A
/// subsystem made later is not registered and not initialised by the core.
class CoreSubSystem {
public:
    /// Called with each subsystem at the start of its destruction (tests observe the order).
    using DestructionObserver = std::function<void(CoreSubSystem*)>;

    /// `core` may be null (a subsystem without a core).
    explicit CoreSubSystem(CoreImplementation* core);
    CoreSubSystem(const CoreSubSystem&) = delete;
    CoreSubSystem& operator=(const CoreSubSystem&) = delete;

    /// Second stage of start-up, after every subsystem of the core exists. Default: nothing.
    virtual void Initialize() {}
    /// The owning core. Null without one; null, after a message box "ERROR: Using CORE pointer before
    /// being correctly initialized!", while the core is not yet initialised.
    virtual CoreImplementation* GetCore();
    /// Leaves the process-wide list.
    virtual ~CoreSubSystem();

    /// Whether the core is marked initialised.
    static bool IsCoreInitialized();
    /// Marks the core initialised (or, while it is torn down, no longer).
    static void SetCoreInitialized(bool initialized);
    /// Marks the core initialised, then calls Initialize() on every registered subsystem in list
    /// order, re-reading the list length before every step.
    static void InitializeAll();
    /// Number of registered subsystems.
    static std::size_t GetRegisteredCount();
    /// The registered subsystem at `index`; null when out of range.
    static CoreSubSystem* GetRegistered(std::size_t index);
    /// Installs the observer of destructions (an empty function removes it); returns the previous.
    static DestructionObserver SetDestructionObserver(DestructionObserver observer);

private:
    CoreImplementation* core_;
};

} // namespace vex::orb::core
