#pragma once

#include "tools/imagegen/ImageJob.h"

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vex::imagegen {

/// The list of images to generate (art/manifest.txt): "image" entries with their "draw" steps, and
/// templates that stand for several entries each, as art/README.md describes.
class Manifest {
public:
    /// Parses the manifest `text` read from `fileName`; nothing, with `error` as "file:line: message",
    /// when a line is malformed.
    static std::optional<Manifest> Parse(std::string_view text, const std::string& fileName,
                                         std::string& error);

    /// Every image in the order the manifest names them.
    const std::vector<ImageJob>& images() const { return images_; }

    /// The arguments of each use of the template `name`, in order (for example every tool folder).
    std::vector<std::vector<std::string>> Uses(const std::string& name) const;

private:
    struct Template {
        std::vector<std::string> parameters;
        std::vector<std::pair<int, std::string>> body;
    };

    bool ApplyLine(const std::vector<std::string>& words, const std::string& where, std::string& error);
    bool AddDraw(const std::vector<std::string>& words, std::string& error);

    std::vector<ImageJob> images_;
    std::map<std::string, Template> templates_;
    std::vector<std::pair<std::string, std::vector<std::string>>> uses_;
    int depth_ = 0;
};

} // namespace vex::imagegen
