#pragma once

#include <maya/MArray.h>
#include <maya/MPlug.h>

/// An ordered list of plugs.
class MPlugArray : public MArray<MPlug> {
public:
    using MArray<MPlug>::MArray;
};
