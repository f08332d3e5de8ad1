#include "host/api/HostConvert.h"
#include "host/scene/ObjectAccess.h"
#include "host/scene/Scene.h"

#include <maya/MItDag.h>

#include <deque>

using namespace vex::host;
using convert::report;

MItDag::MItDag(TraversalType type, MFn::Type filter, MStatus* ReturnStatus) : type_(type), filter_(filter) {
    start(Scene::Instance().World());
    report(ReturnStatus, MStatus::kSuccess);
}

void MItDag::start(const NodePtr& root) {
    root_ = root;
    order_.clear();
    index_ = 0;
    if (type_ == kBreadthFirst) {
        std::deque<Entry> queue{{root, 0}};
        while (!queue.empty()) {
            Entry entry = queue.front();
            queue.pop_front();
            order_.push_back(entry);
            for (const auto& child : entry.node->Children()) queue.push_back({child, entry.depth + 1});
        }
    } else {
        auto walk = [this](auto& self, const NodePtr& node, unsigned int depth) -> void {
            order_.push_back({node, depth});
            for (const auto& child : node->Children()) self(self, child, depth + 1);
        };
        walk(walk, root, 0);
    }
    skipFiltered();
}

void MItDag::skipFiltered() {
    while (index_ < order_.size()) {
        const auto& node = order_[index_].node;
        const bool live = node->IsAlive() || node == Scene::Instance().World();
        if (live && (filter_ == MFn::kInvalid || node->HasFn(filter_))) return;
        ++index_;
    }
}

MStatus MItDag::reset(const MObject& root, TraversalType type, MFn::Type filter) {
    MDagPath path;
    MStatus status = MDagPath::getAPathTo(root, path);
    return status ? reset(path, type, filter) : status;
}

MStatus MItDag::reset(const MDagPath& root, TraversalType type, MFn::Type filter) {
    MStatus status;
    auto node = ObjectAccess::node(root.node(&status));
    if (!status) return status;
    type_ = type == kInvalidType ? kDepthFirst : type;
    filter_ = filter;
    start(node);
    return MStatus::kSuccess;
}

MStatus MItDag::reset() {
    start(root_ && (root_->IsAlive() || root_ == Scene::Instance().World()) ? root_
                                                                            : Scene::Instance().World());
    return MStatus::kSuccess;
}

MStatus MItDag::next() {
    if (index_ >= order_.size()) return convert::failure("the walk is done");
    ++index_;
    skipFiltered();
    return MStatus::kSuccess;
}

bool MItDag::isDone(MStatus* ReturnStatus) const {
    report(ReturnStatus, MStatus::kSuccess);
    return index_ >= order_.size();
}

MStatus MItDag::prune() {
    if (index_ >= order_.size()) return convert::failure("the walk is done");
    // Drop the entries of the current node's subtree that are still to come.
    const auto& current = *order_[index_].node;
    std::vector<Entry> kept(order_.begin(), order_.begin() + index_ + 1);
    for (std::size_t i = index_ + 1; i < order_.size(); ++i)
        if (!order_[i].node->IsDescendantOf(current)) kept.push_back(order_[i]);
    order_ = std::move(kept);
    return MStatus::kSuccess;
}

MObject MItDag::currentItem(MStatus* ReturnStatus) const {
    if (index_ >= order_.size()) return report(ReturnStatus, convert::failure("the walk is done")), MObject();
    report(ReturnStatus, MStatus::kSuccess);
    return ObjectAccess::wrap(order_[index_].node);
}

MStatus MItDag::getPath(MDagPath& path) const {
    MStatus status;
    MObject node = currentItem(&status);
    return status ? MDagPath::getAPathTo(node, path) : status;
}

MString MItDag::fullPathName(MStatus* ReturnStatus) const {
    MDagPath path;
    report(ReturnStatus, getPath(path));
    return path.fullPathName();
}

MString MItDag::partialPathName(MStatus* ReturnStatus) const {
    MDagPath path;
    report(ReturnStatus, getPath(path));
    return path.partialPathName();
}

unsigned int MItDag::depth(MStatus* ReturnStatus) const {
    if (index_ >= order_.size()) return report(ReturnStatus, convert::failure("the walk is done")), 0u;
    report(ReturnStatus, MStatus::kSuccess);
    return order_[index_].depth;
}

MObject MItDag::root(MStatus* ReturnStatus) const {
    report(ReturnStatus, MStatus::kSuccess);
    return ObjectAccess::wrap(root_);
}
