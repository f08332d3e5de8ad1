#pragma once

#include <maya/MMessage.h>

/// Callbacks around whole-scene operations: new, open, import, save, references.
class MSceneMessage : public MMessage {
public:
    /// The scene events, numbered as the host numbers them.
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
        kBeforeLoadReference = 23,
        kAfterLoadReference = 24,
        kMayaInitialized = 30,
        kMayaExiting = 31,
        kLast
    };

    /// Calls `func` every time the scene event `msg` happens.
    static MCallbackId addCallback(Message msg, MMessage::MBasicFunction func, void* clientData = nullptr,
                                   MStatus* ReturnStatus = nullptr);
};
