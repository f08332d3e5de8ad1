#include "gui/component/CheckBox.h"
#include "gui/component/ComboBox.h"
#include "gui/component/Spinner.h"
#include "gui/component/TextBox.h"
#include "gui/componentinterface/ListBox.h"
#include "gui/componentinterface/Progressbar.h"
#include "gui/qt/Realisation.h"
#include "tests/gui/GuiTestSupport.h"
#include "tests/support/CommaLocale.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>

namespace vex::gui::component {
namespace {

using CheckState = componentinterface::CheckBox::State;

TEST(TextBox, EditingIsReportedWithTheText) {
    auto root = test::BuildLayout(R"(<list id="1"><textbox id="5" defaulttext="start"/>
        <textbox id="6" editable="no" defaulttext="fixed"/><textbox id="7" editable="yes"/></list>)");
    ASSERT_TRUE(root);
    test::EventRecorder window(*root);
    auto* box = root->FindById<component::TextBox>(5);
    auto* edit = dynamic_cast<QLineEdit*>(gui::qt::AsWidget(box));
    EXPECT_EQ(box->GetText(), "start");
    EXPECT_EQ(box->GetDefaultText(), "start");
    EXPECT_TRUE(box->IsEditable());
    EXPECT_TRUE(dynamic_cast<QLineEdit*>(gui::qt::AsWidget(root->FindById(6)))->isReadOnly());
    EXPECT_FALSE(root->FindById<component::TextBox>(6)->IsEditable());
    EXPECT_FALSE(dynamic_cast<QLineEdit*>(gui::qt::AsWidget(root->FindById(7)))->isReadOnly());

    edit->clear();
    for (const char* key : {"t", "y", "p", "e", "d"}) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString::fromLatin1(key));
        QApplication::sendEvent(edit, &press);
    }
    EXPECT_TRUE(window.Of(componentinterface::TextBox::kEditingFinished).empty());
    QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QApplication::sendEvent(edit, &enter);
    const auto finished = window.Of(componentinterface::TextBox::kEditingFinished);
    ASSERT_EQ(finished.size(), 1u);
    EXPECT_EQ(finished[0].id, 5);
    EXPECT_EQ(finished[0].text, "typed");

    box->SetEditable(false);
    EXPECT_TRUE(edit->isReadOnly());
}

TEST(ComboBox, ItemsAndEvents) {
    auto root = test::BuildLayout(R"(<list id="1"><combobox id="9" editable="yes">
        <item>Alpha</item><item label="Beta"/><item>Gamma</item></combobox>
        <combobox id="10"><item>only</item></combobox></list>)");
    ASSERT_TRUE(root);
    auto* combo = root->FindById<component::ComboBox>(9);
    ASSERT_NE(combo, nullptr);
    EXPECT_TRUE(combo->IsEditable());
    EXPECT_EQ(combo->GetLayoutItems(), (std::vector<std::string>{"Alpha", "Beta", "Gamma"}));
    EXPECT_EQ(combo->GetCount(), 3);
    EXPECT_EQ(combo->GetItem(1), "Beta");
    EXPECT_EQ(combo->GetCurrentIndex(), 0);
    EXPECT_FALSE(dynamic_cast<QComboBox*>(gui::qt::AsWidget(root->FindById(10)))->isEditable());

    // Building the box reported nothing; changes from now on do.
    test::EventRecorder window(*root);
    combo->SetCurrentIndex(2);
    auto changed = window.Of(componentinterface::ComboBox::kIndexChanged);
    ASSERT_EQ(changed.size(), 1u);
    EXPECT_EQ(changed[0].id, 9);
    EXPECT_EQ(changed[0].value, 2);
    EXPECT_EQ(combo->GetText(), "Gamma");

    auto* widget = dynamic_cast<QComboBox*>(gui::qt::AsWidget(combo));
    widget->setEditText("Delta");
    ASSERT_FALSE(window.Of(componentinterface::ComboBox::kEditTextChanged).empty());
    EXPECT_EQ(window.Of(componentinterface::ComboBox::kEditTextChanged).back().text, "Delta");

    emit widget->activated(1);
    ASSERT_EQ(window.Of(componentinterface::ComboBox::kActivated).size(), 1u);
    EXPECT_EQ(window.Of(componentinterface::ComboBox::kActivated)[0].value, 1);

    combo->Clear();
    EXPECT_EQ(combo->GetCount(), 0);
    EXPECT_EQ(window.Of(componentinterface::ComboBox::kIndexChanged).back().value, -1);
}

TEST(ComboBox, OpensOnTheEntryTheLayoutNames) {
    auto root = test::BuildLayout(R"(<list><combobox id="1" defaultindex="2"><item>a</item><item>b</item>
        <item>c</item></combobox><combobox id="2" defaultindex="5"><item>x</item><item>y</item></combobox>
        <combobox id="3" defaultindex="-1"><item>p</item></combobox></list>)");
    ASSERT_TRUE(root);
    auto* chosen = root->FindById<component::ComboBox>(1);
    EXPECT_EQ(chosen->GetDefaultIndex(), 2);
    EXPECT_EQ(chosen->GetCurrentIndex(), 2);
    EXPECT_EQ(dynamic_cast<QComboBox*>(gui::qt::AsWidget(chosen))->currentText(), "c");
    // An index the entries do not have leaves the box on its first entry.
    EXPECT_EQ(root->FindById<component::ComboBox>(2)->GetCurrentIndex(), 0);
    EXPECT_EQ(root->FindById<component::ComboBox>(3)->GetCurrentIndex(), 0);
}

TEST(ListBox, ItemsAndEvents) {
    auto root =
        test::BuildLayout(R"(<list><listbox id="4"><item>one</item><item>two</item></listbox></list>)");
    ASSERT_TRUE(root);
    auto* list = root->FindById<componentinterface::ListBox>(4);
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(list->GetCount(), 2);
    EXPECT_EQ(list->GetItem(1), "two");
    EXPECT_EQ(list->GetItem(5), "");
    test::EventRecorder window(*root);
    list->SetCurrentIndex(1);
    ASSERT_EQ(window.Of(componentinterface::ListBox::kIndexChanged).size(), 1u);
    EXPECT_EQ(window.Of(componentinterface::ListBox::kIndexChanged)[0].value, 1);

    auto* widget = dynamic_cast<QListWidget*>(gui::qt::AsWidget(root->FindById(4)));
    emit widget->itemDoubleClicked(widget->item(0));
    const auto doubled = window.Of(componentinterface::ListBox::kItemDoubleClicked);
    ASSERT_EQ(doubled.size(), 1u);
    EXPECT_EQ(doubled[0].id, 4);
    EXPECT_EQ(doubled[0].value, 0);
    EXPECT_EQ(doubled[0].text, "one");
}

// The layout's numbers ("0.5", "9") read the same whatever the process locale is.
void ExpectSpinnerRangeStepDecimalsAndEvents() {
    auto root = test::BuildLayout(R"(<list><spinner id="100" defaultvalue="3" min="0" max="9" step="0.5"
        decimals="1" triggerlength="400"/><spinner id="101" min="5" max="2" defaultvalue="-7"/></list>)");
    ASSERT_TRUE(root);
    auto* spinner = root->FindById<component::Spinner>(100);
    ASSERT_NE(spinner, nullptr);
    EXPECT_EQ(spinner->GetValue(), 3.0);
    EXPECT_EQ(spinner->GetTriggerLength(), 400);
    auto* widget = dynamic_cast<QDoubleSpinBox*>(gui::qt::AsWidget(spinner));
    EXPECT_EQ(widget->minimum(), 0.0);
    EXPECT_EQ(widget->maximum(), 9.0);
    EXPECT_EQ(widget->singleStep(), 0.5);
    EXPECT_EQ(widget->decimals(), 1);
    // A maximum below the minimum collapses the range; the value stays within it.
    auto* odd = root->FindById<component::Spinner>(101);
    EXPECT_EQ(odd->GetMaximum(), 5.0);
    EXPECT_EQ(odd->GetValue(), 5.0);

    test::EventRecorder window(*root);
    widget->stepUp();
    auto changed = window.Of(componentinterface::Spinner::kValueChanged);
    ASSERT_EQ(changed.size(), 1u);
    EXPECT_EQ(changed[0].id, 100);
    EXPECT_EQ(changed[0].number, 3.5);
    EXPECT_EQ(changed[0].value, 4);
    spinner->SetValue(12.0);
    EXPECT_EQ(spinner->GetValue(), 9.0);
    emit widget->editingFinished();
    ASSERT_EQ(window.Of(componentinterface::Spinner::kEditingFinished).size(), 1u);
    EXPECT_EQ(window.Of(componentinterface::Spinner::kEditingFinished)[0].number, 9.0);
}

TEST(Spinner, RangeStepDecimalsAndEvents) {
    ExpectSpinnerRangeStepDecimalsAndEvents();
}

class SpinnerUnderCommaLocale : public vex::test::CommaLocale {};

TEST_F(SpinnerUnderCommaLocale, RangeStepDecimalsAndEvents) {
    ExpectSpinnerRangeStepDecimalsAndEvents();
}

TEST(CheckBox, DefaultStatesAndEvents) {
    auto root = test::BuildLayout(R"(<list><checkbox id="1" label="On" defaultstate="true"/>
        <checkbox id="2" defaultstate="undetermined"/><checkbox id="3" tristate="yes" paintgroup="g"/>
        <checkbox id="4" defaultstate="maybe"/></list>)");
    ASSERT_TRUE(root);
    auto* on = root->FindById<component::CheckBox>(1);
    EXPECT_EQ(on->GetState(), CheckState::kTrue);
    EXPECT_EQ(dynamic_cast<QCheckBox*>(gui::qt::AsWidget(on))->text(), "On");
    EXPECT_FALSE(on->IsTristate());
    auto* undetermined = root->FindById<component::CheckBox>(2);
    EXPECT_EQ(undetermined->GetState(), CheckState::kUndetermined);
    EXPECT_TRUE(undetermined->IsTristate());
    EXPECT_TRUE(root->FindById<component::CheckBox>(3)->IsTristate());
    EXPECT_EQ(root->FindById<component::CheckBox>(3)->GetPaintGroup(), "g");
    EXPECT_EQ(root->FindById<component::CheckBox>(4)->GetState(), CheckState::kFalse);

    test::EventRecorder window(*root);
    dynamic_cast<QCheckBox*>(gui::qt::AsWidget(on))->click();
    EXPECT_EQ(on->GetState(), CheckState::kFalse);
    root->FindById<component::CheckBox>(3)->SetState(CheckState::kUndetermined);
    const auto changed = window.Of(componentinterface::CheckBox::kStateChanged);
    ASSERT_EQ(changed.size(), 2u);
    EXPECT_EQ(changed[0].id, 1);
    EXPECT_EQ(changed[0].value, static_cast<int>(CheckState::kFalse));
    EXPECT_EQ(changed[1].id, 3);
    EXPECT_EQ(changed[1].value, static_cast<int>(CheckState::kUndetermined));
}

TEST(Progressbar, RangeAndValue) {
    auto root = test::BuildLayout(R"(<list><progressbar id="100"/></list>)");
    ASSERT_TRUE(root);
    auto* bar = root->FindById<componentinterface::Progressbar>(100);
    ASSERT_NE(bar, nullptr);
    auto* widget = dynamic_cast<QProgressBar*>(gui::qt::AsWidget(root->FindById(100)));
    EXPECT_EQ(widget->maximum(), 100);
    bar->SetRange(10, 20);
    bar->SetValue(15);
    EXPECT_EQ(bar->GetValue(), 15);
    bar->SetValue(25); // out of range: ignored
    EXPECT_EQ(bar->GetValue(), 15);
}

} // namespace
} // namespace vex::gui::component
