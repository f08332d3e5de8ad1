#pragma once

#include <maya/MArray.h>
#include <maya/MDagPath.h>

/// An ordered list of DAG paths.
class MDagPathArray : public MArray<MDagPath> {
public:
    using MArray<MDagPath>::MArray;
};
