#include "system/adaptors/maya/CUndoWrapper.h"

namespace vex::orb::adaptor::maya {

CUndoWrapper::~CUndoWrapper() {
    if (unit_ != nullptr) unit_->release();
}

} // namespace vex::orb::adaptor::maya
