#include "host/file/SettingsSnapshot.h"

#include "host/builtins/SessionState.h"
#include "host/scene/Scene.h"
#include "host/scene/Timeline.h"

namespace vex::host::file {

SettingsSnapshot::SettingsSnapshot()
    : linear_(MDistance::uiUnit()), angle_(MAngle::uiUnit()), time_(MTime::uiUnit()),
      current_(Scene::instance().currentTime()), yUp_(Scene::instance().isYAxisUp()),
      min_(Timeline::instance().minTime()), max_(Timeline::instance().maxTime()),
      start_(Timeline::instance().animationStart()), end_(Timeline::instance().animationEnd()),
      selection_(Scene::instance().selection()), requires_(builtins::SessionState::get().requirements()),
      fileInfo_(builtins::SessionState::get().fileInfo()) {}

void SettingsSnapshot::restore() const {
    MDistance::setUIUnit(linear_);
    MAngle::setUIUnit(angle_);
    MTime::setUIUnit(time_);
    Scene& scene = Scene::instance();
    scene.setCurrentTime(current_);
    scene.setYAxisUp(yUp_);
    scene.setSelection(selection_);
    Timeline& timeline = Timeline::instance();
    timeline.setMinTime(min_);
    timeline.setMaxTime(max_);
    timeline.setAnimationStart(start_);
    timeline.setAnimationEnd(end_);
    auto& session = builtins::SessionState::get();
    session.clearFileRecords();
    for (const auto& [name, version] : requires_) session.addRequirement(name, version);
    for (const auto& [key, value] : fileInfo_) session.setFileInfo(key, value);
}

} // namespace vex::host::file
