#pragma once

// Windows keyboard hooks. Each thread has its own chain of WH_KEYBOARD hooks; the host window hands
// every key event of its thread to DispatchKeyboardEvent, which calls the chain newest hook first.
// A hook passes the key on with CallNextHookEx and returns that call's result, or returns non-zero
// to swallow the key so the host never sees it. Hooks may be added or removed at any time, also from
// inside a hook call: a hook removed while a call is under way is not called any more, and a hook
// added during a call is first called for the next key.

#include "platform/win32/Errors.h"
#include "platform/win32/Types.h"
#include "platform/win32/Window.h"

namespace vex::platform::win32 {

struct HHOOK__;
/// An installed hook.
using HHOOK = HHOOK__*;

/// A hook procedure: (code, virtual-key code, key data) → 0 to let the host have the key.
using HOOKPROC = LRESULT (*)(int code, WPARAM wParam, LPARAM lParam);

/// The only hook type supported.
inline constexpr int WH_KEYBOARD = 2;

// Hook codes: a key is being taken from the queue / only looked at.
inline constexpr int HC_ACTION = 0;
inline constexpr int HC_NOREMOVE = 3;

// Key-data bits of a keyboard hook call (the low 16 bits are the repeat count).
inline constexpr LPARAM kKeyDataAlt = LPARAM{1} << 29;
inline constexpr LPARAM kKeyDataWasDown = LPARAM{1} << 30;
inline constexpr LPARAM kKeyDataUp = LPARAM{1} << 31;
inline constexpr LPARAM kKeyDataRepeatMask = 0xFFFF;

// Virtual-key codes the system uses; the letters are their upper-case characters 'A'..'Z'.
inline constexpr int VK_SHIFT = 0x10;
inline constexpr int VK_CONTROL = 0x11;
inline constexpr int VK_MENU = 0x12; // Alt
inline constexpr int VK_ESCAPE = 0x1B;
inline constexpr int VK_SPACE = 0x20;

/// The calling thread's id (the operating system's thread id); never 0.
DWORD GetCurrentThreadId();

/// Installs `procedure` at the head of thread `threadId`'s WH_KEYBOARD chain. `module` is accepted
/// and ignored. Null on failure: ERROR_INVALID_HOOK_FILTER for another hook type,
/// ERROR_INVALID_FILTER_PROC for a null procedure, ERROR_INVALID_PARAMETER for thread 0 (hooks for
/// all threads are not supported).
HHOOK SetWindowsHookEx(int hookType, HOOKPROC procedure, HINSTANCE module, DWORD threadId);

/// Removes an installed hook; FALSE with ERROR_INVALID_HOOK_HANDLE when it is not installed.
BOOL UnhookWindowsHookEx(HHOOK hook);

/// Calls the hook after `hook` in the current thread's chain with the same arguments and returns its
/// result; 0 at the end of the chain (the host then processes the key). `hook` may be null, or
/// already removed, inside a hook call: the call then goes on from the hook now running.
LRESULT CallNextHookEx(HHOOK hook, int code, WPARAM wParam, LPARAM lParam);

/// The host side: runs the current thread's chain for one key event with code HC_ACTION and returns
/// true when the key is swallowed (the first hook answered non-zero). No hooks: false.
bool DispatchKeyboardEvent(int virtualKey, LPARAM keyData);

/// The key data Windows passes with a key event: the repeat count in bits 0-15, bit 29 when Alt is
/// held, bit 30 when the key was down before (always for a release, for a press only when it is an
/// auto-repeat, `wasDown`), bit 31 when the key is going up.
LPARAM MakeKeyData(bool down, bool alt, int repeat = 1, bool wasDown = false);

} // namespace vex::platform::win32
