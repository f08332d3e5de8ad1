#pragma once

#include <maya/MFn.h>

/// The name of a type constant as the API spells it ("kTransform"); "kInvalid" for a value out of range.
const char* apiTypeName(MFn::Type type);
