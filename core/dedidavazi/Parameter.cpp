#include "core/dedidavazi/Parameter.h"

#include "core/dedidavazi/DataText.h"
#include "util/xml/Data.h"

namespace vex::orb::core::DediDavazi_Default {

void Parameter::Load(const util::xml::Element& element) {
    index_ = ReadInt(DataText(element));
}

void Parameter::toXml(util::xml::Element& element) const {
    WriteOperands(element, 0);
    element.AddChild(util::xml::Data(index_));
}

} // namespace vex::orb::core::DediDavazi_Default
