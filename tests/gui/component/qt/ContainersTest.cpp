#include "gui/Background.h"
#include "gui/component/Dialog.h"
#include "gui/componentinterface/Border.h"
#include "gui/componentinterface/Dialog.h"
#include "gui/componentinterface/Group.h"
#include "gui/componentinterface/Scroll.h"
#include "gui/qt/QBoxLayoutLimited.h"
#include "gui/qt/Realisation.h"
#include "tests/gui/GuiTestSupport.h"
#include "tests/gui/LayoutGeometry.h"
#include "util/AbstractFactory.h"

#include <QDialog>
#include <QFrame>
#include <QGroupBox>
#include <QLayout>
#include <QScrollArea>

namespace vex::gui::component {
namespace {

using componentinterface::Dialog;

TEST(Dialog, WindowAttributes) {
    auto root = test::BuildLayout(R"(<dialog id="1" label="Settings" topmost="yes" maximizebtn="yes"
        minimizebtn="no" closebtn="no" titlebar="yes" modal="yes" padding="4 4 4 4" padding-bottom="9"
        desiredwidth="320" desiredheight="240"><list><label>x</label></list></dialog>)");
    ASSERT_TRUE(root);
    auto* dialog = dynamic_cast<component::Dialog*>(root.get());
    ASSERT_NE(dialog, nullptr);
    EXPECT_TRUE(dialog->IsTopmost());
    EXPECT_TRUE(dialog->HasMaximizeButton());
    EXPECT_FALSE(dialog->HasMinimizeButton());
    EXPECT_FALSE(dialog->HasCloseButton());
    EXPECT_TRUE(dialog->IsModal());
    auto* window = dynamic_cast<QDialog*>(gui::qt::AsWidget(root.get()));
    EXPECT_EQ(window->windowTitle(), "Settings");
    EXPECT_TRUE(window->windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_TRUE(window->windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_FALSE(window->windowFlags() & Qt::WindowCloseButtonHint);
    EXPECT_TRUE(window->isModal());
    EXPECT_EQ(window->layout()->contentsMargins(), QMargins(4, 4, 4, 9));
    EXPECT_EQ(window->size(), QSize(320, 240));
    EXPECT_FALSE(window->isVisible()); // building opens no window

    auto plain = test::BuildLayout(R"(<dialog titlebar="no"/>)");
    auto* bare = dynamic_cast<component::Dialog*>(plain.get());
    EXPECT_TRUE(bare->HasCloseButton());
    EXPECT_FALSE(bare->IsModal());
    EXPECT_TRUE(gui::qt::AsWidget(plain.get())->windowFlags() & Qt::FramelessWindowHint);
}

TEST(Dialog, ShownActivatedAndClosedAreReported) {
    auto root = test::BuildLayout(R"(<dialog id="50"><list><button id="51" label="OK"/></list></dialog>)");
    ASSERT_TRUE(root);
    test::EventRecorder window(*root);
    auto* dialog = root->FindById<Dialog>(50);
    dialog->Open();
    QApplication::processEvents();
    ASSERT_EQ(window.Of(Dialog::kShown).size(), 1u);
    EXPECT_EQ(window.Of(Dialog::kShown)[0].id, 50);
    QEvent activation(QEvent::ActivationChange);
    QApplication::sendEvent(gui::qt::AsWidget(root.get()), &activation);
    EXPECT_FALSE(window.Of(Dialog::kActivation).empty());

    dialog->Close(3);
    const auto closed = window.Of(Dialog::kClosed);
    ASSERT_EQ(closed.size(), 1u);
    EXPECT_EQ(closed[0].id, 50);
    EXPECT_EQ(closed[0].value, 3);
    EXPECT_FALSE(gui::qt::AsWidget(root.get())->isVisible());

    // Closing by the window's own close (the title bar's button) is reported too.
    dialog->Open();
    gui::qt::AsWidget(root.get())->close();
    EXPECT_EQ(window.Of(Dialog::kClosed).size(), 2u);
    EXPECT_EQ(window.Of(Dialog::kClosed).back().value, 0);
}

TEST(Containers, BorderGroupAndScroll) {
    auto root = test::BuildLayout(R"(<list>
        <border id="1" style="sunken" padding="3 3 3 3"><list><label>in border</label></list></border>
        <border id="2"><label/></border>
        <group id="3" label="Options" halign="right"><list id="30"><label/></list></group>
        <scroll id="4"><list id="40"><label/></list><label id="41"/></scroll>
    </list>)");
    ASSERT_TRUE(root);
    auto* sunken = dynamic_cast<QFrame*>(gui::qt::AsWidget(root->FindById(1)));
    EXPECT_EQ(sunken->frameShadow(), QFrame::Sunken);
    EXPECT_EQ(sunken->layout()->contentsMargins(), QMargins(3, 3, 3, 3));
    EXPECT_NE(dynamic_cast<QFrame*>(gui::qt::AsWidget(root->FindById(2)))->frameShape(), QFrame::NoFrame);
    root->FindById<componentinterface::Border>(2)->SetFrameStyle("none");
    EXPECT_EQ(dynamic_cast<QFrame*>(gui::qt::AsWidget(root->FindById(2)))->frameShape(), QFrame::NoFrame);

    auto* group = root->FindById<componentinterface::Group>(3);
    EXPECT_EQ(group->GetTitle(), "Options");
    auto* groupBox = dynamic_cast<QGroupBox*>(gui::qt::AsWidget(root->FindById(3)));
    EXPECT_EQ(groupBox->title(), "Options");
    EXPECT_EQ(groupBox->layout()->itemAt(0)->alignment(), Qt::AlignRight);

    auto* scroll = root->FindById<componentinterface::Scroll>(4);
    EXPECT_EQ(scroll->GetContent(), root->FindById(40));
    auto* area = dynamic_cast<QScrollArea*>(gui::qt::AsWidget(root->FindById(4)));
    EXPECT_EQ(area->widget(), gui::qt::AsWidget(root->FindById(40)));
    EXPECT_TRUE(gui::qt::AsWidget(root->FindById(41))->isHidden());
    // Destroying the tree with a scroll view in it must not delete the content twice.
    root.reset();
}

// Shown on screen, a bordered frame keeps its line clear of its content and a group keeps its title
// above its first row; margin and padding add up inside the frame without hiding either.
TEST(Containers, FramesAndTitlesStayClearOfTheirContent) {
    auto root = test::BuildLayout(R"(<list width="300">
        <border id="1" style="thin"><list><label>in border</label></list></border>
        <border id="2" style="sunken" margin="4 4 4 4" padding="2 1 2 1"><list><label>spaced</label></list></border>
        <group id="3" label="Options"><list id="30"><label>first row</label><label>second row</label></list></group>
    </list>)");
    ASSERT_TRUE(root);
    QWidget* window = gui::qt::AsWidget(root.get());
    window->show();
    QApplication::processEvents();

    auto* thin = dynamic_cast<QFrame*>(gui::qt::AsWidget(root->FindById(1)));
    EXPECT_EQ(thin->frameShape(), QFrame::Box);
    EXPECT_GT(thin->lineWidth(), 0);
    const int line = thin->frameWidth();
    ASSERT_GT(line, 0);
    EXPECT_EQ(thin->contentsMargins(), QMargins(line, line, line, line));

    auto* spaced = dynamic_cast<QFrame*>(gui::qt::AsWidget(root->FindById(2)));
    EXPECT_EQ(spaced->layout()->contentsMargins(), QMargins(6, 5, 6, 5));
    EXPECT_GT(spaced->contentsMargins().left(), 0);

    auto* group = dynamic_cast<QGroupBox*>(gui::qt::AsWidget(root->FindById(3)));
    const QRect title = test::GroupTitleRect(*group);
    ASSERT_FALSE(title.isEmpty());
    const QWidget* rows = gui::qt::AsWidget(root->FindById(30));
    EXPECT_GT(rows->geometry().top(), title.bottom());

    const std::vector<std::string> problems = test::LayoutProblems(*window);
    EXPECT_TRUE(problems.empty()) << ::testing::PrintToString(problems);
}

TEST(Containers, ListLimitsFollowTheChildren) {
    auto root = test::BuildLayout(R"(<list padding="2 2 2 2">
        <label maxwidth="50" maxheight="20"/><label maxwidth="100" maxheight="30"/></list>)");
    ASSERT_TRUE(root);
    QLayout* layout = gui::qt::AsWidget(root.get())->layout();
    const int spacing = std::max(layout->spacing(), 0);
    EXPECT_EQ(layout->maximumSize(), QSize(100 + 4, 20 + 30 + spacing + 4));

    // One child without limit lifts the limit along and across.
    auto open = test::BuildLayout(R"(<list type="horizontal"><label maxwidth="50"/><label/></list>)");
    EXPECT_EQ(gui::qt::AsWidget(open.get())->layout()->maximumSize().width(), Component::kNoLimit);
}

TEST(Containers, KindsRegisteredInTheFixedOrder) {
    ComponentBuilder::RegisterFactories();
    const std::vector<std::string> names = util::AbstractFactory<Component>::FactoryNames();
    const std::vector<std::string> first = {"dialog", "button",  "flmbutton", "list", "border",
                                            "scroll", "textbox", "combobox",  "group"};
    ASSERT_GE(names.size(), first.size());
    EXPECT_EQ(std::vector<std::string>(names.begin(), names.begin() + first.size()), first);
    for (const char* rest : {"label", "checkbox", "spinner", "progressbar", "listbox"})
        EXPECT_NE(std::find(names.begin(), names.end(), rest), names.end()) << rest;
    EXPECT_EQ(util::AbstractFactory<Background>::FactoryNames(),
              (std::vector<std::string>{"color", "gradient-linear"}));
}

} // namespace
} // namespace vex::gui::component
