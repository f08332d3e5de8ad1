#pragma once

#include "host/scene/Node.h"

#include <maya/MAngle.h>
#include <maya/MDistance.h>
#include <maya/MTime.h>

#include <string>
#include <utility>
#include <vector>

namespace vex::host::file {

/// What reading a scene file changes besides the nodes: the UI units, the current time, the up axis,
/// the playback and animation ranges, the selection and the file records (requires, fileInfo). Taken
/// before a read, it puts them back when the read is refused, only checked, or an import.
class SettingsSnapshot {
public:
    /// Records the settings as they are now.
    SettingsSnapshot();
    /// Puts every recorded setting back.
    void restore() const;

private:
    MDistance::Unit m_linear;
    MAngle::Unit m_angle;
    MTime::Unit m_time;
    double m_current;
    bool m_yUp;
    double m_min, m_max, m_start, m_end;
    std::vector<NodePtr> m_selection;
    std::vector<std::pair<std::string, std::string>> m_requires;
    std::vector<std::pair<std::string, std::string>> m_fileInfo;
};

} // namespace vex::host::file
