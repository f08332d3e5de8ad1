#pragma once

#include <maya/MArray.h>
#include <maya/MMessage.h>

/// An ordered array of callback identifiers, as a plug-in keeps them to remove its callbacks at unload.
class MCallbackIdArray : public MArray<MCallbackId> {
public:
    using MArray<MCallbackId>::MArray;
};
