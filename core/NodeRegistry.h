#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <map>
#include <vector>

namespace vex::orb::core {

/// The bookkeeping of a host adaptor's node objects: every object it made, by serial number (undo
/// units hold numbers, not pointers, so they never touch an object that is gone), and the node list
/// of the registered ones in registration order.
template <class Node>
class NodeRegistry {
public:
    /// "Not on the list" as an index.
    static constexpr size_t kNotListed = std::numeric_limits<size_t>::max();

    /// Numbers a new node object.
    uint64_t Track(Node* node) {
        const uint64_t serial = nextSerial_++;
        live_[serial] = node;
        return serial;
    }
    /// Takes a node object that is being destroyed off the list and out of the numbering.
    void Forget(Node* node, uint64_t serial) {
        Unregister(node);
        live_.erase(serial);
    }
    /// The node object numbered `serial`, if it still exists.
    Node* FindLive(uint64_t serial) const {
        const auto it = live_.find(serial);
        return it == live_.end() ? nullptr : it->second;
    }
    /// Puts the node on the list at `index` (clamped; kNotListed: last); nothing if it is there.
    void Register(Node* node, size_t index = kNotListed) {
        if (IsRegistered(node)) return;
        const size_t position = std::min(index, list_.size());
        list_.insert(list_.begin() + static_cast<std::ptrdiff_t>(position), node);
    }
    /// Takes the node off the list; answers where it was (kNotListed: it was not there).
    size_t Unregister(Node* node) {
        const auto it = std::find(list_.begin(), list_.end(), node);
        if (it == list_.end()) return kNotListed;
        const auto index = static_cast<size_t>(it - list_.begin());
        list_.erase(it);
        return index;
    }
    bool IsRegistered(const Node* node) const {
        return std::find(list_.begin(), list_.end(), node) != list_.end();
    }
    /// The registered nodes, in registration order.
    const std::vector<Node*>& Registered() const { return list_; }
    /// How many node objects are alive.
    std::size_t CountLive() const { return live_.size(); }
    /// Destroys every node object still alive (each forgets itself as it goes).
    void DestroyAll() {
        while (!live_.empty()) delete live_.begin()->second;
    }

private:
    std::vector<Node*> list_;
    std::map<uint64_t, Node*> live_;
    uint64_t nextSerial_ = 1;
};

} // namespace vex::orb::core
