#pragma once

#include <maya/MFnData.h>
#include <maya/MObject.h>

namespace vex::orb::adaptor::maya {

/// The attributes of the storage node types: typed, storable and hidden.
class StorageAttributes {
public:
    /// A new typed attribute of `type` with those settings.
    static MObject Hidden(const char* longName, const char* shortName, MFnData::Type type);
    /// A new 32-bit integer attribute with those settings.
    static MObject HiddenInt(const char* longName, const char* shortName);
};

} // namespace vex::orb::adaptor::maya
