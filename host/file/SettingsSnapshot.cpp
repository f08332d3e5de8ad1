#include "host/file/SettingsSnapshot.h"

#include "host/builtins/SessionState.h"
#include "host/scene/Scene.h"
#include "host/scene/Timeline.h"

namespace vex::host::file {

SettingsSnapshot::SettingsSnapshot()
    : m_linear(MDistance::uiUnit()), m_angle(MAngle::uiUnit()), m_time(MTime::uiUnit()),
      m_current(Scene::instance().currentTime()), m_yUp(Scene::instance().isYAxisUp()),
      m_min(Timeline::instance().minTime()), m_max(Timeline::instance().maxTime()),
      m_start(Timeline::instance().animationStart()), m_end(Timeline::instance().animationEnd()),
      m_selection(Scene::instance().selection()), m_requires(builtins::SessionState::get().requirements()),
      m_fileInfo(builtins::SessionState::get().fileInfo()) {}

void SettingsSnapshot::restore() const {
    MDistance::setUIUnit(m_linear);
    MAngle::setUIUnit(m_angle);
    MTime::setUIUnit(m_time);
    Scene& scene = Scene::instance();
    scene.setCurrentTime(m_current);
    scene.setYAxisUp(m_yUp);
    scene.setSelection(m_selection);
    Timeline& timeline = Timeline::instance();
    timeline.setMinTime(m_min);
    timeline.setMaxTime(m_max);
    timeline.setAnimationStart(m_start);
    timeline.setAnimationEnd(m_end);
    auto& session = builtins::SessionState::get();
    session.clearFileRecords();
    for (const auto& [name, version] : m_requires) session.addRequirement(name, version);
    for (const auto& [key, value] : m_fileInfo) session.setFileInfo(key, value);
}

} // namespace vex::host::file
