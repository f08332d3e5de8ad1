#include "system/adaptors/maya/StorageAttributes.h"

#include <maya/MFnNumericAttribute.h>
#include <maya/MFnTypedAttribute.h>

namespace vex::orb::adaptor::maya {

MObject StorageAttributes::Hidden(const char* longName, const char* shortName, MFnData::Type type) {
    MFnTypedAttribute typed;
    MObject attribute = typed.create(longName, shortName, type);
    typed.setStorable(true);
    typed.setHidden(true);
    return attribute;
}

MObject StorageAttributes::HiddenInt(const char* longName, const char* shortName) {
    MFnNumericAttribute numeric;
    MObject attribute = numeric.create(longName, shortName, MFnNumericData::kInt);
    numeric.setStorable(true);
    numeric.setHidden(true);
    return attribute;
}

} // namespace vex::orb::adaptor::maya
