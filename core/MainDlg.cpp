#include "core/MainDlg.h"

#include "core/ResultCodes.h"

namespace vex::orb::core {

int MainDlg::ShowMainWindow(void* parent) {
    (void)parent;
    if (IsMainWindowOpen()) return kMainWindowAlreadyOpen;
    return kMainWindowUnavailable;
}

int MainDlg::CloseMainWindow() {
    if (!IsMainWindowOpen()) return kMainWindowNotOpen;
    return kOk;
}

} // namespace vex::orb::core
