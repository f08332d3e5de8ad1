#pragma once

#include "host/scene/Node.h"

#include <maya/MSelectionList.h>

/// The host's side of MSelectionList: its nodes, for the active selection.
class MSelectionListAccess {
public:
    static std::vector<vex::host::NodePtr>& items(MSelectionList& list) { return list.items_; }
    static const std::vector<vex::host::NodePtr>& items(const MSelectionList& list) { return list.items_; }
};
