#include "core/PolyDisplay.h"

#include "core/AdaptorInterface.h"
#include "core/CurrentAdaptor.h"
#include "core/Instance.h"

namespace vex::orb::core::poly_display {

namespace {

// The nodes the host lists for `instance`: only these pointers are followed.
std::vector<CoreNode*> NodesOf(AdaptorInterface& adaptor, Instance& instance) {
    std::vector<CoreNode*> nodes;
    NodeList out(&nodes);
    adaptor.getNodesOf(&instance, out);
    return nodes;
}

void Show(CNode& node, bool on) {
    if (on) {
        node.show();
    } else {
        node.hide();
    }
}

} // namespace

void Apply(const std::vector<Instance*>& instances, std::optional<bool> helpers, std::optional<bool> models) {
    AdaptorInterface* adaptor = GetCurrentAdaptor();
    if (adaptor == nullptr) return;
    for (Instance* instance : instances) {
        if (instance == nullptr) continue;
        for (CoreNode* node : NodesOf(*adaptor, *instance)) {
            if (instance->IsHelperNode(node)) {
                if (helpers) Show(*node, *helpers);
            } else if (!instance->IsMadeByTool(node)) {
                if (models) Show(*node, *models);
            }
        }
    }
}

} // namespace vex::orb::core::poly_display
