#include "core/DataPaths.h"
#include "core/Template.h"
#include "platform/win32/Files.h"
#include "platform/win32/Modules.h"
#include "platform/win32/Registry.h"
#include "tests/core/ToolTestSupport.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

namespace vex::orb::core::test {
namespace {

namespace fs = std::filesystem;
namespace win32 = platform::win32;

const std::string kV250 = TORVA_TESTTOOL_V250;
const std::string kV249 = TORVA_TESTTOOL_V249;
const std::string kKnown = TORVA_TESTTOOL_KNOWN;
const std::string kNoGetPlugin = TORVA_TESTTOOL_NOGETPLUGIN;
const std::string kNoGetVersion = TORVA_TESTTOOL_NOGETVERSION;

std::string CurrentFolder() {
    char buffer[1024] = {};
    win32::GetCurrentDirectory(sizeof buffer, buffer);
    return buffer;
}

template <typename Function>
Function Export(win32::HMODULE module, const char* name) {
    return reinterpret_cast<Function>(win32::GetProcAddress(module, name));
}

class LibraryLoading : public RegistryTest {
protected:
    void TearDown() override {
        Library::SetCreator(nullptr);
        RegistryTest::TearDown();
    }

    // Loads `path`, expecting no library and `code`, and that nothing was registered.
    void ExpectRejected(const std::string& path, int code) {
        const std::size_t libraries = Manager().GetLibraryCount();
        const std::size_t tools = Manager().GetToolCount();
        const std::string folder = CurrentFolder();
        int error = -1;
        EXPECT_EQ(Library::Load(path, error), nullptr) << path;
        EXPECT_EQ(error, code) << path;
        EXPECT_EQ(Manager().GetLibraryCount(), libraries) << path;
        EXPECT_EQ(Manager().GetToolCount(), tools) << path;
        EXPECT_EQ(CurrentFolder(), folder) << path;
    }

    // A model file with the given root element text; returns its path.
    std::string WriteModel(const fs::path& path, const std::string& text) {
        WriteFile(path, text);
        return path.string();
    }

    TempFolder scratch_;
};

TEST_F(LibraryLoading, AToolLibraryRegistersItsNewTypesAndIsLoadedInsideItsFolder) {
    const std::string before = CurrentFolder();
    int error = -1;
    Library* library = Library::Load(kV250, error);
    ASSERT_NE(library, nullptr);
    EXPECT_EQ(error, 0);
    EXPECT_EQ(CurrentFolder(), before);
    EXPECT_EQ(library->GetName(), "torva_testtool_v250");
    EXPECT_EQ(Library::NameFromPath("C:\\Program Files\\a.b/tools\\car.v2.dll"), "car");
    const auto loadFolder = Export<const char* (*)()>(library->GetModule(), "TesttoolLoadFolder");
    EXPECT_EQ(fs::path(loadFolder()), fs::path(kV250).parent_path());

    // Its "Gyro" is compiled in: that descriptor was released and only the new type registered.
    ASSERT_EQ(library->GetToolCount(), 1u);
    EXPECT_EQ(Manager().FindTool("TestToolAlpha"), library->GetTool(0));
    EXPECT_EQ(Export<int (*)()>(library->GetModule(), "TesttoolReleasedDescriptors")(), 1);
    ASSERT_NE(library->GetTool(0)->CreateObject("alpha_01"), nullptr);
    delete library; // the object and the descriptor go before the module
    EXPECT_EQ(Manager().FindTool("TestToolAlpha"), nullptr);
}

TEST_F(LibraryLoading, EveryFailureHasItsCodeAndRegistersNothing) {
    ExpectRejected(scratch_.Path() + "/missing.so", Library::kNotLoadable);
    ExpectRejected(scratch_.WriteFile("text.so", "not a library"), Library::kNotLoadable);
    ExpectRejected(kNoGetVersion, Library::kNoGetVersion);
    ExpectRejected(kV249, Library::kWrongVersion);
    ExpectRejected(kNoGetPlugin, Library::kNoGetPlugin);
    EXPECT_EQ(Manager().FindTool("TestToolOld"), nullptr);

    Library::SetCreator([](const std::string&, win32::HMODULE) -> Library* { return nullptr; });
    ExpectRejected(kV250, Library::kCannotCreate);
    ExpectRejected(WriteModel(scratch_.Path() + "/m.prm", "<VXB/>"), Library::kCannotCreate);
    Library::SetCreator(nullptr);

    // A file with only known types yields no library but stays loaded, keeping its state.
    ExpectRejected(kKnown, 0);
    win32::HMODULE known = win32::LoadLibrary(kKnown.c_str());
    EXPECT_EQ(Export<int (*)()>(known, "TesttoolReleasedDescriptors")(), 1);
    win32::FreeLibrary(known);

    // The other modules were freed: loaded afresh (by a path relative to the current folder as it
    // was), this one has released one descriptor, not three.
    const fs::path folder = fs::path(kV250).parent_path();
    const std::string before = CurrentFolder();
    ASSERT_TRUE(win32::SetCurrentDirectory(folder.parent_path().c_str()));
    int error = -1;
    Library* library = Library::Load((folder.filename() / fs::path(kV250).filename()).string(), error);
    win32::SetCurrentDirectory(before.c_str());
    ASSERT_NE(library, nullptr) << error;
    EXPECT_EQ(Export<int (*)()>(library->GetModule(), "TesttoolReleasedDescriptors")(), 1);
}

TEST_F(LibraryLoading, AModelFileBecomesAModuleLessLibraryWithOneTemplate) {
    const std::string path =
        WriteModel(scratch_.Path() + "/models/racer.prm",
                   "<VXB><VXB_Plugin version=\"2.5\"><type>4VeredevOro</type><name>Racer</name>"
                   "<customdata><category>Vehicle;Camera</category></customdata>"
                   "<savedata>AAAA</savedata></VXB_Plugin></VXB>");
    int error = -1;
    Library* library = Library::Load(path, error);
    ASSERT_NE(library, nullptr);
    EXPECT_EQ(library->GetModule(), nullptr);
    ASSERT_EQ(library->GetToolCount(), 1u);
    auto* model = dynamic_cast<Template*>(library->GetTool(0));
    ASSERT_NE(model, nullptr);
    EXPECT_EQ(Manager().FindTool("Racer"), model);
    EXPECT_EQ(model->GetKind(), Tool::kTemplateKind);
    EXPECT_EQ(model->GetType(), "4VeredevOro");
    EXPECT_EQ(model->GetCategories(), (Names{"Vehicle", "Camera"}));
    EXPECT_EQ(model->GetBaseFolder(), scratch_.Path() + "/models");
    util::xml::Element written;
    model->WriteDescription(written);
    EXPECT_EQ(written.GetChild("savedata")->GetText(), "AAAA");

    // Objects come from the underlying type, which keeps them.
    ASSERT_NE(model->CreateObject("Racer_01"), nullptr);
    EXPECT_EQ(Manager().FindTool("4VeredevOro")->GetObjectCount(), 1u);
}

TEST_F(LibraryLoading, AModelFileIsAcceptedOnlyUnderAVxbOrOrbRoot) {
    const fs::path folder = scratch_.Path();
    int error = -1;
    Library* bare =
        Library::Load(WriteModel(folder / "bare.prm", "<VXB_Plugin><type>Gyro</type></VXB_Plugin>"), error);
    ASSERT_NE(bare, nullptr);
    EXPECT_EQ(bare->GetTool(0)->GetIdentifier(), Template::kUnknown);
    Library* orb = Library::Load(WriteModel(folder / "orb.prm", "<orbModel><VXB_Plugin/></orbModel>"), error);
    ASSERT_NE(orb, nullptr);
    EXPECT_EQ(static_cast<Template*>(orb->GetTool(0))->GetType(), Template::kUnknown);
    EXPECT_EQ(orb->GetTool(0)->CreateObject("x"), nullptr);

    ExpectRejected(WriteModel(folder / "lower.prm", "<vxbModel><VXB_Plugin/></vxbModel>"), 0);
    ExpectRejected(WriteModel(folder / "upper.prm", "<ORBModel><VXB_Plugin/></ORBModel>"), 0);
    ExpectRejected(WriteModel(folder / "broken.prm", "<VXB><VXB_Plugin></VXB>"), 0);
    ExpectRejected((folder / "absent.prm").string(), 0);
}

TEST_F(LibraryLoading, LoadLibrariesReadsThePluginAndModelFoldersOnce) {
    const fs::path install = scratch_.Path();
    const fs::path plugins = install / "torvasuite" / "plugins" / "win" / "x64";
    fs::create_directories(plugins);
    for (const std::string& file : {kV250, kV249, kKnown, kNoGetPlugin}) {
        fs::copy_file(file, plugins / fs::path(file).filename());
    }
    WriteFile(plugins / "notes.txt", "not a library");
    win32::RegistrySetValue(win32::HKEY_LOCAL_MACHINE, "SOFTWARE\\Wow6432Node\\Torva Labs", "path",
                            install.string());
    const std::string model = "<VXB><VXB_Plugin><name>M</name><type>Gyro</type></VXB_Plugin></VXB>";
    WriteFile(DataRoot() / "prm" / "deep" / "er" / "user.prm", model);
    WriteFile(install / "torvasuite" / "prm" / "shipped.prm", model);
    WriteFile(install / "torvasuite" / "prm" / "ignored.xml", model);

    Manager().LoadLibraries();
    const std::string userModel = GetDataRoot() + "/prm/deep/er/user.prm";
    // The templates of the factory data come before the user's files.
    const std::vector<std::string> expected{"Core",
                                            (plugins / "torva_testtool_v250.so").string(),
                                            ":/torvasuite/data/prm/axis_mixer.prm",
                                            ":/torvasuite/data/prm/follow_focus.prm",
                                            ":/torvasuite/data/prm/proximity_shake.prm",
                                            userModel,
                                            (install / "torvasuite" / "prm" / "shipped.prm").string()};
    std::vector<std::string> paths;
    for (std::size_t i = 0; i < Manager().GetLibraryCount(); ++i)
        paths.push_back(Manager().GetLibrary(i)->GetPath());
    EXPECT_EQ(paths, expected);
    Manager().LoadLibraries();
    EXPECT_EQ(Manager().GetLibraryCount(), expected.size()) << "registered paths are not loaded again";
}

} // namespace
} // namespace vex::orb::core::test
