#include "host/scene/ObjectAccess.h"

namespace vex::host {

MObject ObjectAccess::wrap(std::shared_ptr<Object> object) {
    MObject handle;
    handle.object_ = std::move(object);
    return handle;
}

NodePtr ObjectAccess::LiveNode(const MObject& handle) {
    auto node = as<Node>(handle);
    return node && node->IsAlive() ? node : nullptr;
}

} // namespace vex::host
