// Reads arbitrary bytes as the main settings file, with an additional setting of every type registered
// as the core's parts register theirs. Loading must never crash, hang or leak, and what the settings
// save reads back to the same settings.

#include "core/MainConfigSettings.h"
#include "fuzz/FuzzFolder.h"
#include "platform/win32/DebugOutput.h"
#include "platform/win32/MessageBox.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <string_view>

namespace {

using vex::orb::core::MainConfigSettings;

// Settings with one additional setting of each type, under ids the fixed fields do not use.
std::unique_ptr<MainConfigSettings> MakeSettings() {
    auto settings = std::make_unique<MainConfigSettings>();
    settings->Add(std::make_unique<MainConfigSettings::AdditionalSetting<bool>>(200, true));
    settings->Add(std::make_unique<MainConfigSettings::AdditionalSetting<int>>(201, 7));
    settings->Add(std::make_unique<MainConfigSettings::AdditionalSetting<double>>(202, 0.5));
    settings->Add(std::make_unique<MainConfigSettings::AdditionalSetting<std::string>>(203, "text"));
    return settings;
}

// Every value of `settings` as text, in file order.
std::string Describe(const MainConfigSettings& settings) {
    std::string text =
        std::to_string(settings.countdown) + " " + MainConfigSettings::Format(settings.silent) +
        MainConfigSettings::Format(settings.alwaysOnTop) + MainConfigSettings::Format(settings.flag112) +
        MainConfigSettings::Format(settings.flag114);
    for (const auto& setting : settings.GetAdditional()) text += " [" + setting->ToString() + "]";
    return text;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const bool ready = [] {
        vex::platform::win32::SetDebugOutputSink([](const std::string&) {});
        vex::platform::win32::SetMessageBoxPresenter([](vex::platform::win32::HWND, const std::string&,
                                                        const std::string&, vex::platform::win32::UINT type) {
            return vex::platform::win32::DefaultMessageBoxAnswer(type);
        });
        return true;
    }();
    (void)ready;

    const vex::fuzz::FuzzFolder& folder = vex::fuzz::FuzzFolder::Get();
    const std::string file =
        folder.Write("settings.xml", std::string_view(reinterpret_cast<const char*>(data), size));
    const std::unique_ptr<MainConfigSettings> settings = MakeSettings();
    if (!settings->Load(file)) return 0;

    settings->path = folder.File("saved.xml");
    if (!settings->Save()) std::abort();
    const std::unique_ptr<MainConfigSettings> reread = MakeSettings();
    if (!reread->Load(settings->path) || Describe(*reread) != Describe(*settings)) {
        std::fprintf(stderr, "read: %s\nread back: %s\n", Describe(*settings).c_str(),
                     Describe(*reread).c_str());
        std::abort();
    }
    return 0;
}
