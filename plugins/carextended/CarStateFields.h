#pragma once

#include "plugins/carextended/CarStateRecord.h"
#include "plugins/common/RecordField.h"

#include <vector>

namespace vex::orb::addon {

/// The saved-state fields of `record`: one animated variable per field of CarState under its key
/// (the wheels' in the sub-record "wheelstore", one child per wheel), plus the keys whose quantity the
/// model does not have, written with their neutral value. `record` must outlive the fields.
std::vector<RecordField> CarStateFields(CarStateRecord& record);

} // namespace vex::orb::addon
