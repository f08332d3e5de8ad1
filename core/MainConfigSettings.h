#pragma once

#include "util/DynamicCreator.h"
#include "util/DynamicObject.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace vex::orb::core {

/// The main settings of the system, kept per host in settings.xml below the data root: a few fixed
/// fields, and typed settings other parts register at run time (AddSetting of the core).
///
/// The file holds a root element "ORBConfig" with one element "item" per setting: attribute "id",
/// the value as text.
class MainConfigSettings {
public:
    /// A setting registered at run time: an id and a value that reads and writes itself as text.
    class AdditionalSettingBase : public util::DynamicObject {
    public:
        explicit AdditionalSettingBase(int32_t settingId = 0) : id(settingId) {}
        /// The value as text.
        virtual std::string ToString() const = 0;
        /// Parses `text` and stores the value.
        virtual void FromString(const std::string& text) = 0;

        int32_t id;
    };

    /// A setting of type T: bool, int, double or std::string. Booleans are written "1"/"0" and read
    /// as integers (non-zero: true); integers are read like atoi (a malformed text gives 0); doubles
    /// are written in the shortest form that reads back exactly and read like atof.
    template <typename T>
    class AdditionalSetting : public AdditionalSettingBase,
                              public util::DynamicCreator<AdditionalSetting<T>> {
    public:
        AdditionalSetting() = default;
        AdditionalSetting(int32_t settingId, T initial) : AdditionalSettingBase(settingId), value(initial) {}
        std::string ToString() const override { return Format(value); }
        void FromString(const std::string& text) override { Parse(text, value); }

        T value{};
    };

    /// The text forms of the setting values (see AdditionalSetting).
    static std::string Format(bool value);
    static std::string Format(int value);
    static std::string Format(double value);
    static std::string Format(const std::string& value);
    /// Reading the text forms back.
    static void Parse(const std::string& text, bool& value);
    static void Parse(const std::string& text, int& value);
    static void Parse(const std::string& text, double& value);
    static void Parse(const std::string& text, std::string& value);

    // Ids of the fixed fields.
    static constexpr int32_t kCountdownId = 100;
    static constexpr int32_t kSilentId = 102;
    static constexpr int32_t kAlwaysOnTopId = 103;
    static constexpr int32_t kFlag112Id = 112;
    static constexpr int32_t kFlag114Id = 114;

    /// Puts the fixed fields back to their initial values (the path and the additional settings stay).
    void Reset();
    /// Resets the fixed fields, remembers `file` as the settings file and reads it: each "item" with
    /// an "id" sets its fixed field, or the first additional setting with that id; a later item wins.
    /// Unknown ids and items without "id" are skipped; an unreadable file leaves the initial values.
    /// Finally the silent flag of the message boxes is set from `silent`. True when the file was read.
    bool Load(const std::string& file);
    /// Writes every setting to the remembered file (fixed fields 100, 102, 103, 112, 114, then the
    /// additional settings in the order they were added), atomically. Nothing is written while no
    /// file is remembered. True when written.
    bool Save() const;

    /// Appends an additional setting; the settings own it.
    void Add(std::unique_ptr<AdditionalSettingBase> setting);
    /// The first additional setting with `id`; null when none has it.
    AdditionalSettingBase* Find(int32_t id) const;
    /// The additional settings in the order they were added.
    const std::vector<std::unique_ptr<AdditionalSettingBase>>& GetAdditional() const { return additional; }

    /// Full path of the settings file; empty until the first Load.
    std::string path;
    /// Seconds of count-down before a recording starts (100).
    int32_t countdown = 2;
    /// Suppress error messages (102).
    bool silent = false;
    /// Windows of the system are created top-most (103).
    bool alwaysOnTop = true;
    /// Kept in the file only (112).
    bool flag112 = false;
    /// Kept in the file only (114).
    bool flag114 = false;
    /// Settings registered at run time, in registration order.
    std::vector<std::unique_ptr<AdditionalSettingBase>> additional;
};

} // namespace vex::orb::core
