#include "host/file/FileOperations.h"
#include "host/scene/SceneFiles.h"

#include <maya/MFileIO.h>

#include <string>

using vex::host::SceneFiles;
using vex::host::file::FileOperations;

MStatus MFileIO::newFile(bool) {
    return FileOperations::NewScene();
}

MStatus MFileIO::open(const MString& fileName, const char*, bool, ReferenceMode, bool) {
    return FileOperations::Open(fileName.str());
}

MStatus MFileIO::importFile(const MString& fileName, const char*, bool, const char* nameSpace, bool) {
    return FileOperations::ImportFile(fileName.str(), nameSpace ? nameSpace : "");
}

MStatus MFileIO::import(const MString& fileName, const char* type, bool preserveReferences,
                        const char* nameSpace, bool ignoreVersion) {
    return importFile(fileName, type, preserveReferences, nameSpace, ignoreVersion);
}

MStatus MFileIO::save(bool) {
    return FileOperations::Save({});
}

MStatus MFileIO::saveAs(const MString& fileName, const char* type, bool) {
    if (type && std::string(type) != "mayaAscii")
        return MStatus(MStatus::kInvalidParameter, "Only \"mayaAscii\" scene files can be written.");
    return FileOperations::Save(fileName.str());
}

MString MFileIO::currentFile() {
    return MString(FileOperations::CurrentFile());
}

MStatus MFileIO::setCurrentFile(const MString& fileName) {
    FileOperations::rename(fileName.str());
    return MStatus::kSuccess;
}

bool MFileIO::isNewingFile() {
    return SceneFiles::get().IsNewing();
}

bool MFileIO::isOpeningFile() {
    return SceneFiles::get().IsOpening();
}

bool MFileIO::isSavingFile() {
    return SceneFiles::get().IsSaving();
}
