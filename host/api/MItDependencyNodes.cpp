#include <maya/MItDependencyNodes.h>

#include "host/scene/ObjectAccess.h"
#include "host/scene/Scene.h"
#include "host/api/HostConvert.h"

using namespace vex::host;
using convert::report;

MItDependencyNodes::MItDependencyNodes(MFn::Type filter, MStatus* ReturnStatus) {
    report(ReturnStatus, reset(filter));
}

MStatus MItDependencyNodes::reset(MFn::Type filter) {
    m_filter = filter;
    m_nodes = Scene::instance().nodes();
    m_index = 0;
    skip();
    return MStatus::kSuccess;
}

void MItDependencyNodes::skip() {
    while (m_index < m_nodes.size() && (!m_nodes[m_index]->isAlive() ||
                                        (m_filter != MFn::kInvalid && !m_nodes[m_index]->hasFn(m_filter))))
        ++m_index;
}

MStatus MItDependencyNodes::next() {
    if (m_index >= m_nodes.size()) return convert::failure("the walk is done");
    ++m_index;
    skip();
    return MStatus::kSuccess;
}

bool MItDependencyNodes::isDone(MStatus* ReturnStatus) const {
    report(ReturnStatus, MStatus::kSuccess);
    return m_index >= m_nodes.size();
}

MObject MItDependencyNodes::thisNode(MStatus* ReturnStatus) const {
    if (m_index >= m_nodes.size())
        return report(ReturnStatus, convert::failure("the walk is done")), MObject();
    report(ReturnStatus, MStatus::kSuccess);
    return ObjectAccess::wrap(m_nodes[m_index]);
}
