#include "platform/win32/Hooks.h"

#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cstdint>
#include <map>
#include <memory>
#include <mutex>
#include <vector>

namespace vex::platform::win32 {

namespace {

struct Hook {
    HHOOK handle;
    HOOKPROC procedure;
    DWORD thread;
    std::atomic<bool> removed{false};
};

using Chain = std::vector<std::shared_ptr<Hook>>; // newest first

struct Registry {
    std::mutex mutex;
    std::map<DWORD, Chain> chains;
    std::map<HHOOK, std::shared_ptr<Hook>> installed;
    std::uintptr_t lastHandle = 0;
};

Registry& GetRegistry() {
    static Registry registry;
    return registry;
}

// One running pass over a chain: the chain as it was when the key arrived (so removals during the
// pass cannot shift positions) and the position of the hook being called.
struct Pass {
    Chain hooks;
    std::size_t current = kNone;
    static constexpr std::size_t kNone = static_cast<std::size_t>(-1);
};

// The passes under way on this thread, innermost last (a hook may dispatch another key).
thread_local std::vector<Pass*> passes;

Chain SnapshotOfCurrentThread() {
    Registry& registry = GetRegistry();
    std::lock_guard lock(registry.mutex);
    const auto found = registry.chains.find(GetCurrentThreadId());
    return found != registry.chains.end() ? found->second : Chain{};
}

std::size_t PositionOf(const Chain& hooks, HHOOK hook) {
    for (std::size_t i = 0; i < hooks.size(); ++i) {
        if (hooks[i]->handle == hook) return i;
    }
    return Pass::kNone;
}

// Calls the first hook at or after `from` that is still installed; 0 when there is none.
LRESULT CallFrom(Pass& pass, std::size_t from, int code, WPARAM wParam, LPARAM lParam) {
    for (std::size_t i = from; i < pass.hooks.size(); ++i) {
        const Hook& hook = *pass.hooks[i];
        if (hook.removed.load()) continue;
        const std::size_t caller = pass.current;
        pass.current = i;
        const LRESULT result = hook.procedure(code, wParam, lParam);
        pass.current = caller;
        return result;
    }
    return 0;
}

class ActivePass {
public:
    explicit ActivePass(Chain hooks) {
        pass_.hooks = std::move(hooks);
        passes.push_back(&pass_);
    }
    ~ActivePass() { passes.pop_back(); }
    ActivePass(const ActivePass&) = delete;
    ActivePass& operator=(const ActivePass&) = delete;
    Pass& Get() { return pass_; }

private:
    Pass pass_;
};

} // namespace

DWORD GetCurrentThreadId() {
    thread_local const DWORD id = static_cast<DWORD>(gettid());
    return id;
}

HHOOK SetWindowsHookEx(int hookType, HOOKPROC procedure, HINSTANCE, DWORD threadId) {
    if (hookType != WH_KEYBOARD) {
        SetLastError(ERROR_INVALID_HOOK_FILTER);
        return nullptr;
    }
    if (procedure == nullptr) {
        SetLastError(ERROR_INVALID_FILTER_PROC);
        return nullptr;
    }
    if (threadId == 0) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    Registry& registry = GetRegistry();
    std::lock_guard lock(registry.mutex);
    auto hook = std::make_shared<Hook>();
    hook->handle = reinterpret_cast<HHOOK>(++registry.lastHandle);
    hook->procedure = procedure;
    hook->thread = threadId;
    Chain& chain = registry.chains[threadId];
    chain.insert(chain.begin(), hook);
    registry.installed.emplace(hook->handle, hook);
    return hook->handle;
}

BOOL UnhookWindowsHookEx(HHOOK hook) {
    Registry& registry = GetRegistry();
    std::lock_guard lock(registry.mutex);
    const auto found = registry.installed.find(hook);
    if (found == registry.installed.end()) {
        SetLastError(ERROR_INVALID_HOOK_HANDLE);
        return FALSE;
    }
    const std::shared_ptr<Hook> removed = found->second;
    removed->removed.store(true);
    registry.installed.erase(found);
    Chain& chain = registry.chains[removed->thread];
    std::erase(chain, removed);
    if (chain.empty()) registry.chains.erase(removed->thread);
    return TRUE;
}

LRESULT CallNextHookEx(HHOOK hook, int code, WPARAM wParam, LPARAM lParam) {
    if (passes.empty()) {
        // Called outside a dispatch: go on from the given hook in the chain as it stands.
        ActivePass pass(SnapshotOfCurrentThread());
        const std::size_t at = PositionOf(pass.Get().hooks, hook);
        if (at == Pass::kNone) return 0;
        return CallFrom(pass.Get(), at + 1, code, wParam, lParam);
    }
    Pass& pass = *passes.back();
    std::size_t at = PositionOf(pass.hooks, hook);
    if (at == Pass::kNone) at = pass.current;
    return CallFrom(pass, at == Pass::kNone ? 0 : at + 1, code, wParam, lParam);
}

bool DispatchKeyboardEvent(int virtualKey, LPARAM keyData) {
    ActivePass pass(SnapshotOfCurrentThread());
    return CallFrom(pass.Get(), 0, HC_ACTION, static_cast<WPARAM>(virtualKey), keyData) != 0;
}

LPARAM MakeKeyData(bool down, bool alt, int repeat, bool wasDown) {
    LPARAM data = static_cast<LPARAM>(repeat) & kKeyDataRepeatMask;
    if (alt) data |= kKeyDataAlt;
    if (!down || wasDown) data |= kKeyDataWasDown;
    if (!down) data |= kKeyDataUp;
    return data;
}

} // namespace vex::platform::win32
