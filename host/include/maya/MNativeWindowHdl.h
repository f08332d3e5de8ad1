#pragma once

/// Native handle of a host window: on Linux an X11 window id (the X `Window` type, an unsigned long).
typedef unsigned long MNativeWindowHdl;
