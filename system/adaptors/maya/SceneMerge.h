#pragma once

#include <maya/MDagPath.h>

#include <string>
#include <vector>

namespace vex::orb::adaptor::maya {

/// Merging another scene file into the open scene (the scene of a pre-rigged model).
class SceneMerge {
public:
    /// The namespace the file is imported into before its names are taken over.
    static constexpr const char* kNamespace = "Zz_MERGE_zZ";

    /// The scene file a merge of `path` imports: a pre-rigged model's description ("ChaseRig.prm")
    /// keeps its nodes in the Maya scene beside it ("ChaseRig.ma", else "ChaseRig.mb"); any other
    /// path is a scene file itself.
    static std::string SceneFileOf(const std::string& path);

    /// Imports `path` with the selection kept, strips the namespace from the imported names and
    /// deletes what the import left selected; answers the imported transforms (none when the file
    /// cannot be read).
    static std::vector<MDagPath> Import(const std::string& path);
};

} // namespace vex::orb::adaptor::maya
