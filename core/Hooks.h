#pragma once

#include "platform/win32/Hooks.h"
#include "util/Singleton.h"

#include <cstdint>
#include <utility>
#include <vector>

namespace vex::orb::core {

/// The keyboard hook of the host's main thread. While a recording runs (capturingKeys) it takes
/// every key event away from the host and hands it to the registered callbacks, except the keys
/// the pass-through table lets through; otherwise every key goes on to the host untouched.
class Hooks : public util::Singleton<Hooks> {
public:
    /// Receives the key events the hook captures.
    class KeyEventCallback {
    public:
        /// One key event: the virtual-key code, whether it goes down, and the modifier states.
        virtual void OnKeyEvent(int key, bool down, bool ctrl, bool alt, bool shift) = 0;
        virtual ~KeyEventCallback() = default;
    };

    /// Condition bits of a pass-through entry: the key passes only while the modifier is held.
    static constexpr uint64_t kPassWithCtrl = uint64_t{1} << 32;
    static constexpr uint64_t kPassWithAlt = uint64_t{1} << 33;
    static constexpr uint64_t kPassWithShift = uint64_t{1} << 34;
    /// The low half of an entry that lists no key.
    static constexpr uint64_t kNotListed = 0xFFFFFFFFu;
    /// Entries of the pass-through table, one per virtual-key code.
    static constexpr int kTableSize = 256;

    /// (virtual-key code, condition bits) pairs for SetKeyPassThrough.
    using PassThroughList = std::vector<std::pair<int, uint64_t>>;

    /// Installs the hook for the calling thread, or only counts another user when it is installed.
    /// False when the hook cannot be installed.
    bool Install();
    /// Drops one user; the hook is removed when the last one is gone. Nothing when not installed.
    void Release();
    /// Number of users of the installed hook (0: not installed).
    int GetInstallCount() const { return installCount_; }

    /// Appends a callback; callbacks are called in the order they were added.
    void AddCallback(KeyEventCallback* callback);
    /// Removes every registration of `callback`.
    void RemoveCallback(KeyEventCallback* callback);
    /// Number of registered callbacks.
    std::size_t GetCallbackCount() const { return callbacks_.size(); }

    /// Starts or stops taking keys away from the host.
    void SetCapturingKeys(bool capturing) { capturingKeys_ = capturing; }
    /// Whether keys are being taken away from the host.
    bool IsCapturingKeys() const { return capturingKeys_; }

    /// Grows the table to kTableSize entries (new entries list no key) and stores each pair at its
    /// key's index as key | conditions. Entries not named by `list` keep what they held; keys
    /// outside 0..255 are ignored.
    void SetKeyPassThrough(const PassThroughList& list);
    /// The table entry of `key`: kNotListed when the table does not list it.
    uint64_t GetKeyPassThrough(int key) const;

    /// The hook procedure as the thread's hook chain calls it.
    static platform::win32::LRESULT HookProcedure(int code, platform::win32::WPARAM wParam,
                                                  platform::win32::LPARAM lParam);

private:
    friend class util::Singleton<Hooks>;
    Hooks() = default;
    ~Hooks();

    platform::win32::LRESULT Process(int code, platform::win32::WPARAM wParam,
                                     platform::win32::LPARAM lParam);
    bool PassesThrough(int key, bool alt) const;

    platform::win32::HHOOK hook_ = nullptr;
    int installCount_ = 0;
    std::vector<KeyEventCallback*> callbacks_;
    bool capturingKeys_ = false;
    std::vector<uint64_t> passThrough_;
    bool ctrlDown_ = false;
    bool shiftDown_ = false;
};

} // namespace vex::orb::core
