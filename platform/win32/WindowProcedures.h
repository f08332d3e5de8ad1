#pragma once

// Native windows as far as the system uses them: hidden message windows of a registered class, the
// window procedure each one runs, subclassing (replacing a window's procedure and calling the old
// one), sending a message, and the active and focus windows. Windows live in an in-process table; a
// handle the table does not know (a window of the host) is taken in by SetWindowLongPtr with the
// default procedure as its own, so the host's windows can be subclassed too. Messages are sent, never
// posted: SendMessage calls the window's current procedure at once.

#include "platform/win32/Errors.h"
#include "platform/win32/Types.h"
#include "platform/win32/Window.h"

#include <cstdint>

namespace vex::platform::win32 {

using LONG_PTR = std::intptr_t;
using ATOM = WORD;

/// A window procedure: (window, message, wParam, lParam) → the message's result.
using WNDPROC = LRESULT (*)(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

/// SetWindowLongPtr/GetWindowLongPtr slot of the window procedure.
inline constexpr int GWLP_WNDPROC = -4;

/// First message number RegisterWindowMessage hands out.
inline constexpr UINT kFirstRegisteredMessage = 0xC000;

inline constexpr DWORD ERROR_INVALID_WINDOW_HANDLE = 1400;
inline constexpr DWORD ERROR_CANNOT_FIND_WND_CLASS = 1407;
inline constexpr DWORD ERROR_CLASS_ALREADY_EXISTS = 1410;

/// A window class: the procedure its windows start with and its name; the other fields are kept
/// for the shape of the call and ignored.
struct WNDCLASSA {
    UINT style = 0;
    WNDPROC lpfnWndProc = nullptr;
    int cbClsExtra = 0;
    int cbWndExtra = 0;
    HINSTANCE hInstance = nullptr;
    HANDLE hIcon = nullptr;
    HANDLE hCursor = nullptr;
    HANDLE hbrBackground = nullptr;
    const char* lpszMenuName = nullptr;
    const char* lpszClassName = nullptr;
};

/// Registers a class; 0 with ERROR_CLASS_ALREADY_EXISTS when the name is taken, or
/// ERROR_INVALID_PARAMETER without a name or procedure.
ATOM RegisterClassA(const WNDCLASSA* windowClass);

/// Forgets a class; its windows keep their procedures. FALSE with ERROR_CANNOT_FIND_WND_CLASS.
BOOL UnregisterClassA(const char* className, HINSTANCE instance);

/// Creates a window of a registered class (never shown: the system only uses message windows).
/// Null with ERROR_CANNOT_FIND_WND_CLASS for an unknown class. Position, size, styles, parent, menu
/// and creation parameter are accepted and ignored.
HWND CreateWindowExA(DWORD exStyle, const char* className, const char* windowName, DWORD style, int x, int y,
                     int width, int height, HWND parent, HANDLE menu, HINSTANCE instance, void* param);

/// Destroys a window; it is no longer active or focused. FALSE with ERROR_INVALID_WINDOW_HANDLE.
BOOL DestroyWindow(HWND window);

/// Whether the table holds the window.
BOOL IsWindow(HWND window);

/// The procedure of messages nobody handles: 0.
LRESULT DefWindowProcA(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

/// Replaces the window's procedure (index GWLP_WNDPROC, value a WNDPROC) and returns the former one.
/// 0 with ERROR_INVALID_PARAMETER for another index or a null procedure, or
/// ERROR_INVALID_WINDOW_HANDLE for a null window.
LONG_PTR SetWindowLongPtrA(HWND window, int index, LONG_PTR value);

/// The window's procedure (index GWLP_WNDPROC); 0 with an error as SetWindowLongPtrA.
LONG_PTR GetWindowLongPtrA(HWND window, int index);

/// Calls `procedure` with the message; how a subclass hands a message on to the former procedure.
/// A null procedure gives 0.
LRESULT CallWindowProcA(WNDPROC procedure, HWND window, UINT message, WPARAM wParam, LPARAM lParam);

/// Calls the window's current procedure with the message and returns its result; 0 for a window
/// the table does not hold.
LRESULT SendMessageA(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

/// A message number for `name`, the same for the same name, from kFirstRegisteredMessage up; 0 for
/// a null or empty name.
UINT RegisterWindowMessageA(const char* name);

/// Makes `window` the active window and returns the former one (null if none).
HWND SetActiveWindow(HWND window);
/// The active window, or null.
HWND GetActiveWindow();
/// Gives `window` the keyboard focus (null: nobody) and returns the former focus window.
HWND SetFocus(HWND window);
/// The window with the keyboard focus, or null.
HWND GetFocus();

} // namespace vex::platform::win32
