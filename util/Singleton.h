#pragma once

#include <cstdio>
#include <exception>

namespace vex::util {

/// Marks `T` as a process-wide single object, created on first use. `T` derives from
/// Singleton<T> and, when its constructor is not public, befriends Singleton<T>.
///
/// The object is destroyed at static destruction, in the place a function-local static created at
/// the same moment would take: objects whose construction finished later are destroyed earlier.
/// DestroyInstance ends it early (tests, or a module that must tear down in a fixed order); the
/// next Instance() then creates a fresh one. Everything runs on one thread; nothing is locked.
template <typename T>
class Singleton {
public:
    /// The object, created now if it does not exist. Must not be called from T's own constructor or
    /// destructor: that is a programming error and ends the process.
    static T& Instance() {
        if (instance_ == nullptr) {
            if (busy_) {
                std::fputs("Singleton: Instance() called while the object is made or destroyed\n", stderr);
                std::terminate();
            }
            T* created = nullptr;
            {
                Busy busy;
                created = new T;
            }
            instance_ = created;
            static Destroyer destroyer; // registered once the first object is complete
        }
        return *instance_;
    }

    /// Whether the object exists; false while its constructor or destructor runs. Safe at any time,
    /// also during static destruction.
    static bool Exists() { return instance_ != nullptr; }

    /// Destroys the object now, if it exists.
    static void DestroyInstance() {
        T* doomed = instance_;
        if (doomed == nullptr) return;
        instance_ = nullptr;
        Busy busy;
        delete doomed;
    }

protected:
    Singleton() = default;
    ~Singleton() = default;

private:
    struct Destroyer {
        ~Destroyer() { DestroyInstance(); }
    };
    struct Busy {
        Busy() { busy_ = true; }
        ~Busy() { busy_ = false; }
        Busy(const Busy&) = delete;
        Busy& operator=(const Busy&) = delete;
    };

    // Plain values with constant initialisation: valid before any constructor and after every
    // destructor of the program's statics.
    inline static T* instance_ = nullptr;
    inline static bool busy_ = false;
};

} // namespace vex::util
