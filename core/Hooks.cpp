#include "core/Hooks.h"

#include <algorithm>

namespace vex::orb::core {

namespace win32 = platform::win32;

Hooks::~Hooks() {
    if (hook_ != nullptr) win32::UnhookWindowsHookEx(hook_);
}

bool Hooks::Install() {
    if (installCount_ == 0) {
        hook_ = win32::SetWindowsHookEx(win32::WH_KEYBOARD, &Hooks::HookProcedure, nullptr,
                                        win32::GetCurrentThreadId());
        if (hook_ == nullptr) return false;
    }
    ++installCount_;
    return true;
}

void Hooks::Release() {
    if (installCount_ == 0) return;
    if (--installCount_ > 0) return;
    win32::UnhookWindowsHookEx(hook_);
    hook_ = nullptr;
}

void Hooks::AddCallback(KeyEventCallback* callback) {
    if (callback != nullptr) callbacks_.push_back(callback);
}

void Hooks::RemoveCallback(KeyEventCallback* callback) {
    std::erase(callbacks_, callback);
}

void Hooks::SetKeyPassThrough(const PassThroughList& list) {
    passThrough_.resize(kTableSize, kNotListed);
    // The keyboard device (the hook device of the input layer) is told each key here once it exists.
    for (const auto& [key, conditions] : list) {
        if (key < 0 || key >= kTableSize) continue;
        passThrough_[static_cast<std::size_t>(key)] =
            static_cast<uint32_t>(key) | (conditions & (kPassWithCtrl | kPassWithAlt | kPassWithShift));
    }
}

uint64_t Hooks::GetKeyPassThrough(int key) const {
    if (key < 0 || static_cast<std::size_t>(key) >= passThrough_.size()) return kNotListed;
    return passThrough_[static_cast<std::size_t>(key)];
}

win32::LRESULT Hooks::HookProcedure(int code, win32::WPARAM wParam, win32::LPARAM lParam) {
    if (!Exists()) return win32::CallNextHookEx(nullptr, code, wParam, lParam);
    return Instance().Process(code, wParam, lParam);
}

win32::LRESULT Hooks::Process(int code, win32::WPARAM wParam, win32::LPARAM lParam) {
    if (code < 0 || !capturingKeys_ || (code != win32::HC_ACTION && code != win32::HC_NOREMOVE)) {
        return win32::CallNextHookEx(hook_, code, wParam, lParam);
    }
    const int key = static_cast<int>(wParam);
    const bool down = (lParam & win32::kKeyDataUp) == 0;
    if (key == win32::VK_SHIFT) shiftDown_ = down;
    if (key == win32::VK_CONTROL) ctrlDown_ = down;
    const bool alt = (lParam & win32::kKeyDataAlt) != 0;

    if (PassesThrough(key, alt)) return win32::CallNextHookEx(hook_, code, wParam, lParam);

    // A callback may add or remove callbacks: serve the list as it was when the key arrived, without
    // those removed meanwhile.
    const std::vector<KeyEventCallback*> callbacks = callbacks_;
    for (KeyEventCallback* callback : callbacks) {
        if (std::find(callbacks_.begin(), callbacks_.end(), callback) == callbacks_.end()) continue;
        callback->OnKeyEvent(key, down, ctrlDown_, alt, shiftDown_);
    }
    return 1;
}

bool Hooks::PassesThrough(int key, bool alt) const {
    const uint64_t entry = GetKeyPassThrough(key);
    if ((entry & kNotListed) == kNotListed) return false;
    if ((entry & kPassWithCtrl) != 0 && !ctrlDown_) return false;
    if ((entry & kPassWithAlt) != 0 && !alt) return false;
    if ((entry & kPassWithShift) != 0 && !shiftDown_) return false;
    return true;
}

} // namespace vex::orb::core
