#pragma once

#include "host/scene/Node.h"

#include <maya/MSelectionList.h>

/// The host's side of MSelectionList: its nodes, for the active selection.
class MSelectionListAccess {
public:
    static std::vector<vex::host::NodePtr>& items(MSelectionList& list) { return list.m_items; }
    static const std::vector<vex::host::NodePtr>& items(const MSelectionList& list) { return list.m_items; }
};
