#include "core/ConfigProfileManager.h"
#include "core/MainConfigSettings.h"
#include "platform/win32/Files.h"
#include "tests/core/CoreTestSupport.h"
#include "tests/support/SaveFaults.h"
#include "util/xml/Element.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace vex::orb::core::test {
namespace {

// Each save is killed at every point of its write, in chunks small enough that the file is cut many
// times; the user's file must come out as it was or as the save meant it, never anything between.
constexpr std::size_t kChunk = 64;

void ExpectHeld(const vex::test::CrashReport& report) {
    ::testing::Test::RecordProperty("kills", report.kills);
    ::testing::Test::RecordProperty("bytes", static_cast<int>(report.saved.size()));
    EXPECT_TRUE(report.failures.empty())
        << report.failures.size() << " failures, the first: " << report.failures.front();
    EXPECT_GT(report.oldKept, 10) << "the file was cut too few times to mean anything";
    EXPECT_EQ(report.newWhole, 1);
}

TEST(SaveCrash, TheSettingsFileIsOldOrNewAfterAKillAnywhereInItsSave) {
    TempFolder folder;
    MainConfigSettings settings;
    settings.Add(std::make_unique<MainConfigSettings::AdditionalSetting<std::string>>(300, "first"));
    settings.path = folder.Path() + "/settings.xml";
    settings.countdown = 3;
    ASSERT_TRUE(settings.Save());
    std::string before;
    ASSERT_TRUE(util::ReadWholeFile(platform::win32::ToNativePath(settings.path), before));

    ExpectHeld(vex::test::CrashDuringSave(platform::win32::ToNativePath(settings.path), before, kChunk, [&] {
        settings.countdown = 7;
        settings.silent = true;
        dynamic_cast<MainConfigSettings::AdditionalSetting<std::string>&>(*settings.Find(300)).value =
            std::string(600, 'x');
        settings.Save();
    }));
    MainConfigSettings read;
    EXPECT_TRUE(read.Load(settings.path));
    EXPECT_EQ(read.countdown, 7) << "the last try, killed once the file was replaced, left the new one";
}

TEST(SaveCrash, AProfileIsOldOrNewAfterAKillAnywhereInItsSaveAndNoStrayProfileAppears) {
    TempFolder factory, user;
    ConfigProfileManager manager;
    manager.Prepare(factory.Path(), user.Path() + "\\tool", "/configprofiles", "/configprofile.xml",
                    "Factory Settings");
    const auto profile = [](int items, const std::string& value) {
        std::string text = R"(<configprofile version="2.0">)";
        for (int i = 0; i < items; ++i) text += "<item id=\"" + std::to_string(i) + "\">" + value + "</item>";
        util::xml::Element element;
        element.Parse(text + "</configprofile>");
        return element;
    };
    ASSERT_TRUE(manager.SaveProfile("Bus", profile(10, "1.5")));
    const std::string file = platform::win32::ToNativePath(manager.GetProfileFile("Bus"));
    ASSERT_FALSE(file.empty());
    std::string before;
    ASSERT_TRUE(util::ReadWholeFile(file, before));

    ExpectHeld(vex::test::CrashDuringSave(file, before, kChunk,
                                          [&] { manager.SaveProfile("Bus", profile(40, "-2.25")); }));
    EXPECT_EQ(manager.ListProfiles(), std::vector<std::string>{"Bus"})
        << "the temporary files a crash leaves are not taken for profiles";
    util::xml::Element read;
    ASSERT_TRUE(manager.LoadProfile("Bus", read));
    EXPECT_EQ(read.GetChild("item", 39)->GetText(), "-2.25") << "the new profile, whole";
}

} // namespace
} // namespace vex::orb::core::test
