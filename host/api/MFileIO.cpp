#include <maya/MFileIO.h>

#include "../scene/SceneFiles.h"

using vex::host::SceneFiles;

MStatus MFileIO::newFile(bool) {
    return SceneFiles::get().newScene();
}

MStatus MFileIO::open(const MString& fileName, const char*, bool, ReferenceMode, bool) {
    return SceneFiles::get().open(fileName.str());
}

MStatus MFileIO::importFile(const MString& fileName, const char*, bool, const char* nameSpace, bool) {
    return SceneFiles::get().importFile(fileName.str(), nameSpace ? nameSpace : "");
}

MStatus MFileIO::import(const MString& fileName, const char* type, bool preserveReferences,
                        const char* nameSpace, bool ignoreVersion) {
    return importFile(fileName, type, preserveReferences, nameSpace, ignoreVersion);
}

MStatus MFileIO::save(bool) {
    return SceneFiles::get().save({});
}

MStatus MFileIO::saveAs(const MString& fileName, const char*, bool) {
    return SceneFiles::get().save(fileName.str());
}

MString MFileIO::currentFile() {
    return MString(SceneFiles::get().currentFile());
}

MStatus MFileIO::setCurrentFile(const MString& fileName) {
    SceneFiles::get().setCurrentFile(fileName.str());
    return MStatus::kSuccess;
}

bool MFileIO::isNewingFile() {
    return SceneFiles::get().isNewing();
}

bool MFileIO::isOpeningFile() {
    return SceneFiles::get().isOpening();
}

bool MFileIO::isSavingFile() {
    return SceneFiles::get().isSaving();
}
