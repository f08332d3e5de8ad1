#pragma once

#include <maya/MArray.h>
#include <maya/MTime.h>

/// An array of times.
class MTimeArray : public MArray<MTime> {
public:
    using MArray<MTime>::MArray;
};
