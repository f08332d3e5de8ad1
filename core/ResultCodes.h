#pragma once

// Result codes of the core's operations: 0 is success, small positive numbers name the failure.

namespace vex::orb::core {

inline constexpr int kOk = 0;
/// A recording or re-simulation is already running.
inline constexpr int kAlreadyRunning = 71;
/// The real-time loop cannot record or re-simulate: there is no host adaptor to run on (or, for a
/// re-simulation, the host's time unit has no frame rate to step by).
inline constexpr int kRecordingUnavailable = 72;
/// No instance or no profile of the name asked for.
inline constexpr int kProfileNotFound = -1;
/// The main window is already open (it was brought forward instead).
inline constexpr int kMainWindowAlreadyOpen = 10002;
/// The main window is not open.
inline constexpr int kMainWindowNotOpen = 10003;
/// The main window cannot be made: this build has no window layer yet.
inline constexpr int kMainWindowUnavailable = 10004;

} // namespace vex::orb::core
