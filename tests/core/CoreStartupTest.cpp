#include "core/CoreStartup.h"

#include "core/DataPaths.h"
#include "core/ResultCodes.h"
#include "core/dedidavazi/DediDavazi.h"
#include "platform/win32/Files.h"
#include "system/adaptors/memory/MemoryAdaptor.h"
#include "tests/core/CoreTestSupport.h"
#include "util/xml/Element.h"
#include "util/xml/Status.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace vex::orb::core::test {
namespace {

namespace win32 = platform::win32;
namespace fs = std::filesystem;
using adaptor::memory::MemoryAdaptor;

class CoreStartup : public CoreTest {
protected:
    fs::path SettingsFile() const { return DataRoot() / "data" / "adaptor_memory" / "settings.xml"; }
};

TEST_F(CoreStartup, TheMemoryHostStartsTheCore) {
    MemoryAdaptor host;
    CoreImplementation* core = FindCore();
    ASSERT_NE(core, nullptr);
    EXPECT_EQ(GetCurrentAdaptor(), &host);
    EXPECT_EQ(core->GetAdaptor(), &host);
    EXPECT_EQ(core->CoreInterface::getName(), "CORE");

    for (const char* folder : {"data", "data/core", "data/adaptor_memory"}) {
        EXPECT_TRUE(fs::is_directory(DataRoot() / folder)) << folder;
    }
    EXPECT_EQ(core->GetSettings().path,
              documents_.Path() + "\\Torva Labs\\torvasuite/data/adaptor_memory/settings.xml");

    // Subsystems in construction order, initialised.
    ASSERT_TRUE(CoreSubSystem::IsCoreInitialized());
    ASSERT_EQ(CoreSubSystem::GetRegisteredCount(), 4u);
    EXPECT_EQ(CoreSubSystem::GetRegistered(0), static_cast<AdaptorManager*>(core));
    EXPECT_EQ(CoreSubSystem::GetRegistered(1), static_cast<RecordManager*>(core));
    EXPECT_EQ(CoreSubSystem::GetRegistered(2), static_cast<InstanceManager*>(core));
    EXPECT_EQ(CoreSubSystem::GetRegistered(3), static_cast<MainDlg*>(core));

    EXPECT_EQ(Hooks::Instance().GetInstallCount(), 1);
    EXPECT_EQ(Hooks::Instance().GetCallbackCount(), 1u);
}

TEST_F(CoreStartup, TheResourceBundleIsReadableThroughTheXmlLibrary) {
    MemoryAdaptor host;
    util::xml::Element about;
    ASSERT_EQ(about.Load(GetInstallPath("data") + "/core/about.xml"), util::xml::kOk);
    ASSERT_NE(about.GetChild("product"), nullptr);
    EXPECT_EQ(about.GetChild("product")->GetText(), "Torva Suite");
    EXPECT_EQ(about.Load(":/torvasuite/data/core/missing.xml"), util::xml::kCannotOpen);
}

TEST_F(CoreStartup, StartUpRegistersTheExpressionFactories) {
    MemoryAdaptor host;
    util::xml::Element expression;
    ASSERT_EQ(expression.Parse("<add><constant>2</constant><constant>3.5</constant></add>"), util::xml::kOk);
    const std::unique_ptr<DediDavazi> node = DediDavazi::create(expression);
    ASSERT_TRUE(node);
    EXPECT_EQ(node->evaluate(), 5.5);
}

TEST_F(CoreStartup, OtherInterfaceVersionsLeaveTheCoreUncreated) {
    win32::MessageBoxRecorder boxes;
    for (int version : {15106, 15108}) {
        {
            MemoryAdaptor host(24.0, version);
            EXPECT_EQ(FindCore(), nullptr) << version;
            EXPECT_EQ(GetCurrentAdaptor(), nullptr);
            EXPECT_FALSE(Hooks::Exists() && Hooks::Instance().GetInstallCount() > 0);
            EXPECT_FALSE(fs::exists(DataRoot())) << "no folder below the data root";
        }
        EXPECT_EQ(FindCore(), nullptr);
    }
    EXPECT_TRUE(boxes.Boxes().empty());
}

TEST_F(CoreStartup, SettingsAreLoadedFromTheHostFolder) {
    WriteFile(SettingsFile(), "<ORBConfig><item id=\"100\">5</item><item id=\"102\">1</item></ORBConfig>");
    MemoryAdaptor host;
    EXPECT_EQ(FindCore()->GetSettings().countdown, 5);
    EXPECT_TRUE(win32::IsMessageBoxSilent());
}

TEST_F(CoreStartup, MissingOrMalformedSettingsGiveInitialValuesQuietly) {
    win32::MessageBoxRecorder boxes;
    for (const char* contents : {"", "<ORBConfig><item id=\"100\">7</item>", "not xml"}) {
        fs::remove(SettingsFile());
        if (*contents != '\0') WriteFile(SettingsFile(), contents);
        MemoryAdaptor host;
        const MainConfigSettings& settings = FindCore()->GetSettings();
        EXPECT_EQ(settings.countdown, 2) << contents;
        EXPECT_FALSE(settings.silent);
        EXPECT_TRUE(settings.alwaysOnTop);
    }
    EXPECT_TRUE(boxes.Boxes().empty());
}

TEST_F(CoreStartup, UnreadableDocumentsFolderGivesAnEmptyRoot) {
    win32::RegistryDeleteValue(win32::HKEY_CURRENT_USER, kShellFolders, "Personal");
    EXPECT_EQ(GetDataRoot(), "");
    win32::RegistrySetValue(win32::HKEY_CURRENT_USER, kShellFolders, "Personal", std::string(1024, 'x'));
    EXPECT_EQ(GetDataRoot(), "") << "longer than the 1024-byte buffer";
    win32::RegistryDeleteKey(win32::HKEY_CURRENT_USER, kShellFolders);
    EXPECT_EQ(GetDataRoot(), "");

    // With no root the folders are made below the current folder.
    struct CurrentFolder {
        explicit CurrentFolder(const fs::path& folder) : previous(fs::current_path()) {
            fs::current_path(folder);
        }
        ~CurrentFolder() { fs::current_path(previous); }
        fs::path previous;
    } inDocuments(documents_.Path());
    MemoryAdaptor host;
    ASSERT_NE(FindCore(), nullptr);
    EXPECT_EQ(FindCore()->GetSettings().path, "data/adaptor_memory/settings.xml");
    EXPECT_TRUE(fs::is_directory(fs::path(documents_.Path()) / "data" / "adaptor_memory"));
    EXPECT_TRUE(fs::is_directory(fs::path(documents_.Path()) / "data" / "core"));
}

TEST_F(CoreStartup, ShutdownTearsDownInTheStatedOrder) {
    auto host = std::make_unique<MemoryAdaptor>();
    CoreImplementation* core = FindCore();
    ASSERT_NE(core, nullptr);
    const std::map<CoreSubSystem*, std::string> names = {
        {static_cast<AdaptorManager*>(core), "adaptor manager"},
        {static_cast<RecordManager*>(core), "record manager"},
        {static_cast<InstanceManager*>(core), "instance manager"},
        {static_cast<MainDlg*>(core), "main window"},
    };
    std::vector<std::string> order;
    CoreSubSystem::SetDestructionObserver([&](CoreSubSystem* subsystem) {
        if (order.empty())
            order.push_back("callbacks " + std::to_string(Hooks::Instance().GetCallbackCount()));
        order.push_back(names.count(subsystem) ? names.at(subsystem) : "?");
    });
    // The message node goes last: a subscriber hears of it.
    struct Listener : util::MessageNode {
        explicit Listener(std::vector<std::string>& log) : log(log) {}
        void receive(util::Message& message, bool) override {
            if (message.code == util::Message::kDestroyed) log.push_back("message node");
        }
        std::vector<std::string>& log;
    } listener(order);
    ASSERT_TRUE(listener.connect(core));

    // An undo step of the host, which shutdown clears.
    host->beginUndoGroup("edit");
    host->RecordEdit([] {}, [] {});
    host->endUndoGroup();
    ASSERT_EQ(host->GetUndoLabels().size(), 1u);

    ShutdownCore();
    EXPECT_EQ(order, (std::vector<std::string>{"callbacks 0", "main window", "instance manager",
                                               "record manager", "adaptor manager", "message node"}));
    EXPECT_EQ(FindCore(), nullptr);
    EXPECT_EQ(GetCurrentAdaptor(), nullptr);
    EXPECT_FALSE(CoreSubSystem::IsCoreInitialized());
    EXPECT_EQ(CoreSubSystem::GetRegisteredCount(), 0u);
    EXPECT_EQ(Hooks::Instance().GetInstallCount(), 0);
    EXPECT_TRUE(host->GetUndoLabels().empty());

    ShutdownCore(); // a second shutdown finds nothing to do
    host.reset();
    EXPECT_EQ(order.size(), 6u);

    // A new host starts a fresh core.
    CoreSubSystem::SetDestructionObserver({});
    MemoryAdaptor again;
    ASSERT_NE(FindCore(), nullptr);
    EXPECT_EQ(CoreSubSystem::GetRegisteredCount(), 4u);
    EXPECT_EQ(Hooks::Instance().GetInstallCount(), 1);
    EXPECT_EQ(Hooks::Instance().GetCallbackCount(), 1u);
}

TEST_F(CoreStartup, ASecondAdaptorGetsNoCoreOfItsOwn) {
    MemoryAdaptor host;
    CoreImplementation* core = FindCore();
    { MemoryAdaptor other; }
    EXPECT_EQ(FindCore(), core);
    EXPECT_EQ(GetCurrentAdaptor(), &host);
    EXPECT_EQ(Hooks::Instance().GetInstallCount(), 1);
}

TEST_F(CoreStartup, AdditionalSettingsThroughTheCoreInterface) {
    MemoryAdaptor host;
    CoreInterface& core = *FindCore();
    EXPECT_EQ(core.AddSetting(500, 1.5), 0);
    EXPECT_EQ(core.AddSetting(501, "text"), 0); // a string setting, not a bool
    EXPECT_EQ(core.AddSetting(502, 7), 0);
    EXPECT_EQ(core.AddSetting(503, true), 0);

    EXPECT_TRUE(core.SetSetting(502, 9));
    EXPECT_TRUE(core.SetSetting(500, 12)); // another type goes through the text form
    std::string text;
    int number = 0;
    bool flag = false;
    EXPECT_TRUE(core.GetSetting(501, text));
    EXPECT_TRUE(core.GetSetting(502, number));
    EXPECT_TRUE(core.GetSetting(503, flag));
    EXPECT_EQ(text, "text");
    EXPECT_EQ(number, 9);
    EXPECT_TRUE(flag);
    EXPECT_TRUE(core.GetSetting(500, text));
    EXPECT_EQ(text, "12");

    number = 4;
    EXPECT_FALSE(core.GetSetting(599, number));
    EXPECT_EQ(number, 4);
    EXPECT_FALSE(core.SetSetting(599, 1));
}

TEST_F(CoreStartup, WhatWorksWithoutInstancesOrWindows) {
    MemoryAdaptor host;
    CoreImplementation& core = *FindCore();
    util::xml::Element written(util::xml::Element::Kind::Text, "stale");
    util::ReturnValue<util::xml::Element> sink(&written);
    EXPECT_EQ(core.WriteInstances(sink), 0);
    EXPECT_EQ(written, util::xml::Element(util::xml::Element::Kind::Tag, "VXB"));

    core.SetSlowLevel(10);
    EXPECT_EQ(core.GetSlowLevel(), 10);
    EXPECT_EQ(core.GetSlowFactor(), 512.0);

    win32::MessageBoxRecorder boxes;
    boxes.Answer(win32::IDNO);
    EXPECT_EQ(core.ShowMessage(nullptr, "Title", "Text", win32::MB_YESNO, win32::MB_ICONQUESTION),
              win32::IDNO);
    ASSERT_EQ(boxes.Boxes().size(), 1u);
    EXPECT_EQ(boxes.Boxes()[0].caption, "Title");
    EXPECT_EQ(boxes.Boxes()[0].type, win32::MB_YESNO | win32::MB_ICONQUESTION);

    // Nothing records, so keys reach the host.
    EXPECT_FALSE(win32::DispatchKeyboardEvent(win32::VK_SPACE, win32::MakeKeyData(false, false)));
}

} // namespace
} // namespace vex::orb::core::test
