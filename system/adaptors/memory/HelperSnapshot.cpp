#include "system/adaptors/memory/HelperSnapshot.h"

#include "system/adaptors/memory/HostEdits.h"
#include "system/adaptors/memory/MemoryNode.h"

namespace vex::orb::adaptor::memory {

void HelperSnapshot::setMesh(const util::CMesh& mesh) {
    if (!node_.IsAlive()) return;
    edits::SetField(node_.GetAdaptor(), node_.GetObject(), &HostObject::mesh, mesh);
}

void HelperSnapshot::setColor(float r, float g, float b) {
    if (!node_.IsAlive()) return;
    edits::SetField(node_.GetAdaptor(), node_.GetObject(), &HostObject::color, Color{r, g, b});
}

} // namespace vex::orb::adaptor::memory
