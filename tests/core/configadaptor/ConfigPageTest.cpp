#include "core/configadaptor/Button.h"
#include "core/configadaptor/PageBuilder.h"
#include "core/configadaptor/Spinner.h"
#include "core/configadaptor/Spinner_Int.h"
#include "system/adaptors/memory/MemoryAdaptor.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace vex::orb::core::configadaptor {
namespace {

class RecordingCallback : public CInterface::Callback {
public:
    void onEvent(std::string name) override { events.push_back(std::move(name)); }
    std::vector<std::string> events;
};

class Listener : public util::MessageNode {
public:
    void receive(util::Message& message, bool) override {
        if (message.code > 0) received.emplace_back(message.code, message.parameter);
    }
    std::vector<std::pair<int32_t, int32_t>> received;
};

TEST(ConfigPage, ItemsAreNumberedFromZeroAndGroupsCarryNoId) {
    bool check = false;
    double d = 0;
    int i = 0;
    std::string text;
    int index = 0;
    PageBuilder builder;
    builder.beginConfiguration();
    builder.beginGroup("G", "");
    builder.addCheckBox("check", "", &check, nullptr);
    builder.addSeparator();
    builder.addSpinner("d", "", &d, 0, 1, 0.1, 1, false, 0, nullptr);
    builder.addButton("press", "", nullptr);
    builder.addTextBox("text", "", &text, nullptr);
    builder.endGroup();
    builder.endConfiguration();
    builder.beginConfiguration(); // appends to the open page and keeps counting
    builder.beginGroup("H", "");
    builder.addIntSpinner("i", "", &i, 0, 9, 1, 10, false, 0, nullptr);
    builder.addComboBox("combo", "", {"a", "b"}, &index, nullptr);

    element::Root* page = builder.GetPage();
    ASSERT_NE(page, nullptr);
    EXPECT_EQ(page->CountChildren(), 2u); // group G and the second root
    EXPECT_EQ(page->getChild(0)->GetId(), Node::kNoId);
    for (int32_t id = 0; id < 6; ++id) ASSERT_NE(page->FindById(id), nullptr) << id;
    EXPECT_EQ(page->FindById(0)->getLabel(), "check");
    EXPECT_EQ(page->FindById(3)->getLabel(), "text");
    EXPECT_EQ(page->FindById(5)->getLabel(), "combo");
    EXPECT_EQ(page->FindById(Node::kNoId), nullptr);
    EXPECT_EQ(builder.GetNextId(), 6);

    // Both roots' groups land in one profile, in page order.
    const util::xml::Element profile = page->saveProfile();
    ASSERT_EQ(profile.CountChildren("group"), 2u);
    EXPECT_EQ(profile.GetChild("group", 1)->GetAttribute("label"), "H");
}

TEST(ConfigPage, EndGroupAtTheRootPlacesLaterItemsAtTheTopOfThePage) {
    double a = 0, b = 0;
    PageBuilder builder;
    builder.beginConfiguration();
    builder.beginGroup("G", "");
    builder.endGroup();
    builder.endGroup(); // at the root
    EXPECT_EQ(builder.GetCurrent(), nullptr);
    builder.addSpinner("a", "", &a, 0, 1, 1, 1, false, 0, nullptr);
    builder.beginGroup("H", "");
    builder.addSpinner("b", "", &b, 0, 1, 1, 1, false, 0, nullptr);

    element::Root* page = builder.GetPage();
    ASSERT_EQ(page->CountChildren(), 3u);
    EXPECT_EQ(page->getChild(1)->getLabel(), "a");
    EXPECT_EQ(page->getChild(2)->getLabel(), "H");
    EXPECT_EQ(page->FindById(1)->getParent(), page->getChild(2));
}

TEST(ConfigPage, ReportsSpinnersThatWantAnInputChannel) {
    double d = 0;
    int i = 0;
    std::vector<std::pair<std::string, Node*>> channels;
    PageBuilder builder;
    builder.SetChannelHandler(
        [&](const std::string& name, Node& spinner) { channels.emplace_back(name, &spinner); });
    builder.beginConfiguration();
    Node* withChannel = builder.addSpinner("Speed", "", &d, 0, 1, 1, 1, true, 0, nullptr);
    builder.addSpinner("Quiet", "", &d, 0, 1, 1, 1, false, 0, nullptr);
    Node* intSpinner = builder.addIntSpinner("Count", "", &i, 0, 9, 1, 10, true, 0, nullptr);
    ASSERT_EQ(channels.size(), 2u);
    EXPECT_EQ(channels[0], std::make_pair(std::string("Spinner: Speed"), withChannel));
    EXPECT_EQ(channels[1], std::make_pair(std::string("Spinner: Count"), intSpinner));
}

TEST(ConfigPage, BuildsTheLayoutWithIdsAndCurrentValues) {
    double d = 2.5;
    int i = 4;
    PageBuilder builder;
    builder.beginConfiguration();
    builder.beginGroup("G", "help");
    builder.addSpinner("d", "tip", &d, 0, 10, 0.5, 1, false, 0, nullptr);
    builder.addIntSpinner("i", "", &i, 0, 9, 1, 10, false, 0, nullptr);
    const util::xml::Element layout = builder.GetPage()->buildLayout();
    EXPECT_EQ(layout.GetName(), "scroll");
    const util::xml::Element* list = layout.GetChild("list");
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(list->GetAttribute("type"), "vertical");
    const util::xml::Element* group = list->GetChild("group");
    ASSERT_NE(group, nullptr);
    EXPECT_EQ(group->GetChild("list")->GetChild("label")->GetText(), "G");
    const util::xml::Element* rows = group->GetChild("list")->GetChild("border")->GetChild("list");
    EXPECT_EQ(rows->GetAttribute("id"), "1"); // the slot the rows go into
    EXPECT_EQ(rows->GetAttribute("type"), "vertical");
    ASSERT_EQ(rows->CountChildren("list"), 2u);
    const util::xml::Element* spinner = rows->GetChild("list", 0)->GetChild("spinner");
    ASSERT_NE(spinner, nullptr);
    EXPECT_EQ(rows->GetChild("list", 0)->GetChild("label")->GetText(), "d");
    EXPECT_EQ(spinner->GetAttribute("id"), "0");
    EXPECT_EQ(spinner->GetAttribute("defaultvalue"), "2.5");
    EXPECT_EQ(spinner->GetAttribute("tooltip"), "tip");
    EXPECT_FALSE(spinner->HasAttribute("decimals"));
    const util::xml::Element* intSpinner = rows->GetChild("list", 1)->GetChild("spinner");
    EXPECT_EQ(intSpinner->GetAttribute("id"), "1");
    EXPECT_EQ(intSpinner->GetAttribute("defaultvalue"), "4");
    EXPECT_EQ(intSpinner->GetAttribute("decimals"), "0");
}

// A user edit is one host undo step labelled with the element's label; undo restores the value.
TEST(ConfigPage, UserEditIsOneUndoStepLabelledWithTheElement) {
    adaptor::memory::MemoryAdaptor host(24.0, 15107, false);
    SetCurrentAdaptor(&host);
    double speed = 1.0;
    RecordingCallback callback;
    Listener window;
    PageBuilder builder;
    builder.beginConfiguration();
    builder.beginGroup("G", "");
    builder.addSpinner("Speed", "", &speed, 0, 10, 1, 1, false, 0, &callback);
    window.connect(builder.GetPage());

    EXPECT_TRUE(builder.GetPage()->setValue(0, 7.25));
    EXPECT_EQ(speed, 7.25);
    EXPECT_EQ(builder.GetPage()->getValue(0), 7.25);
    EXPECT_EQ(callback.events, std::vector<std::string>{"Speed"});
    EXPECT_EQ(window.received, (std::vector<std::pair<int32_t, int32_t>>{{Node::kValueEdited, 0}}));
    EXPECT_EQ(host.GetUndoLabels(), std::vector<std::string>{"Speed"});

    EXPECT_TRUE(host.undo());
    EXPECT_EQ(speed, 1.0);
    EXPECT_TRUE(host.redo());
    EXPECT_EQ(speed, 7.25);
    EXPECT_FALSE(builder.GetPage()->setValue(42, 1.0));
    SetCurrentAdaptor(nullptr);
}

TEST(ConfigPage, EditsWithoutAnAdaptorOnlySetTheValue) {
    SetCurrentAdaptor(nullptr);
    int count = 1;
    RecordingCallback callback;
    PageBuilder builder;
    builder.beginConfiguration();
    builder.addIntSpinner("Count", "", &count, 0, 9, 1, 10, false, 0, &callback);
    builder.addButton("Reset", "", &callback);
    builder.GetPage()->setValue(0, 3.6);
    EXPECT_EQ(count, 4);
    builder.GetPage()->setValue(1, 0);
    EXPECT_EQ(callback.events, (std::vector<std::string>{"Count", "Reset"}));
}

} // namespace
} // namespace vex::orb::core::configadaptor
