#pragma once

// Native window and module instance handles. Both are opaque: this layer never looks inside them;
// the GUI maps a handle to its own window object.

namespace vex::platform::win32 {

struct HWND__;
/// A native window. Null means "no window" (for a message box: no owner).
using HWND = HWND__*;

struct HINSTANCE__;
/// A loaded module (program or shared library); Modules.h hands these out.
using HINSTANCE = HINSTANCE__*;

} // namespace vex::platform::win32
