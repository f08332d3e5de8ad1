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
/// the playback and animation ranges, the selection and the file records (requires, fileInfo, kept
/// statements). Taken before a read, it puts them back when the read is refused, only checked, or an import.
class SettingsSnapshot {
public:
    /// Records the settings as they are now.
    SettingsSnapshot();
    /// Puts every recorded setting back.
    void restore() const;

private:
    MDistance::Unit linear_;
    MAngle::Unit angle_;
    MTime::Unit time_;
    double current_;
    bool yUp_;
    double min_, max_, start_, end_;
    std::vector<NodePtr> selection_;
    std::vector<std::pair<std::string, std::string>> requires_;
    std::vector<std::pair<std::string, std::string>> fileInfo_;
    std::vector<std::string> kept_;
};

} // namespace vex::host::file
