#include "gui/Background.h"
#include "tests/gui/GuiTestSupport.h"
#include "util/AbstractFactory.h"
#include "util/xml/ResourceReader.h"

#include <algorithm>
#include <cstdio>
#include <fstream>

namespace vex::gui {
namespace {

using Components = util::AbstractFactory<Component>;

// A factory that counts its own destruction.
class CountingFactory : public Components::Factory {
public:
    explicit CountingFactory(std::string name, int& destroyed)
        : name_(std::move(name)), destroyed_(destroyed) {}
    std::string name() const override { return name_; }
    Component* create(const util::xml::Element&) override { return nullptr; }
    void destroy() override {
        ++destroyed_;
        delete this;
    }

private:
    std::string name_;
    int& destroyed_;
};

TEST(FactoryRegistry, DuplicatesAreRefusedAndDestroyed) {
    ComponentBuilder::RegisterFactories();
    int destroyed = 0;
    EXPECT_FALSE(Components::RegisterFactory(new CountingFactory("list", destroyed)));
    EXPECT_EQ(destroyed, 1);
    const auto names = Components::FactoryNames();
    EXPECT_EQ(std::count(names.begin(), names.end(), "list"), 1);

    // A new name is kept, and a second factory of that name refused; the first stays in charge.
    auto* kept = new CountingFactory("gauge", destroyed);
    EXPECT_TRUE(Components::RegisterFactory(kept));
    EXPECT_FALSE(Components::RegisterFactory(new CountingFactory("gauge", destroyed)));
    EXPECT_EQ(destroyed, 2);
    EXPECT_EQ(Components::FindFactory("gauge"), kept);
}

TEST(FactoryRegistry, ElementNamesMatchExactly) {
    BuildReport report;
    EXPECT_EQ(test::BuildLayout("<List/>", &report), nullptr);
    EXPECT_EQ(report.unknownElements, (std::vector<std::string>{"List"}));
    EXPECT_NE(test::BuildLayout("<list/>"), nullptr);
}

TEST(FactoryRegistry, LayoutFileProblemsAreReported) {
    test::App();
    BuildReport report;
    EXPECT_EQ(ComponentBuilder::CreateFromFile("/nonexistent/layout.xml", &report), nullptr);
    EXPECT_EQ(report.xmlStatus, 1);
    EXPECT_NE(report.Message().find("/nonexistent/layout.xml"), std::string::npos);

    const std::string path = ::testing::TempDir() + "/broken_layout.xml";
    std::ofstream(path) << "<list><label></list>";
    report = {};
    EXPECT_EQ(ComponentBuilder::CreateFromFile(path, &report), nullptr);
    EXPECT_EQ(report.xmlStatus, 4);
    EXPECT_FALSE(report.Ok());

    // An element without a factory is left out, with its subtree; the rest of the tree is built.
    std::ofstream(path, std::ios::trunc)
        << R"(<list id="1"><gizmo><label id="3"/></gizmo><label id="2"/></list>)";
    report = {};
    auto root = ComponentBuilder::CreateFromFile(path, &report);
    ASSERT_TRUE(root);
    EXPECT_EQ(report.xmlStatus, 0);
    EXPECT_EQ(report.unknownElements, (std::vector<std::string>{"gizmo"}));
    EXPECT_NE(report.Message().find("gizmo"), std::string::npos);
    EXPECT_NE(root->FindById(2), nullptr);
    EXPECT_EQ(root->FindById(3), nullptr);
    std::remove(path.c_str());
}

TEST(FactoryRegistry, ResourcePathsGoThroughTheReader) {
    util::xml::SetResourceReader([](const std::string& path, std::string& contents) {
        if (path != ":/layout/small.xml") return false;
        contents = R"(<list id="4"><label id="5">from the bundle</label></list>)";
        return true;
    });
    test::App();
    auto root = ComponentBuilder::CreateFromFile(":/layout/small.xml");
    util::xml::SetResourceReader({});
    ASSERT_TRUE(root);
    EXPECT_NE(root->FindById(5), nullptr);
}

} // namespace
} // namespace vex::gui
