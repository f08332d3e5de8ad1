#pragma once

// The process-wide adaptor variable: the one host adaptor every part of the core reaches the host
// through. Start-up sets it; shutdown clears it.

namespace vex::orb::core {

class AdaptorInterface;

/// The host adaptor the core runs on; null before start-up and after shutdown.
AdaptorInterface* GetCurrentAdaptor();

/// Replaces the process-wide adaptor (null: none).
void SetCurrentAdaptor(AdaptorInterface* adaptor);

} // namespace vex::orb::core
