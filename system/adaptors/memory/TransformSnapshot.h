#pragma once

#include "core/CoreNode.h"

namespace vex::orb::adaptor::memory {

class MemoryNode;

/// A memory node's transform at the snapshot's time.
class TransformSnapshot : public core::CoreNode::Snapshot {
public:
    explicit TransformSnapshot(MemoryNode& node) : node_(node) {}

    /// Keyed at the snapshot's time while the core records an animated node, else the static matrix.
    void WriteMatrix(const util::Matrix<double>& local) override;
    void getMatrix(util::Matrix<double>& local) override;
    void getWorldMatrix(util::Matrix<double>& world) override;
    /// Ignored when the parent's world matrix has no inverse (a zero scale above the node).
    void WriteWorldMatrix(const util::Matrix<double>& world) override;
    double getTime() override { return time; }

private:
    MemoryNode& node_;
};

} // namespace vex::orb::adaptor::memory
