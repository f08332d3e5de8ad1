#pragma once

#include <maya/MStatus.h>
#include <maya/MString.h>

/// Whole-scene file operations: new scene, open, import, save.
class MFileIO {
public:
    /// How references are loaded when a file is opened (all loaded here).
    enum ReferenceMode { kLoadDefault = 0, kLoadAllReferences, kLoadNoReferences };

    /// Empties the scene (the scene messages around it are sent).
    static MStatus newFile(bool force = false);
    /// Replaces the scene with a file's contents; kNotFound for a missing file.
    static MStatus open(const MString& fileName, const char* type = nullptr, bool force = false,
                        ReferenceMode refMode = kLoadDefault, bool ignoreVersion = false);
    /// Adds a file's nodes to the scene, in `nameSpace` when given.
    static MStatus importFile(const MString& fileName, const char* type = nullptr,
                              bool preserveReferences = false, const char* nameSpace = nullptr,
                              bool ignoreVersion = false);
    /// Same as importFile.
    static MStatus import(const MString& fileName, const char* type = nullptr,
                          bool preserveReferences = false, const char* nameSpace = nullptr,
                          bool ignoreVersion = false);
    /// Writes the scene to the current file.
    static MStatus save(bool force = false);
    /// Writes the scene to another file, which becomes the current file.
    static MStatus saveAs(const MString& fileName, const char* type = nullptr, bool force = false);

    /// The current file ("" for a scene never saved or opened).
    static MString currentFile();
    /// Sets the current file without reading or writing anything.
    static MStatus setCurrentFile(const MString& fileName);
    /// True while a new scene is being made, a file opened, or the scene saved.
    static bool isNewingFile();
    static bool isOpeningFile();
    static bool isSavingFile();
};
