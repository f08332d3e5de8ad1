#pragma once

#include "interface/CUndo.h"
#include "util/AVar_Linear.h"

#include <string>
#include <vector>

namespace vex::orb::core {

/// Undo record of one recording of an instance's input channels: keeps the recorded values from
/// before the take. It finds the instance by name when it runs, so it stays valid when the
/// instance was deleted and made again by other undo steps; a missing instance is skipped.
class InstanceRecordingUndo : public CUndo {
public:
    /// Copies `values` (the instance's recorded values before the take).
    InstanceRecordingUndo(std::string instanceName, std::vector<util::AVar_Linear<double>> values)
        : name_(std::move(instanceName)), stored_(std::move(values)) {}

    /// Swaps the stored values with the instance's.
    void undo() override { Swap(); }
    /// Swaps back.
    void redo() override { Swap(); }

private:
    void Swap();

    std::string name_;
    std::vector<util::AVar_Linear<double>> stored_;
};

} // namespace vex::orb::core
