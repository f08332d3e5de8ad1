#include "platform/win32/WindowProcedures.h"

#include <map>
#include <mutex>
#include <string>

namespace vex::platform::win32 {

namespace {

struct Windows {
    std::mutex mutex;
    std::map<std::string, WNDPROC> classes;
    std::map<HWND, WNDPROC> procedures;
    std::map<std::string, UINT> messages;
    std::uintptr_t lastHandle = 0;
    HWND active = nullptr;
    HWND focus = nullptr;
};

Windows& GetWindows() {
    static Windows windows;
    return windows;
}

} // namespace

ATOM RegisterClassA(const WNDCLASSA* windowClass) {
    if (windowClass == nullptr || windowClass->lpszClassName == nullptr ||
        windowClass->lpfnWndProc == nullptr) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    Windows& windows = GetWindows();
    std::lock_guard lock(windows.mutex);
    if (!windows.classes.emplace(windowClass->lpszClassName, windowClass->lpfnWndProc).second) {
        SetLastError(ERROR_CLASS_ALREADY_EXISTS);
        return 0;
    }
    return static_cast<ATOM>(windows.classes.size());
}

BOOL UnregisterClassA(const char* className, HINSTANCE) {
    Windows& windows = GetWindows();
    std::lock_guard lock(windows.mutex);
    if (className == nullptr || windows.classes.erase(className) == 0) {
        SetLastError(ERROR_CANNOT_FIND_WND_CLASS);
        return FALSE;
    }
    return TRUE;
}

HWND CreateWindowExA(DWORD, const char* className, const char*, DWORD, int, int, int, int, HWND, HANDLE,
                     HINSTANCE, void*) {
    Windows& windows = GetWindows();
    std::lock_guard lock(windows.mutex);
    const auto found = className != nullptr ? windows.classes.find(className) : windows.classes.end();
    if (found == windows.classes.end()) {
        SetLastError(ERROR_CANNOT_FIND_WND_CLASS);
        return nullptr;
    }
    // Odd handle values keep created windows apart from the pointers the host hands in.
    windows.lastHandle += 2;
    const HWND window = reinterpret_cast<HWND>(windows.lastHandle | 1);
    windows.procedures[window] = found->second;
    return window;
}

BOOL DestroyWindow(HWND window) {
    Windows& windows = GetWindows();
    std::lock_guard lock(windows.mutex);
    if (windows.procedures.erase(window) == 0) {
        SetLastError(ERROR_INVALID_WINDOW_HANDLE);
        return FALSE;
    }
    if (windows.active == window) windows.active = nullptr;
    if (windows.focus == window) windows.focus = nullptr;
    return TRUE;
}

BOOL IsWindow(HWND window) {
    Windows& windows = GetWindows();
    std::lock_guard lock(windows.mutex);
    return windows.procedures.count(window) != 0 ? TRUE : FALSE;
}

LRESULT DefWindowProcA(HWND, UINT, WPARAM, LPARAM) {
    return 0;
}

LONG_PTR SetWindowLongPtrA(HWND window, int index, LONG_PTR value) {
    if (window == nullptr) {
        SetLastError(ERROR_INVALID_WINDOW_HANDLE);
        return 0;
    }
    if (index != GWLP_WNDPROC || value == 0) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    Windows& windows = GetWindows();
    std::lock_guard lock(windows.mutex);
    // A window of the host comes in with the default procedure as its own.
    auto [entry, added] = windows.procedures.try_emplace(window, &DefWindowProcA);
    (void)added;
    const WNDPROC former = entry->second;
    entry->second = reinterpret_cast<WNDPROC>(value);
    return reinterpret_cast<LONG_PTR>(former);
}

LONG_PTR GetWindowLongPtrA(HWND window, int index) {
    if (index != GWLP_WNDPROC) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    Windows& windows = GetWindows();
    std::lock_guard lock(windows.mutex);
    const auto found = windows.procedures.find(window);
    if (found == windows.procedures.end()) {
        SetLastError(ERROR_INVALID_WINDOW_HANDLE);
        return 0;
    }
    return reinterpret_cast<LONG_PTR>(found->second);
}

LRESULT CallWindowProcA(WNDPROC procedure, HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return procedure != nullptr ? procedure(window, message, wParam, lParam) : 0;
}

LRESULT SendMessageA(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    WNDPROC procedure = nullptr;
    {
        Windows& windows = GetWindows();
        std::lock_guard lock(windows.mutex);
        const auto found = windows.procedures.find(window);
        if (found == windows.procedures.end()) return 0;
        procedure = found->second;
    }
    // Called unlocked: the procedure may send further messages or subclass windows.
    return procedure(window, message, wParam, lParam);
}

UINT RegisterWindowMessageA(const char* name) {
    if (name == nullptr || *name == '\0') return 0;
    Windows& windows = GetWindows();
    std::lock_guard lock(windows.mutex);
    const auto [entry, added] = windows.messages.try_emplace(
        name, kFirstRegisteredMessage + static_cast<UINT>(windows.messages.size()));
    (void)added;
    return entry->second;
}

HWND SetActiveWindow(HWND window) {
    Windows& windows = GetWindows();
    std::lock_guard lock(windows.mutex);
    const HWND former = windows.active;
    windows.active = window;
    return former;
}

HWND GetActiveWindow() {
    Windows& windows = GetWindows();
    std::lock_guard lock(windows.mutex);
    return windows.active;
}

HWND SetFocus(HWND window) {
    Windows& windows = GetWindows();
    std::lock_guard lock(windows.mutex);
    const HWND former = windows.focus;
    windows.focus = window;
    return former;
}

HWND GetFocus() {
    Windows& windows = GetWindows();
    std::lock_guard lock(windows.mutex);
    return windows.focus;
}

} // namespace vex::platform::win32
