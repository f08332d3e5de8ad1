#include "platform/wintab/Wintab.h"

namespace vex::platform::wintab {

namespace {

// No tablet backend on this platform: no information, no context, no packets.
UINT NoTabletInfo(UINT, UINT, void*) {
    return 0;
}

HCTX NoTabletOpen(HWND, LOGCONTEXTA*, BOOL) {
    return nullptr;
}

BOOL NoTabletClose(HCTX) {
    return win32::FALSE;
}

BOOL NoTabletPacket(HCTX, UINT, void*) {
    return win32::FALSE;
}

} // namespace

WintabFunctions LoadWintab() {
    WintabFunctions functions;
    functions.WTInfoA = &NoTabletInfo;
    functions.WTOpenA = &NoTabletOpen;
    functions.WTClose = &NoTabletClose;
    functions.WTPacket = &NoTabletPacket;
    return functions;
}

} // namespace vex::platform::wintab
