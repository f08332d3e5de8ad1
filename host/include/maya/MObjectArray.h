#pragma once

#include <maya/MArray.h>
#include <maya/MObject.h>

/// An ordered list of object handles.
class MObjectArray : public MArray<MObject> {
public:
    using MArray<MObject>::MArray;
};
