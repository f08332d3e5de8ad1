#include "system/adaptors/maya/MelText.h"

#include <maya/MAnimUtil.h>
#include <maya/MFnDependencyNode.h>
#include <maya/MObjectArray.h>
#include <maya/MPlug.h>

namespace vex::orb::adaptor::maya {

std::string MelText::Quote(const std::string& text) {
    std::string quoted = "\"";
    for (const char c : text) {
        switch (c) {
        case '"':
            quoted += "\\\"";
            break;
        case '\\':
            quoted += "\\\\";
            break;
        case '\n':
            quoted += "\\n";
            break;
        case '\r':
            quoted += "\\r";
            break;
        case '\t':
            quoted += "\\t";
            break;
        default:
            quoted += c;
        }
    }
    return quoted + "\"";
}

MString MelText::FilterCurve(const MDagPath& transform) {
    const MFnDependencyNode node(transform.node());
    std::string curves;
    for (const char* channel : {"rz", "ry", "rx"}) {
        MObjectArray animation;
        if (!MAnimUtil::findAnimation(node.findPlug(channel), animation) || animation.length() == 0) continue;
        curves += " " + std::string(MFnDependencyNode(animation[0]).name().asChar());
    }
    if (curves.empty()) return MString();
    return MString(("filterCurve" + curves + ";").c_str());
}

MString MelText::ConfirmDialog(const std::string& title, const std::string& message) {
    return MString(
        ("confirmDialog -title " + Quote(title) + " -message " + Quote(message) + " -button \"Ok\";")
            .c_str());
}

} // namespace vex::orb::adaptor::maya
