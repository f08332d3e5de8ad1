#include "core/CompiledPluginTable.h"
#include "core/CoreStartup.h"
#include "system/adaptors/memory/MemoryAdaptor.h"
#include "tests/core/ToolTestSupport.h"
#include "util/xml/Element.h"

#include <gtest/gtest.h>

namespace vex::orb::core::test {
namespace {

using ToolRegistry = RegistryTest;

TEST_F(ToolRegistry, TheCompiledInTypesAreRegisteredInTableOrderThenGroupAndEmpty) {
    Library& core = CoreLibrary::Instance();
    EXPECT_EQ(Manager().FindLibrary("Core"), &core);
    EXPECT_EQ(core.GetModule(), nullptr);
    Names expected;
    for (int i = 0; CCameraPlugin* descriptor = CreateCompiledPlugin(i); ++i) {
        expected.push_back(descriptor->getIdentifier());
        descriptor->release();
    }
    ASSERT_EQ(expected.size(), 41u);
    expected.insert(expected.end(), {"Group", "EmptyPlugin"});
    ASSERT_EQ(Manager().GetToolCount(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(Manager().GetTool(i)->GetIdentifier(), expected[i]) << i;
        EXPECT_EQ(Manager().GetTool(i)->getName(), expected[i]) << "the message node's name";
    }
    EXPECT_EQ(Manager().GetTool(expected.size()), nullptr);
}

TEST_F(ToolRegistry, ToolsAreFoundByAnyTypeNameFirstRegisteredFirst) {
    Tool* car = Manager().FindTool("4VeredevOro");
    ASSERT_NE(car, nullptr);
    EXPECT_EQ(car->GetTypeNames(), (Names{"4VeredevOro", "CarExtended"}));
    EXPECT_EQ(Manager().FindTool("CarExtended"), car);
    EXPECT_EQ(Manager().FindTool("VezizaZav"), Manager().FindTool("VuzaZaderaRav"));
    EXPECT_EQ(Manager().FindTool("carextended"), nullptr);

    Library* later = MakeLibrary("later", {new FakeDescriptor("Gyro", ""), new FakeDescriptor("Late", "")});
    EXPECT_EQ(&Manager().FindTool("Gyro")->GetLibrary(), &CoreLibrary::Instance());
    EXPECT_EQ(Manager().GetTool(44), later->GetTool(1));
    EXPECT_EQ(Manager().FindTool("Late"), later->GetTool(1));
}

TEST_F(ToolRegistry, APluginAnswersFromItsDescriptor) {
    Tool* car = Manager().FindTool("4VeredevOro");
    EXPECT_EQ(car->GetKind(), Tool::kPluginKind);
    EXPECT_EQ(car->GetCategories(), Names{"Vehicle"});
    EXPECT_EQ(car->GetUserFolder(), documents_.Path() + "\\Torva Labs\\torvasuite/data/carextended");
    EXPECT_EQ(car->GetFactoryFolder(), ":/torvasuite/data/carextended");
    EXPECT_EQ(Manager().FindTool("LookAtCam")->GetFileName(), "utility_lookatcam");
    EXPECT_EQ(Manager().FindTool("Firepower")->GetCategories(), (Names{"Accessory", "Weapon"}));

    util::xml::Element description;
    car->WriteDescription(description);
    EXPECT_EQ(description.ToString(),
              "<VXB_Plugin version=\"2.5\">\n\t<type>4VeredevOro</type>\n\t<name/>\n</VXB_Plugin>");
}

TEST_F(ToolRegistry, ToolObjectsAreKeptUntilReleasedAndGoLastFirst) {
    auto* descriptor = new FakeDescriptor("Maker", "", &log_);
    Tool* tool = MakeLibrary("maker", {descriptor})->GetTool(0);
    CCamera* a = tool->CreateObject("a");
    CCamera* b = tool->CreateObject("b");
    tool->CreateObject("c");
    ASSERT_NE(a, nullptr);
    EXPECT_EQ(a->name, "a");
    EXPECT_EQ(a->plugin, descriptor);
    EXPECT_TRUE(tool->ReleaseObject(b));
    EXPECT_FALSE(tool->ReleaseObject(b));
    Manager().DestroyToolObjects();
    EXPECT_EQ(log_, (Names{"release b", "release c", "release a"}));

    // A library destroys its tools last first, each after the objects it still holds.
    Library* pair = MakeLibrary(
        "pair", {new FakeDescriptor("First", "", &log_), new FakeDescriptor("Second", "", &log_)});
    pair->GetTool(1)->CreateObject("s1");
    log_.clear();
    delete pair;
    EXPECT_EQ(log_, (Names{"release s1", "release Second", "release First"}));
    EXPECT_EQ(Manager().FindLibrary("pair"), nullptr);
}

TEST_F(ToolRegistry, ShutdownDestroysToolObjectsAndTheManagerDestroysEveryLibrary) {
    Tool* tool = MakeLibrary("kept", {new FakeDescriptor("Kept", "", &log_)})->GetTool(0);
    {
        adaptor::memory::MemoryAdaptor host;
        ASSERT_NE(FindCore(), nullptr);
        EXPECT_EQ(Manager().FindTool("Kept"), tool) << "start-up keeps the libraries already there";
        tool->CreateObject("one");
        tool->CreateObject("two");
    }
    EXPECT_EQ(log_, (Names{"release two", "release one"}));

    LibraryManager::DestroyInstance();
    EXPECT_EQ(log_.back(), "release Kept");
    EXPECT_FALSE(CoreLibrary::Exists()) << "the compiled-in library goes with the manager, once";
    EXPECT_EQ(CoreLibrary::Instance().GetToolCount(), 43u);
}

} // namespace
} // namespace vex::orb::core::test
