#include "core/dedidavazi/Constant.h"

#include "core/dedidavazi/DataText.h"
#include "util/xml/Data.h"

namespace vex::orb::core::DediDavazi_Default {

void Constant::load(const util::xml::Element& element) {
    value_ = readDouble(dataText(element));
}

void Constant::toXml(util::xml::Element& element) const {
    writeOperands(element, 0);
    element.AddChild(util::xml::Data(formatDouble(value_)));
}

} // namespace vex::orb::core::DediDavazi_Default
