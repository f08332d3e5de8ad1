#include <maya/MItDag.h>

#include "host/scene/ObjectAccess.h"
#include "host/scene/Scene.h"
#include "host/api/HostConvert.h"

#include <deque>

using namespace vex::host;
using convert::report;

MItDag::MItDag(TraversalType type, MFn::Type filter, MStatus* ReturnStatus) : m_type(type), m_filter(filter) {
    start(Scene::instance().world());
    report(ReturnStatus, MStatus::kSuccess);
}

void MItDag::start(const NodePtr& root) {
    m_root = root;
    m_order.clear();
    m_index = 0;
    if (m_type == kBreadthFirst) {
        std::deque<Entry> queue{{root, 0}};
        while (!queue.empty()) {
            Entry entry = queue.front();
            queue.pop_front();
            m_order.push_back(entry);
            for (const auto& child : entry.node->children()) queue.push_back({child, entry.depth + 1});
        }
    } else {
        auto walk = [this](auto& self, const NodePtr& node, unsigned int depth) -> void {
            m_order.push_back({node, depth});
            for (const auto& child : node->children()) self(self, child, depth + 1);
        };
        walk(walk, root, 0);
    }
    skipFiltered();
}

void MItDag::skipFiltered() {
    while (m_index < m_order.size()) {
        const auto& node = m_order[m_index].node;
        const bool live = node->isAlive() || node == Scene::instance().world();
        if (live && (m_filter == MFn::kInvalid || node->hasFn(m_filter))) return;
        ++m_index;
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
    m_type = type == kInvalidType ? kDepthFirst : type;
    m_filter = filter;
    start(node);
    return MStatus::kSuccess;
}

MStatus MItDag::reset() {
    start(m_root && (m_root->isAlive() || m_root == Scene::instance().world()) ? m_root
                                                                               : Scene::instance().world());
    return MStatus::kSuccess;
}

MStatus MItDag::next() {
    if (m_index >= m_order.size()) return convert::failure("the walk is done");
    ++m_index;
    skipFiltered();
    return MStatus::kSuccess;
}

bool MItDag::isDone(MStatus* ReturnStatus) const {
    report(ReturnStatus, MStatus::kSuccess);
    return m_index >= m_order.size();
}

MStatus MItDag::prune() {
    if (m_index >= m_order.size()) return convert::failure("the walk is done");
    // Drop the entries of the current node's subtree that are still to come.
    const auto& current = *m_order[m_index].node;
    std::vector<Entry> kept(m_order.begin(), m_order.begin() + m_index + 1);
    for (std::size_t i = m_index + 1; i < m_order.size(); ++i)
        if (!m_order[i].node->isDescendantOf(current)) kept.push_back(m_order[i]);
    m_order = std::move(kept);
    return MStatus::kSuccess;
}

MObject MItDag::currentItem(MStatus* ReturnStatus) const {
    if (m_index >= m_order.size())
        return report(ReturnStatus, convert::failure("the walk is done")), MObject();
    report(ReturnStatus, MStatus::kSuccess);
    return ObjectAccess::wrap(m_order[m_index].node);
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
    if (m_index >= m_order.size()) return report(ReturnStatus, convert::failure("the walk is done")), 0u;
    report(ReturnStatus, MStatus::kSuccess);
    return m_order[m_index].depth;
}

MObject MItDag::root(MStatus* ReturnStatus) const {
    report(ReturnStatus, MStatus::kSuccess);
    return ObjectAccess::wrap(m_root);
}
