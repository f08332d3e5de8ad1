#include "core/CompiledPluginTable.h"
#include "core/CoreStartup.h"
#include "core/DataPaths.h"
#include "system/adaptors/memory/MemoryAdaptor.h"
#include "tests/core/ToolTestSupport.h"
#include "util/xml/Element.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace vex::orb::core::test {
namespace {

using ToolRegistry = RegistryTest;

TEST_F(ToolRegistry, TheCompiledInTypesAreRegisteredInTableOrderThenGroupAndEmpty) {
    Library& core = CoreLibrary::Instance();
    EXPECT_EQ(core.GetPath(), "Core");
    EXPECT_EQ(core.GetName(), "Core");
    EXPECT_EQ(core.GetModule(), nullptr);
    ASSERT_EQ(Manager().GetLibraryCount(), 1u);
    EXPECT_EQ(Manager().FindLibrary("Core"), &core);
    EXPECT_EQ(Manager().FindLibrary("core"), nullptr);

    Names expected;
    for (int i = 0; CCameraPlugin* descriptor = CreateCompiledPlugin(i); ++i) {
        expected.push_back(descriptor->getIdentifier());
        descriptor->release();
    }
    ASSERT_EQ(expected.size(), 41u);
    expected.push_back("Group");
    expected.push_back("EmptyPlugin");

    ASSERT_EQ(Manager().GetToolCount(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        Tool* tool = Manager().GetTool(i);
        ASSERT_EQ(tool, core.GetTool(i));
        EXPECT_EQ(tool->GetIdentifier(), expected[i]) << i;
        EXPECT_EQ(tool->getName(), expected[i]) << "message node named after the identifier";
        EXPECT_EQ(&tool->GetLibrary(), &core);
    }
    EXPECT_EQ(Manager().GetTool(expected.size()), nullptr);
}

TEST_F(ToolRegistry, ToolsAreFoundByIdentifierAndByFurtherTypeNamesFirstRegisteredFirst) {
    Tool* car = Manager().FindTool("4VeredevOro");
    ASSERT_NE(car, nullptr);
    EXPECT_EQ(car->GetTypeNames(), (Names{"4VeredevOro", "CarExtended"}));
    EXPECT_EQ(Manager().FindTool("CarExtended"), car);
    ASSERT_NE(Manager().FindTool("VezizaZav"), nullptr);
    EXPECT_EQ(Manager().FindTool("VezizaZav")->GetIdentifier(), "VuzaZaderaRav");
    EXPECT_EQ(Manager().FindTool("carextended"), nullptr) << "names compare exactly";
    EXPECT_EQ(Manager().FindTool("Nothing"), nullptr);

    // A later library naming a known type does not shadow it; its other types are found, and the
    // tools are counted library after library.
    Library* later =
        MakeLibrary("later", {new FakeDescriptor("Gyro", "Utility"), new FakeDescriptor("Late", "")});
    Tool* gyro = Manager().FindTool("Gyro");
    EXPECT_EQ(&gyro->GetLibrary(), &CoreLibrary::Instance());
    EXPECT_EQ(Manager().FindTool("Late"), later->GetTool(1));
    EXPECT_EQ(Manager().GetTool(43), later->GetTool(0));
    EXPECT_EQ(Manager().GetToolCount(), 45u);
}

TEST_F(ToolRegistry, APluginAnswersFromItsDescriptor) {
    Tool* car = Manager().FindTool("4VeredevOro");
    EXPECT_EQ(car->GetKind(), Tool::kPluginKind);
    EXPECT_TRUE(car->IsListed());
    EXPECT_EQ(car->GetFolderName(), "carextended");
    EXPECT_EQ(car->GetCategories(), Names{"Vehicle"});
    EXPECT_EQ(car->GetUserFolder(), documents.Path() + "\\Torva Labs\\torvasuite/data/carextended");
    EXPECT_EQ(car->GetFactoryFolder(), ":/torvasuite/data/carextended");
    EXPECT_EQ(car->GetImageFolder(), "/carextended/images");
    EXPECT_EQ(Manager().FindTool("LookAtCam")->GetFileName(), "utility_lookatcam");
    EXPECT_EQ(Manager().FindTool("Firepower")->GetCategories(), (Names{"Accessory", "Weapon"}));
    EXPECT_EQ(car->GetInfoComponent(), nullptr);
    EXPECT_EQ(car->CreateInstance(""), nullptr);

    util::xml::Element description;
    car->WriteDescription(description);
    EXPECT_EQ(description.GetName(), "VXB_Plugin");
    EXPECT_EQ(description.GetAttribute("version"), "2.5");
    ASSERT_EQ(description.CountChildren(), 2u);
    EXPECT_EQ(description.GetChild(std::size_t{0})->GetName(), "type");
    EXPECT_EQ(description.GetChild("type")->GetText(), "4VeredevOro");
    EXPECT_EQ(description.GetChild(std::size_t{1})->GetName(), "name");

    Library* extra =
        MakeLibrary("extra", {new FakeDescriptor("Hidden", "Camera", nullptr, {Plugin::kUnlistedExtension}),
                              new FakeDescriptor("Slashed", "")});
    EXPECT_FALSE(extra->GetTool(0)->IsListed());
    EXPECT_TRUE(extra->GetTool(1)->GetCategories().empty());
    EXPECT_EQ(extra->GetTool(1)->GetFileName(), "fake_Slashed");
}

TEST_F(ToolRegistry, ToolObjectsAreKeptUntilReleasedAndGoLastFirst) {
    auto* descriptor = new FakeDescriptor("Maker", "", &log);
    Tool* tool = MakeLibrary("maker", {descriptor})->GetTool(0);

    CCamera* a = tool->CreateObject("a");
    CCamera* b = tool->CreateObject("b");
    tool->CreateObject("c");
    ASSERT_NE(a, nullptr);
    EXPECT_EQ(a->name, "a");
    EXPECT_EQ(a->plugin, descriptor);
    EXPECT_EQ(tool->GetObjectCount(), 3u);

    EXPECT_TRUE(tool->ReleaseObject(b));
    EXPECT_FALSE(tool->ReleaseObject(b));
    EXPECT_FALSE(tool->ReleaseObject(nullptr));
    Manager().DestroyToolObjects();
    EXPECT_EQ(log, (Names{"release b", "release c", "release a"}));
    EXPECT_EQ(tool->GetObjectCount(), 0u);

    // A library going destroys its tools last first, each with the objects it still holds first.
    auto* second = new FakeDescriptor("Second", "", &log);
    Library* library = MakeLibrary("pair", {new FakeDescriptor("First", "", &log), second});
    library->GetTool(1)->CreateObject("s1");
    log.clear();
    delete library;
    EXPECT_EQ(log, (Names{"release s1", "release Second", "release First"}));
    EXPECT_EQ(Manager().FindLibrary("pair"), nullptr);
}

TEST_F(ToolRegistry, ShutdownDestroysToolObjectsAndTheManagerDestroysEveryLibrary) {
    Tool* tool = MakeLibrary("kept", {new FakeDescriptor("Kept", "", &log)})->GetTool(0);
    {
        adaptor::memory::MemoryAdaptor host;
        ASSERT_NE(FindCore(), nullptr);
        EXPECT_EQ(Manager().FindTool("Kept"), tool) << "start-up keeps the libraries already loaded";
        tool->CreateObject("one");
        tool->CreateObject("two");
    }
    EXPECT_EQ(log, (Names{"release two", "release one"}));

    log.clear();
    LibraryManager::DestroyInstance();
    EXPECT_EQ(log, Names{"release Kept"});
    EXPECT_FALSE(CoreLibrary::Exists()) << "the compiled-in library goes with the manager";
    EXPECT_EQ(LibraryManager::Instance().GetLibraryCount(), 0u);
    EXPECT_EQ(CoreLibrary::Instance().GetToolCount(), 43u) << "and can be made again";
}

TEST_F(ToolRegistry, ALibraryIsNamedAfterItsFileWithoutFolderAndExtension) {
    EXPECT_EQ(Library::NameFromPath("C:\\Program Files\\a.b/tools\\car.v2.dll"), "car");
    EXPECT_EQ(Library::NameFromPath("/opt/x.y/models/racer"), "racer");
    EXPECT_EQ(Library::NameFromPath("plain.prm"), "plain");
    EXPECT_EQ(Library::NameFromPath("folder/"), "");
}

} // namespace
} // namespace vex::orb::core::test
