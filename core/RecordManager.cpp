#include "core/RecordManager.h"

#include "core/AdaptorInterface.h"
#include "core/CoreImplementation.h"
#include "core/CountDownWindow.h"
#include "core/CurrentAdaptor.h"
#include "core/Hooks.h"
#include "core/Instance.h"
#include "core/PolyDisplay.h"
#include "core/ResimulationWindow.h"
#include "core/ResultCodes.h"
#include "platform/win32/Clock.h"
#include "platform/win32/MessageBox.h"
#include "unidevice/DeviceRegistry.h"
#include "unidevice/WinDriver.h"
#include "util/Assert.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace vex::orb::core {

namespace {

using platform::win32::GetTickCount;
namespace win32 = platform::win32;

// Check boxes of the main window the loop consults.
constexpr int kAutoExpandTimelineBox = 113;
constexpr int kLowPolyOnRecordBox = 114;
constexpr int kCountdownBox = 112;

// The shortest interval between two ticks.
constexpr double kMinTickInterval = 0.001;

// Whether the host's time unit has a frame rate to step a re-simulation by: a unit the host does not
// know (Maya's user-defined one) answers 0.
bool HasFrameRate(AdaptorInterface& adaptor) {
    return adaptor.getFramesPerSecond() > 0.0;
}

} // namespace

RecordManager::RecordManager(CoreImplementation* core) : CoreSubSystem(core) {}

RecordManager::~RecordManager() = default;

int RecordManager::StartRecording() {
    if (running_) return kAlreadyRunning;
    AdaptorInterface* adaptor = GetCurrentAdaptor();
    if (adaptor == nullptr) return kRecordingUnavailable;

    if (IsMainWindowBoxChecked(kLowPolyOnRecordBox, false)) {
        SaveVisibility();
        if (CoreImplementation* core = GetCore())
            poly_display::Apply(core->CollectInstances(InstanceManager::kAllInstances), true, false);
        adaptor->refreshViews();
    }
    adaptor->beginUndoGroup("Record");

    running_ = true;
    startTime_ = adaptor->getCurrentTime();
    endTime_ = adaptor->getPlaybackRange().second;
    time_ = adaptor->getCurrentTime();
    Hooks::Instance().SetCapturingKeys(true);

    BeginInstances(false);

    lastTick_ = GetTickCount();
    frameIndex_ = GetFrameIndexOf(startTime_ + 0.001);

    const int countdown = GetCountdownSeconds();
    time_ = startTime_ - countdown;
    adaptor->slowFactorChanged(static_cast<int>(slowFactor_));

    if (!countdownWindow_) countdownWindow_ = std::make_unique<CountDownWindow>();
    countdownWindow_->SetAlwaysOnTop(IsAlwaysOnTop());
    if (countdown != 0) countdownWindow_->Show(countdown);

    adaptor->setCurrentTime(startTime_);
    SetTimer(kRecordTimer, GetFrameDuration());
    if (CoreImplementation* core = GetCore()) core->MainDlg::RefreshRecordControls();
    return kOk;
}

void RecordManager::OnTimer(int32_t timerId, uint32_t tickCount) {
    if (timerId != kRecordTimer) return;
    AdaptorInterface* adaptor = GetCurrentAdaptor();
    KillTimer(kRecordTimer);
    if (!running_ || resimulating_ || adaptor == nullptr) return;

    time_ += static_cast<double>(tickCount - lastTick_) * 0.001 / slowFactor_;
    lastTick_ = tickCount;

    const double duration = GetFrameDuration();
    const int target = GetFrameIndexOf(time_) + 1;
    bool polled = false;
    for (int stepped = 0; frameIndex_ < target && stepped < kMaxFramesPerTick; ++stepped) {
        ++frameIndex_;
        const double frameTime = frameIndex_ * duration;
        if (time_ >= endTime_) {
            if (!IsMainWindowBoxChecked(kAutoExpandTimelineBox, true)) {
                StopRecording();
                return;
            }
            endTime_ *= 2.0;
            adaptor->setPlaybackRange({adaptor->getPlaybackRange().first, endTime_});
        }
        if (time_ > startTime_) {
            if (countdownWindow_) countdownWindow_->Hide();
            // The devices are read once per tick, before its first frame.
            if (!polled) unidevice::DeviceRegistry::Instance().updateAll();
            polled = true;
            if (const std::string fault = StepInstances(frameTime); !fault.empty()) {
                StopRecording();
                TellStepFault("take", frameTime, fault);
                return;
            }
        }
    }

    if (startTime_ > time_ && countdownWindow_) {
        const int remaining = static_cast<int>(startTime_ - time_ + 0.999);
        countdownWindow_->SetText(CountDownWindow::FormatSeconds(remaining));
    }
    adaptor->setCurrentTime(time_);

    // Take this tick's own work off the next interval, so ticks come once per frame of wall-clock time.
    const double remaining = duration - static_cast<double>(GetTickCount() - tickCount) / 1000.0;
    SetTimer(kRecordTimer, remaining > kMinTickInterval ? remaining : kMinTickInterval);
}

int RecordManager::StopRecording() {
    if (!running_ || resimulating_) return kOk;
    AdaptorInterface* adaptor = GetCurrentAdaptor();
    if (countdownWindow_) countdownWindow_->Hide();
    KillTimer(kRecordTimer);
    if (startTime_ > time_) time_ = startTime_;

    for (Instance* instance : activeInstances_) instance->EndRecord();
    unidevice::DeviceRegistry::Instance().stopAll();

    if (adaptor != nullptr) {
        adaptor->setCurrentTime(frameIndex_ * GetFrameDuration());
        adaptor->slowFactorChanged(1);
    }
    running_ = false;
    activeInstances_.clear();
    if (CoreImplementation* core = GetCore()) core->MainDlg::RefreshRecordControls();
    if (adaptor != nullptr) adaptor->finishRecording();
    Hooks::Instance().SetCapturingKeys(false);

    if (IsMainWindowBoxChecked(kLowPolyOnRecordBox, false)) {
        RestoreVisibility();
        if (adaptor != nullptr) adaptor->refreshViews();
    }
    if (adaptor != nullptr) adaptor->endUndoGroup();
    return kOk;
}

int RecordManager::Resimulate(double from, double to) {
    if (running_) return kAlreadyRunning;
    AdaptorInterface* adaptor = GetCurrentAdaptor();
    if (adaptor == nullptr) return kRecordingUnavailable;
    if (!HasFrameRate(*adaptor)) {
        win32::MessageBox(nullptr, kNoFrameRateMessage, "Torva Suite",
                          win32::MB_OK | win32::MB_ICONEXCLAMATION);
        return kRecordingUnavailable;
    }
    adaptor->beginUndoGroup("Resimulating");

    running_ = true;
    resimulating_ = true;
    startTime_ = from;
    endTime_ = to;
    resimulateFrame_ = 1;
    resimulateCursor_ = ResimulationFrameTime(resimulateFrame_, 1.0 / adaptor->getFramesPerSecond());
    progress_ = 0.0f;

    savedSlowFactor_ = slowFactor_;
    slowFactor_ = 1.0;
    if (CoreImplementation* core = GetCore()) core->MainDlg::RefreshRecordControls();

    BeginInstances(true);
    lastTick_ = GetTickCount();

    if (!resimulateWindow_) resimulateWindow_ = std::make_unique<ResimulationWindow>(*this);
    resimulateWindow_->SetAlwaysOnTop(IsAlwaysOnTop());
    resimulateWindow_->Open(GetFrameIndexOf(from), adaptor->CanRecordRealTime());
    return kOk;
}

bool RecordManager::ResimulateSlice() {
    AdaptorInterface* adaptor = GetCurrentAdaptor();
    if (!resimulating_ || adaptor == nullptr) return true;
    // The host's time unit changed to one without a rate while the progress window was open: the
    // frames stepped so far stay, the rest cannot be stepped.
    if (!HasFrameRate(*adaptor)) {
        FinishResimulation();
        return true;
    }
    const double step = 1.0 / adaptor->getFramesPerSecond();
    const uint32_t sliceStart = GetTickCount();
    while (endTime_ + 0.00001 > resimulateCursor_) {
        progress_ = static_cast<float>((resimulateCursor_ - startTime_) / (endTime_ - startTime_));
        if (GetTickCount() - sliceStart > kSliceMilliseconds) return false;
        if (const std::string fault = StepInstances(resimulateCursor_); !fault.empty()) {
            const double at = resimulateCursor_;
            FinishResimulation();
            TellStepFault("re-simulation", at, fault);
            return true;
        }
        resimulateCursor_ = ResimulationFrameTime(++resimulateFrame_, step);
    }
    progress_ = 1.0f;
    FinishResimulation();
    return true;
}

double RecordManager::ResimulationFrameTime(int frame, double step) const {
    // The cursor moves one step per frame, but is computed afresh rather than summed: a sum drifts
    // by a few ulps from the times the live take stepped at (frame index x duration), and recorded
    // inputs interpolated at those drifted times would make the re-simulation differ from the take.
    const double startFrame = std::round(startTime_ / step);
    if (std::abs(startFrame * step - startTime_) < 1e-9) return (startFrame + frame) * step;
    return startTime_ + frame * step;
}

void RecordManager::ShowResimulationCursor() {
    if (AdaptorInterface* adaptor = GetCurrentAdaptor()) adaptor->setCurrentTime(resimulateCursor_);
}

void RecordManager::FinishResimulation() {
    if (!resimulating_) return;
    AdaptorInterface* adaptor = GetCurrentAdaptor();
    for (Instance* instance : activeInstances_) instance->EndRecord();
    activeInstances_.clear();
    running_ = false;
    resimulating_ = false;
    slowFactor_ = savedSlowFactor_;
    if (CoreImplementation* core = GetCore()) core->MainDlg::RefreshRecordControls();
    unidevice::DeviceRegistry::Instance().stopAll();
    if (adaptor != nullptr) {
        adaptor->finishRecording();
        adaptor->setCurrentTime(startTime_);
        adaptor->endUndoGroup();
    }
    if (resimulateWindow_) resimulateWindow_->Close();
}

int RecordManager::GetSlowLevel() const {
    return static_cast<int>(std::log(slowFactor_) / std::log(2.0) + 0.001) + 1;
}

void RecordManager::SetSlowLevel(int level) {
    level = std::clamp(level, kMinSlowLevel, kMaxSlowLevel);
    slowFactor_ = std::pow(2.0, level - 1);
    AdaptorInterface* adaptor = GetCurrentAdaptor();
    if (running_ && !resimulating_ && adaptor != nullptr)
        adaptor->slowFactorChanged(static_cast<int>(slowFactor_));
    // The main window shows the level.
    if (CoreImplementation* core = GetCore()) core->MainDlg::RefreshRecordControls();
}

void RecordManager::SetFixedFrameDuration(double seconds) {
    fixedFrameDuration_ = seconds;
    useFixedFrameDuration_ = true;
}

double RecordManager::GetFrameDuration() const {
    if (useFixedFrameDuration_) return fixedFrameDuration_;
    AdaptorInterface* adaptor = GetCurrentAdaptor();
    return adaptor != nullptr ? adaptor->getFrameDuration() : fixedFrameDuration_;
}

int RecordManager::GetFrameIndexOf(double t) const {
    const double duration = GetFrameDuration();
    const double frames = t / duration;
    // A host without a known frame rate has no frames to count.
    if (!std::isfinite(frames) || std::fabs(frames) >= std::numeric_limits<int>::max()) return 0;
    int index = static_cast<int>(frames);
    if (t < 0 && index * duration > t) --index;
    return index;
}

void RecordManager::BeginInstances(bool resimulate) {
    AdaptorInterface* adaptor = GetCurrentAdaptor();
    TORVA_ASSERT(adaptor != nullptr, "a take or re-simulation begins only on an adaptor (its start checked)");
    CoreImplementation* core = GetCore();
    activeInstances_ = core != nullptr ? core->CollectInstances(InstanceManager::kRecordedInstances)
                                       : std::vector<Instance*>();
    adaptor->prepareRecording(std::vector<NodeOwner*>(activeInstances_.begin(), activeInstances_.end()));

    unidevice::DeviceRegistry& drivers = unidevice::DeviceRegistry::Instance();
    // The window driver's devices listen on the main window from their start, so it gets the window
    // first; there is none until the window layer.
    if (auto* windriver = dynamic_cast<unidevice::WinDriver*>(drivers.findDriver("windriver")))
        windriver->SetWindow(nullptr);
    drivers.startAll();
    for (Instance* instance : activeInstances_) instance->BeginRecord(startTime_, resimulate);
}

void RecordManager::ForgetInstance(Instance* instance) {
    const auto found = std::find(activeInstances_.begin(), activeInstances_.end(), instance);
    if (found == activeInstances_.end()) return;
    activeInstances_.erase(found);
    instance->EndRecord();
}

std::string RecordManager::StepInstances(double t) {
    // Every instance steps the frame, so the frame is whole; the first fault is the one told.
    std::string fault;
    for (Instance* instance : activeInstances_) {
        instance->Step(t);
        if (fault.empty() && !instance->GetStepFault().empty())
            fault = "\"" + instance->GetName() + "\": " + instance->GetStepFault();
    }
    return fault;
}

void RecordManager::TellStepFault(const char* run, double time, const std::string& fault) {
    const long frame = std::lround(time / GetFrameDuration());
    const std::string text = std::string("The ") + run + " stopped at frame " + std::to_string(frame) + ": " +
                             fault + ". The keys made before that frame are kept; undo takes the " + run +
                             " back as a whole.";
    win32::MessageBox(nullptr, text.c_str(), "Torva Suite", win32::MB_OK | win32::MB_ICONEXCLAMATION);
}

bool RecordManager::IsMainWindowBoxChecked(int component, bool missing) {
    CoreImplementation* core = GetCore();
    const std::optional<bool> checked =
        core != nullptr ? core->MainDlg::GetRecordOption(component) : std::nullopt;
    return checked.value_or(missing);
}

void RecordManager::SaveVisibility() {
    savedVisibility_.clear();
    AdaptorInterface* adaptor = GetCurrentAdaptor();
    TORVA_ASSERT(adaptor != nullptr, "a take saves the visibility only on an adaptor (its start checked)");
    std::vector<CoreNode*> nodes;
    NodeList out(&nodes);
    adaptor->getAllNodes(out);
    for (CoreNode* node : nodes) savedVisibility_.emplace_back(node, node->isVisible());
}

void RecordManager::RestoreVisibility() {
    for (const auto& [node, visible] : savedVisibility_) {
        if (visible) {
            node->show();
        } else {
            node->hide();
        }
    }
    savedVisibility_.clear();
}

int RecordManager::GetCountdownSeconds() {
    CoreImplementation* core = GetCore();
    // The main window's count-down box, when there is one, can switch the count-down off.
    if (core == nullptr || !IsMainWindowBoxChecked(kCountdownBox, true)) return 0;
    return core->GetSettings().countdown;
}

bool RecordManager::IsAlwaysOnTop() {
    CoreImplementation* core = GetCore();
    return core == nullptr || core->GetSettings().alwaysOnTop;
}

} // namespace vex::orb::core
