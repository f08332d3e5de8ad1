#include "core/dedidavazi/Constant.h"

#include "core/dedidavazi/DataText.h"
#include "util/xml/Data.h"

namespace vex::orb::core::DediDavazi_Default {

void Constant::Load(const util::xml::Element& element) {
    value_ = ReadDouble(DataText(element));
}

void Constant::toXml(util::xml::Element& element) const {
    WriteOperands(element, 0);
    element.AddChild(util::xml::Data(FormatDouble(value_)));
}

} // namespace vex::orb::core::DediDavazi_Default
