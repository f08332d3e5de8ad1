#pragma once

#include "core/CoreNode.h"

namespace vex::orb::adaptor::maya {

class CMayaNode;

/// A Maya node's transform at the snapshot's time, in core terms (metres, Y up).
class CMayaSnapshot : public core::CoreNode::Snapshot {
public:
    explicit CMayaSnapshot(CMayaNode& node) : node_(node) {}

    /// Buffered or keyed while the core records an animated node, else set on the transform.
    void WriteMatrix(const util::Matrix<double>& local) override;
    void getMatrix(util::Matrix<double>& local) override;
    /// The product of the local matrices up the ancestors.
    void getWorldMatrix(util::Matrix<double>& world) override;
    /// Ignored when the parent's world matrix has no inverse (a zero scale above the node).
    void WriteWorldMatrix(const util::Matrix<double>& world) override;
    double getTime() override { return time; }

private:
    CMayaNode& node_;
};

} // namespace vex::orb::adaptor::maya
