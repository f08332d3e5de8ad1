#pragma once

#include "tools/imagegen/ImageJob.h"

#include <QImage>

#include <filesystem>
#include <optional>
#include <ostream>
#include <string>

namespace vex::imagegen {

/// Turns the manifest of an art folder into PNG files below a data folder.
class ImageGenerator {
public:
    /// Reads sources and the manifest from `artDir` and writes images below `dataDir`.
    ImageGenerator(std::filesystem::path artDir, std::filesystem::path dataDir);

    /// The image `job` describes; nothing, with `error` naming the file and line, when one of its
    /// sources cannot be read or is malformed.
    std::optional<QImage> Render(const ImageJob& job, std::string& error) const;

    /// Renders and writes every image of artDir/manifest.txt; an image whose sources fail is reported
    /// on `messages` and not written, the others still are. True when every image was written.
    bool Run(std::ostream& messages) const;

    /// The manifest's path, for messages and callers that read it themselves.
    std::filesystem::path ManifestPath() const { return artDir_ / "manifest.txt"; }

private:
    std::filesystem::path artDir_;
    std::filesystem::path dataDir_;
};

} // namespace vex::imagegen
