#pragma once

// Bringing the core up when the host adaptor is made, and down when it goes.

#include <string>

namespace vex::orb::core {

class AdaptorInterface;
class CoreImplementation;

/// Starts the core on `adaptor` (the host adaptor's constructor calls it with itself): loads the
/// tool libraries, accepts only interface version 15107 (any other version, or no adaptor, ends
/// start-up with no core), creates the input drivers, installs the keyboard hook, stores the
/// adaptor, makes the data folders, creates the core, loads the main settings and fills the main
/// window's tool lists. Nothing while the core already runs on an adaptor.
void StartCore(AdaptorInterface* adaptor);

/// Brings the core down (the host adaptor's destructor calls it): releases the keyboard hook, stops
/// a recording or finishes a re-simulation, destroys the instance tree, clears the adaptor's undo
/// bookkeeping, destroys the objects the tools still own, shuts the input drivers down, then
/// destroys the core and forgets the adaptor. Nothing when start-up did not get past the version
/// check.
void ShutdownCore();

/// The core; null when it was never started (or was shut down).
CoreImplementation* FindCore();

/// Creates the input-device drivers, each registering itself with the driver registry.
void CreateInputDrivers();

/// Path of the main settings file of the host folder `hostFolder` below the data root `root`.
std::string GetSettingsPath(const std::string& root, const std::string& hostFolder);

} // namespace vex::orb::core
