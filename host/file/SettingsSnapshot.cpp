#include "host/file/SettingsSnapshot.h"

#include "host/builtins/SessionState.h"
#include "host/scene/Scene.h"
#include "host/scene/Timeline.h"

namespace vex::host::file {

SettingsSnapshot::SettingsSnapshot()
    : linear_(MDistance::uiUnit()), angle_(MAngle::uiUnit()), time_(MTime::uiUnit()),
      current_(Scene::Instance().currentTime()), yUp_(Scene::Instance().isYAxisUp()),
      min_(Timeline::Instance().minTime()), max_(Timeline::Instance().maxTime()),
      start_(Timeline::Instance().AnimationStart()), end_(Timeline::Instance().AnimationEnd()),
      selection_(Scene::Instance().Selection()), requires_(builtins::SessionState::get().Requirements()),
      fileInfo_(builtins::SessionState::get().FileInfo()), kept_(builtins::SessionState::get().KeptLines()) {}

void SettingsSnapshot::restore() const {
    MDistance::setUIUnit(linear_);
    MAngle::setUIUnit(angle_);
    MTime::setUIUnit(time_);
    Scene& scene = Scene::Instance();
    scene.setCurrentTime(current_);
    scene.SetYAxisUp(yUp_);
    scene.SetSelection(selection_);
    Timeline& timeline = Timeline::Instance();
    timeline.setMinTime(min_);
    timeline.setMaxTime(max_);
    timeline.SetAnimationStart(start_);
    timeline.SetAnimationEnd(end_);
    auto& session = builtins::SessionState::get();
    session.ClearFileRecords();
    for (const auto& [name, version] : requires_) session.AddRequirement(name, version);
    for (const auto& [key, value] : fileInfo_) session.SetFileInfo(key, value);
    session.SetKeptLines(kept_);
}

} // namespace vex::host::file
