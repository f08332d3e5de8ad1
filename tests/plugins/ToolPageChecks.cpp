#include "tests/plugins/ToolPageChecks.h"

#include "core/configadaptor/Button.h"
#include "core/configadaptor/CheckBox.h"
#include "core/configadaptor/ComboBox.h"
#include "core/configadaptor/Root.h"
#include "core/configadaptor/Spinner.h"
#include "core/configadaptor/Spinner_Int.h"

#include <gtest/gtest.h>

#include <string>
#include <type_traits>
#include <variant>

namespace vex::orb::core::test {
namespace {

namespace element = configadaptor::element;

// The checks of one table item against the element the page holds for it.
struct ItemCheck {
    Instance& instance;
    const configadaptor::Node& node;

    template <class Element, class Item>
    const Element* Common(const Item& item) const {
        const auto* e = dynamic_cast<const Element*>(&node);
        EXPECT_NE(e, nullptr) << item.name << " is another kind of item";
        if (e == nullptr) return nullptr;
        EXPECT_EQ(e->getLabel(), item.name);
        EXPECT_EQ(e->GetTooltip(), item.help) << item.name;
        EXPECT_EQ(e->GetCallback(), item.callback) << item.name;
        return e;
    }
    template <class T>
    void operator()(const addon::SpinnerOf<T>& item) const {
        using Element = std::conditional_t<std::is_integral_v<T>, element::Spinner_Int, element::Spinner>;
        if (const auto* e = Common<Element>(item)) {
            EXPECT_EQ(e->GetVariable(), item.value) << item.name;
            EXPECT_EQ(e->GetMin(), item.min) << item.name;
            EXPECT_EQ(e->GetMax(), item.max) << item.name;
            EXPECT_EQ(e->GetStep(), item.step) << item.name;
            EXPECT_EQ(e->GetSetting(), item.setting) << item.name;
        }
        EXPECT_EQ(instance.findInputChannel("Spinner: " + item.name) != nullptr, item.channel) << item.name;
    }
    void operator()(const addon::CheckBoxItem& item) const {
        if (const auto* e = Common<element::CheckBox>(item)) {
            EXPECT_EQ(e->GetVariable(), item.value) << item.name;
        }
    }
    void operator()(const addon::ComboBoxItem& item) const {
        if (const auto* e = Common<element::ComboBox>(item)) {
            EXPECT_EQ(e->GetVariable(), item.value) << item.name;
            EXPECT_EQ(e->GetItems(), item.items) << item.name;
        }
    }
    void operator()(const addon::ButtonItem& item) const { Common<element::Button>(item); }
};

} // namespace

void ExpectPageIs(Instance& instance, const addon::ToolPage& table) {
    const element::Root* page = instance.GetPage();
    ASSERT_NE(page, nullptr);
    ASSERT_EQ(page->CountChildren(), table.size());
    for (size_t g = 0; g < table.size(); ++g) {
        const configadaptor::Node* group = page->getChild(g);
        EXPECT_EQ(group->getLabel(), table[g].name);
        EXPECT_EQ(group->GetTooltip(), table[g].help) << table[g].name;
        ASSERT_EQ(group->CountChildren(), table[g].items.size()) << table[g].name;
        for (size_t i = 0; i < table[g].items.size(); ++i)
            std::visit(ItemCheck{instance, *group->getChild(i)}, table[g].items[i]);
    }
}

} // namespace vex::orb::core::test
