#pragma once

#include <maya/MFn.h>

#include <span>

/// A type constant and its name as the API spells it.
struct ApiTypeEntry {
    MFn::Type type;
    const char* name;
};

/// Every type constant this host declares, in the order of their numbers.
std::span<const ApiTypeEntry> apiTypeEntries();

/// The name of a type constant as the API spells it ("kTransform"); "kInvalid" for a value out of range.
const char* apiTypeName(MFn::Type type);
