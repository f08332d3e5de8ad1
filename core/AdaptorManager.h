#pragma once

#include "core/CoreSubSystem.h"

namespace vex::orb::core {

class AdaptorInterface;

/// The core's link to the host: the adaptor the core was started with.
class AdaptorManager : public CoreSubSystem {
public:
    /// Takes over the process-wide adaptor that start-up stored just before it made the core.
    explicit AdaptorManager(CoreImplementation* core);

    /// The host adaptor; null when the core runs without one.
    AdaptorInterface* GetAdaptor() const { return adaptor_; }
    /// Replaces the host adaptor.
    void SetAdaptor(AdaptorInterface* adaptor) { adaptor_ = adaptor; }

private:
    AdaptorInterface* adaptor_;
};

} // namespace vex::orb::core
