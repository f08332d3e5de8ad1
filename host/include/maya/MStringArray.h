#pragma once

#include <maya/MArray.h>
#include <maya/MString.h>

/// An array of strings.
class MStringArray : public MArray<MString> {
public:
    using MArray<MString>::MArray;
};
