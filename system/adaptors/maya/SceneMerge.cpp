#include "system/adaptors/maya/SceneMerge.h"

#include <maya/MDGModifier.h>
#include <maya/MFileIO.h>
#include <maya/MFnDependencyNode.h>
#include <maya/MGlobal.h>
#include <maya/MItDependencyNodes.h>
#include <maya/MObjectArray.h>
#include <maya/MSelectionList.h>
#include <maya/MString.h>

#include <algorithm>
#include <cctype>
#include <filesystem>

namespace vex::orb::adaptor::maya {

std::string SceneMerge::SceneFileOf(const std::string& path) {
    const std::filesystem::path file(path);
    std::string extension = file.extension().string();
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    if (extension != ".prm") return path;
    std::filesystem::path scene = file;
    std::error_code error;
    for (const char* kind : {".ma", ".mb"}) {
        scene.replace_extension(kind);
        if (std::filesystem::is_regular_file(scene, error)) return scene.string();
    }
    return {};
}

std::vector<MDagPath> SceneMerge::Import(const std::string& path) {
    MSelectionList kept;
    MGlobal::getActiveSelectionList(kept);
    MGlobal::clearSelectionList();

    std::vector<MDagPath> imported;
    if (!path.empty() && MFileIO::importFile(MString(path.c_str()), nullptr, true, kNamespace)) {
        const std::string prefix = std::string(kNamespace) + ":";
        MObjectArray renamed;
        MDGModifier rename;
        for (MItDependencyNodes it; !it.isDone(); it.next()) {
            const std::string name = MFnDependencyNode(it.thisNode()).name().asChar();
            if (name.compare(0, prefix.size(), prefix) != 0) continue;
            rename.renameNode(it.thisNode(), MString(name.substr(prefix.size()).c_str()));
            renamed.append(it.thisNode());
        }
        rename.doIt();
        for (unsigned int i = 0; i < renamed.length(); ++i) {
            if (!renamed[i].hasFn(MFn::kTransform)) continue;
            MDagPath transform;
            if (MDagPath::getAPathTo(renamed[i], transform)) imported.push_back(transform);
        }
        // A file's own selection comes along with the import; it is not part of the model.
        MSelectionList leftSelected;
        MGlobal::getActiveSelectionList(leftSelected);
        MDGModifier remove;
        for (unsigned int i = 0; i < leftSelected.length(); ++i) {
            MObject node;
            leftSelected.getDependNode(i, node);
            remove.deleteNode(node);
        }
        remove.doIt();
    }
    MGlobal::setActiveSelectionList(kept);
    std::erase_if(imported, [](const MDagPath& transform) { return !transform.isValid(); });
    return imported;
}

} // namespace vex::orb::adaptor::maya
