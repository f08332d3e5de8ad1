#include "system/adaptors/maya/Shelf.h"

#include "system/adaptors/maya/MelText.h"

#include <algorithm>

namespace vex::orb::adaptor::maya {

std::string Shelf::CreateMel(const std::string& icon) {
    std::string image = icon;
    std::replace(image.begin(), image.end(), '\\', '/');
    // Maya's shelf cells are 34 pixels square; the button fills one.
    return "global string $gShelfTopLevel;\n"
           "string $tabName = " +
           MelText::Quote(kName) +
           ";\n"
           "if (`layout -exists $gShelfTopLevel` && !`layout -exists $tabName`) {\n"
           "    addNewShelfTab $tabName;\n"
           "    shelfTabLayout -edit -selectTab $tabName $gShelfTopLevel;\n"
           "    string $ShowInterfaceIcon = " +
           MelText::Quote(image) +
           ";\n"
           "    shelfButton -enableCommandRepeat 1 -enable 1 -width 34 -height 34 -manage 1 -visible 1\n"
           "        -marginWidth 0 -marginHeight 0 -command \"TorvaShowUICmd\" -label \"Start Torva Suite\"\n"
           "        -annotation \"Start Torva Suite\" -image $ShowInterfaceIcon -image1 $ShowInterfaceIcon\n"
           "        -style \"iconOnly\";\n"
           "}\n";
}

std::string Shelf::DeleteMel() {
    const std::string name = MelText::Quote(kName);
    return "if (`layout -exists " + name + "`) deleteShelfTab " + name + ";\n";
}

} // namespace vex::orb::adaptor::maya
