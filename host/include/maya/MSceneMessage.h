#pragma once

#include <maya/MMessage.h>

/// Callbacks around whole-scene operations: new, open, import, save, references.
class MSceneMessage : public MMessage {
public:
    /// The scene events, numbered as the host numbers them (this host fires new, open, import, save
    /// and exiting; the others are accepted and never happen).
    enum Message {
        kSceneUpdate = 0,
        kBeforeNew = 1,
        kAfterNew = 2,
        kBeforeImport = 3,
        kAfterImport = 4,
        kBeforeOpen = 5,
        kAfterOpen = 6,
        kBeforeFileRead = 7,
        kAfterFileRead = 8,
        kBeforeExport = 9,
        kAfterExport = 10,
        kBeforeSave = 11,
        kAfterSave = 12,
        kBeforeReference = 13,
        kAfterReference = 14,
        kBeforeRemoveReference = 15,
        kAfterRemoveReference = 16,
        kBeforeImportReference = 17,
        kAfterImportReference = 18,
        kBeforeExportReference = 19,
        kAfterExportReference = 20,
        kBeforeUnloadReference = 21,
        kAfterUnloadReference = 22,
        kBeforeSoftwareRender = 23,
        kAfterSoftwareRender = 24,
        kBeforeSoftwareFrameRender = 25,
        kAfterSoftwareFrameRender = 26,
        kSoftwareRenderInterrupted = 27,
        kMayaInitialized = 28,
        kMayaExiting = 29,
        kBeforeNewCheck = 30,
        kBeforeOpenCheck = 31,
        kBeforeSaveCheck = 32,
        kBeforeImportCheck = 33,
        kBeforeExportCheck = 34,
        kBeforeLoadReference = 35,
        kAfterLoadReference = 36,
        kBeforeLoadReferenceCheck = 37,
        kBeforeReferenceCheck = 38,
        kBeforeCreateReferenceCheck = kBeforeReferenceCheck,
        kBeforePluginLoad = 39,
        kAfterPluginLoad = 40,
        kBeforePluginUnload = 41,
        kAfterPluginUnload = 42,
        kBeforeCreateReference = 43,
        kAfterCreateReference = 44,
        kExportStarted = 45,
        kBeforeLoadReferenceAndRecordEdits = 46,
        kAfterLoadReferenceAndRecordEdits = 47,
        kBeforeCreateReferenceAndRecordEdits = 48,
        kAfterCreateReferenceAndRecordEdits = 49,
        kLast = 50,
    };

    /// Calls `func` every time the scene event `msg` happens.
    static MCallbackId addCallback(Message msg, MMessage::MBasicFunction func, void* clientData = nullptr,
                                   MStatus* ReturnStatus = nullptr);
};
