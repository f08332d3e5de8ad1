#pragma once

#include "interface/SnapshotKind.h"
#include "util/Assert.h"

#include <utility>

namespace vex::orb {

/// A snapshot of a node held for a scope and handed back to the core when the scope ends:
///
///     ScopedSnapshot<CSnapshot_Lens> lens(core, node, t);
///     if (lens) fieldOfView = lens->getFieldOfView();
///
/// It is empty (false) when there is no node or the host gives no snapshot of that kind; a missing
/// node is outside data, so that is no error. It moves and does not copy.
template <typename T>
class ScopedSnapshot {
public:
    /// Fetches the snapshot of `node` at `t` from the tool's `core`, which is always set (the time is
    /// ignored for a helper's look).
    ScopedSnapshot(CInterface* core, CNode* node, double t = 0.0) : core_(core), snapshot_(nullptr) {
        TORVA_ASSERT(core != nullptr, "a snapshot is fetched through the tool's core");
        if (node != nullptr) snapshot_ = SnapshotKind<T>::Get(*core, node, t);
    }
    ScopedSnapshot(ScopedSnapshot&& other) noexcept
        : core_(other.core_), snapshot_(std::exchange(other.snapshot_, nullptr)) {}
    ScopedSnapshot& operator=(ScopedSnapshot&& other) noexcept {
        if (this != &other) {
            Reset();
            core_ = other.core_;
            snapshot_ = std::exchange(other.snapshot_, nullptr);
        }
        return *this;
    }
    ScopedSnapshot(const ScopedSnapshot&) = delete;
    ScopedSnapshot& operator=(const ScopedSnapshot&) = delete;
    ~ScopedSnapshot() { Reset(); }

    /// Whether a snapshot is held.
    explicit operator bool() const { return snapshot_ != nullptr; }
    T* operator->() const { return snapshot_; }
    T& operator*() const { return *snapshot_; }
    T* get() const { return snapshot_; }
    /// Hands the snapshot back now; the object is empty afterwards.
    void Reset() {
        if (snapshot_ != nullptr) SnapshotKind<T>::Release(*core_, std::exchange(snapshot_, nullptr));
    }

private:
    CInterface* core_;
    T* snapshot_;
};

} // namespace vex::orb
