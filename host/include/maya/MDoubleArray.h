#pragma once

#include <maya/MArray.h>

/// An array of doubles.
class MDoubleArray : public MArray<double> {
public:
    using MArray<double>::MArray;
};
