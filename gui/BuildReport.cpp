#include "gui/BuildReport.h"

#include "util/xml/Status.h"

namespace vex::gui {

std::string BuildReport::Message() const {
    if (xmlStatus != 0) {
        return "The layout \"" + path +
               "\" cannot be used: " + std::string(util::xml::StatusMessage(xmlStatus)) + ".";
    }
    if (unknownElements.empty()) return {};
    std::string names;
    for (const std::string& name : unknownElements) names += (names.empty() ? "\"" : ", \"") + name + "\"";
    return "The layout " + (path.empty() ? std::string() : "\"" + path + "\" ") +
           "holds elements that are not components: " + names + ".";
}

} // namespace vex::gui
