#include "core/RecordManager.h"

#include "core/AdaptorInterface.h"
#include "core/CurrentAdaptor.h"
#include "core/ResultCodes.h"

#include <cmath>

namespace vex::orb::core {

int RecordManager::StartRecording() {
    if (running_) return kAlreadyRunning;
    return kRecordingUnavailable;
}

int RecordManager::StopRecording() {
    if (!running_ || resimulating_) return kOk;
    running_ = false;
    return kOk;
}

int RecordManager::Resimulate(double from, double to) {
    (void)from;
    (void)to;
    if (running_) return kAlreadyRunning;
    return kRecordingUnavailable;
}

void RecordManager::FinishResimulation() {
    if (!resimulating_) return;
    running_ = false;
    resimulating_ = false;
}

int RecordManager::GetSlowLevel() const {
    return static_cast<int>(std::log(slowFactor_) / std::log(2.0) + 0.001) + 1;
}

void RecordManager::SetSlowLevel(int level) {
    slowFactor_ = std::pow(2.0, level - 1);
    // The main window shows the factor; it refreshes here once it exists.
    AdaptorInterface* adaptor = GetCurrentAdaptor();
    if (running_ && !resimulating_ && adaptor != nullptr)
        adaptor->slowFactorChanged(static_cast<int>(slowFactor_));
}

} // namespace vex::orb::core
