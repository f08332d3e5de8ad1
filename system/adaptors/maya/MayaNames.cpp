#include "system/adaptors/maya/MayaNames.h"

namespace vex::orb::adaptor::maya {

std::string MayaNames::Legal(const std::string& name) {
    std::string legal;
    for (const char c : name) {
        const bool letter = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
        const bool digit = c >= '0' && c <= '9';
        legal += letter || digit || c == '_' ? c : '_';
    }
    if (!legal.empty() && legal[0] >= '0' && legal[0] <= '9') legal.insert(legal.begin(), '_');
    return legal;
}

} // namespace vex::orb::adaptor::maya
