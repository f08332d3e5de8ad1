#pragma once

#include "interface/CExtendable.h"
#include "util/Matrix.h"

namespace vex::orb {

/// A node's transform at one point in time.
class CSnapshot : public CExtendable {
public:
    /// Writes the node's local transform (keyed when the node is recorded).
    virtual void setMatrix(const util::Matrix<double>& local) = 0;
    /// Reads the node's local transform.
    virtual void getMatrix(util::Matrix<double>& local) = 0;
    /// Reads the node's world transform at the snapshot's time.
    virtual void getWorldMatrix(util::Matrix<double>& world) = 0;
    /// Makes `world` the node's world transform: the local transform becomes it times the inverse of
    /// the parent's world transform.
    virtual void setWorldMatrix(const util::Matrix<double>& world) = 0;
    /// The time in seconds the snapshot was taken for.
    virtual double getTime() = 0;
    virtual ~CSnapshot() = default;
};

} // namespace vex::orb
