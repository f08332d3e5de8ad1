#include "core/MainConfigSettings.h"

#include "tests/core/CoreTestSupport.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace vex::orb::core::test {
namespace {

using Settings = core::MainConfigSettings;

class MainConfigSettings : public ::testing::Test {
protected:
    void SetUp() override { platform::win32::SetMessageBoxSilent(false); }
    void TearDown() override { platform::win32::SetMessageBoxSilent(false); }

    std::string Write(const std::string& contents) { return folder_.WriteFile("settings.xml", contents); }

    /// One additional setting of each type, as other parts register them at run time.
    static void AddOneOfEach(Settings& settings) {
        settings.Add(std::make_unique<Settings::AdditionalSetting<bool>>(200, false));
        settings.Add(std::make_unique<Settings::AdditionalSetting<int>>(201, 0));
        settings.Add(std::make_unique<Settings::AdditionalSetting<double>>(202, 0.0));
        settings.Add(std::make_unique<Settings::AdditionalSetting<std::string>>(203, ""));
    }

    template <typename T>
    static T& ValueOf(const Settings& settings, int id) {
        return dynamic_cast<Settings::AdditionalSetting<T>&>(*settings.Find(id)).value;
    }

    TempFolder folder_;
};

TEST_F(MainConfigSettings, LoadTakesItemsInDocumentOrder) {
    Settings settings;
    AddOneOfEach(settings);
    const std::string path = Write("<?xml version=\"1.0\"?>\n<ORBConfig>\n"
                                   "<item>9</item>\n" // no id: skipped
                                   "<item id=\"100\">7</item>\n"
                                   "<item id=\"102\">1</item>\n"
                                   "<item id=\"103\">0</item>\n"
                                   "<item id=\"112\">5</item>\n" // any non-zero integer is true
                                   "<item id=\"200\">1</item>\n"
                                   "<item id=\"201\">-42</item>\n"
                                   "<item id=\"202\">2.5</item>\n"
                                   "<item id=\"203\">a &#60;b&#62;</item>\n"
                                   "<item id=\"999\">1</item>\n"   // unknown: ignored
                                   "<other id=\"100\">3</other>\n" // not an item
                                   "<item id=\"114\">1</item>\n"
                                   "<item id=\"114\">abc</item>\n" // the later one wins; "abc" is false
                                   "</ORBConfig>\n");
    EXPECT_TRUE(settings.Load(path));
    EXPECT_EQ(settings.path, path);
    EXPECT_EQ(settings.countdown, 7);
    EXPECT_TRUE(settings.silent);
    EXPECT_FALSE(settings.alwaysOnTop);
    EXPECT_TRUE(settings.flag112);
    EXPECT_FALSE(settings.flag114);
    EXPECT_TRUE(ValueOf<bool>(settings, 200));
    EXPECT_EQ(ValueOf<int>(settings, 201), -42);
    EXPECT_EQ(ValueOf<double>(settings, 202), 2.5);
    EXPECT_EQ(ValueOf<std::string>(settings, 203), "a <b>");
    EXPECT_EQ(settings.GetAdditional().size(), 4u);
    EXPECT_TRUE(platform::win32::IsMessageBoxSilent()) << "silent is handed to the message boxes";

    // The next load starts again from the initial values.
    EXPECT_TRUE(settings.Load(Write("<ORBConfig><item id=\"114\">1</item></ORBConfig>")));
    EXPECT_EQ(settings.countdown, 2);
    EXPECT_TRUE(settings.alwaysOnTop);
    EXPECT_FALSE(settings.flag112);
    EXPECT_TRUE(settings.flag114);
    EXPECT_FALSE(platform::win32::IsMessageBoxSilent());
}

TEST_F(MainConfigSettings, SaveWritesEveryItemInOrder) {
    Settings settings;
    settings.Add(std::make_unique<Settings::AdditionalSetting<std::string>>(300, "x<y"));
    settings.Add(std::make_unique<Settings::AdditionalSetting<bool>>(150, true));
    settings.Add(std::make_unique<Settings::AdditionalSetting<double>>(120, 0.1));
    settings.Add(std::make_unique<Settings::AdditionalSetting<int>>(101, -3));
    settings.path = folder_.Path() + "/settings.xml";
    settings.countdown = 3;
    settings.flag114 = true;
    ASSERT_TRUE(settings.Save());
    EXPECT_EQ(ReadFile(settings.path), "<?xml version=\"1.0\"?>\n"
                                       "<ORBConfig>\n"
                                       "\t<item id=\"100\">3</item>\n"
                                       "\t<item id=\"102\">0</item>\n"
                                       "\t<item id=\"103\">1</item>\n"
                                       "\t<item id=\"112\">0</item>\n"
                                       "\t<item id=\"114\">1</item>\n"
                                       "\t<item id=\"300\">x&#60;y</item>\n"
                                       "\t<item id=\"150\">1</item>\n"
                                       "\t<item id=\"120\">0.1</item>\n"
                                       "\t<item id=\"101\">-3</item>\n"
                                       "</ORBConfig>");

    Settings unsaved;
    EXPECT_FALSE(unsaved.Save()) << "no path, nothing written";
}

TEST_F(MainConfigSettings, SavedValuesLoadBackExactly) {
    Settings saved;
    AddOneOfEach(saved);
    ValueOf<int>(saved, 201) = -2147483647 - 1;
    ValueOf<double>(saved, 202) = 3.141592653589793;
    ValueOf<std::string>(saved, 203) = " spaced \"text\" ";
    saved.path = folder_.Path() + "\\settings.xml"; // both separators, as below the documents folder
    ASSERT_TRUE(saved.Save());

    Settings loaded;
    AddOneOfEach(loaded);
    ASSERT_TRUE(loaded.Load(saved.path));
    EXPECT_EQ(ValueOf<int>(loaded, 201), -2147483647 - 1);
    EXPECT_EQ(ValueOf<double>(loaded, 202), 3.141592653589793);
    EXPECT_EQ(ValueOf<std::string>(loaded, 203), " spaced \"text\" ");
}

TEST_F(MainConfigSettings, AdditionalSettingsReadTextLikeAtoi) {
    Settings::AdditionalSetting<int> number(2, 0);
    number.FromString("  -12x");
    EXPECT_EQ(number.value, -12);
    number.FromString("99999999999");
    EXPECT_EQ(number.value, 2147483647);

    Settings::AdditionalSetting<double> real(3, 1.0);
    real.FromString("2.5e3 m");
    EXPECT_EQ(real.value, 2500.0);
    real.FromString("n/a");
    EXPECT_EQ(real.value, 0.0);

    EXPECT_EQ(number.GetClassName(), "vex::orb::core::MainConfigSettings::AdditionalSetting<int>");
}

} // namespace
} // namespace vex::orb::core::test
