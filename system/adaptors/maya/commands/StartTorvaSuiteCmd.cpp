#include "system/adaptors/maya/commands/StartTorvaSuiteCmd.h"

#include "core/CoreImplementation.h"
#include "core/ResultCodes.h"
#include "system/adaptors/maya/MayaAdaptorInterface.h"

#include <maya/MString.h>

namespace vex::orb::adaptor::maya {

MStatus StartTorvaSuiteCmd::doIt(const MArgList& args) {
    (void)args;
    core::CoreImplementation* running = Core();
    if (running == nullptr) return MS::kFailure;
    const int result = running->ShowMainWindow(Adaptor().getMainWindow());
    if (result == core::kMainWindowUnavailable)
        displayWarning(
            "The Torva Suite main window needs an interactive session; in batch mode use the Torva "
            "commands.");
    return MS::kSuccess;
}

} // namespace vex::orb::adaptor::maya
