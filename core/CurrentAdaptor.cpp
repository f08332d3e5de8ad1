#include "core/CurrentAdaptor.h"

namespace vex::orb::core {

namespace {
// Constant-initialised, so it is usable at any point of static construction or destruction.
AdaptorInterface* currentAdaptor = nullptr;
} // namespace

AdaptorInterface* GetCurrentAdaptor() {
    return currentAdaptor;
}

void SetCurrentAdaptor(AdaptorInterface* adaptor) {
    currentAdaptor = adaptor;
}

} // namespace vex::orb::core
