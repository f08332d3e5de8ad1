#pragma once

#include <maya/MArray.h>

/// An array of integers.
class MIntArray : public MArray<int> {
public:
    using MArray<int>::MArray;
};
