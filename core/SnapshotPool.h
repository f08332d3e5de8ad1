#pragma once

#include <memory>
#include <vector>

namespace vex::orb::core {

/// A node's pool of one snapshot kind. Snapshots cycle between in use and free and live as long as
/// the pool; S must have the fields node, owner, inUse and time (CoreNode::SnapshotState).
template <class S>
class SnapshotPool {
public:
    /// Hands out the most recently added free snapshot, or a new one from `make()` when all are in
    /// use, marked in use for `node` at `time`.
    template <class Node, class Make>
    S* Acquire(Node* node, double time, Make&& make) {
        S* snapshot = nullptr;
        for (auto it = items_.rbegin(); it != items_.rend(); ++it) {
            if (!(*it)->inUse) {
                snapshot = it->get();
                break;
            }
        }
        if (!snapshot) {
            items_.push_back(make());
            snapshot = items_.back().get();
        }
        snapshot->inUse = true;
        snapshot->time = time;
        snapshot->node = node;
        snapshot->owner = node->owner;
        return snapshot;
    }

    /// Number of snapshots the pool holds, in use or not.
    size_t Size() const { return items_.size(); }

    /// Number of snapshots currently handed out.
    size_t InUse() const {
        size_t n = 0;
        for (const auto& s : items_) n += s->inUse ? 1 : 0;
        return n;
    }

private:
    std::vector<std::unique_ptr<S>> items_;
};

} // namespace vex::orb::core
