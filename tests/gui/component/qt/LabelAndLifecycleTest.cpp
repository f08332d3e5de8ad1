#include "gui/component/Label.h"
#include "gui/componentinterface/Dialog.h"
#include "gui/componentinterface/Scroll.h"
#include "gui/qt/Realisation.h"
#include "tests/gui/GuiTestSupport.h"

#include <QAbstractButton>
#include <QDialog>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QScrollArea>
#include <QScrollBar>

namespace vex::gui::component {
namespace {

TEST(Label, TextAndPresentation) {
    auto root = test::BuildLayout(R"(<list>
        <label id="1" wrap="yes" selectable="yes" hyperlinks="yes" style="sunken" halign="right" valign="bottom"
            >&#60;b&#62;bold&#60;/b&#62; text</label>
        <label id="2" wrap="no" style="raised">plain</label></list>)");
    ASSERT_TRUE(root);
    auto* label = root->FindById<component::Label>(1);
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->GetText(), "<b>bold</b> text");
    EXPECT_TRUE(label->GetWrap());
    auto* widget = dynamic_cast<QLabel*>(gui::qt::AsWidget(label));
    EXPECT_TRUE(widget->wordWrap());
    EXPECT_TRUE(widget->openExternalLinks());
    EXPECT_TRUE(widget->textInteractionFlags() & Qt::TextSelectableByMouse);
    EXPECT_TRUE(widget->textInteractionFlags() & Qt::LinksAccessibleByMouse);
    EXPECT_EQ(widget->alignment(), Qt::AlignRight | Qt::AlignBottom);
    EXPECT_EQ(widget->frameShadow(), QFrame::Sunken);
    auto* plain = dynamic_cast<QLabel*>(gui::qt::AsWidget(root->FindById(2)));
    EXPECT_FALSE(plain->wordWrap());
    EXPECT_EQ(plain->textInteractionFlags(), Qt::NoTextInteraction);
    EXPECT_EQ(plain->frameShadow(), QFrame::Raised);

    label->SetText("changed");
    EXPECT_EQ(label->GetText(), "changed");
}

TEST(Lifecycle, TreesOfEveryKindAreTornDownSafely) {
    const char* layout = R"(<dialog id="1" label="All"><list>
        <border><group label="g"><list type="horizontal">
            <button id="2" label="b" toggle="yes"/><flmbutton id="3"><popup><item id="1" label="i"/></popup></flmbutton>
            <checkbox id="4" defaultstate="true"/></list></group></border>
        <scroll id="5"><list><combobox id="6" editable="yes"><item>a</item><item>b</item></combobox>
            <textbox id="7" defaulttext="t"/><spinner id="8"/><progressbar id="9"/>
            <listbox id="10"><item>x</item></listbox><label id="11">l</label></list></scroll>
    </list></dialog>)";
    auto root = test::BuildLayout(layout);
    ASSERT_TRUE(root);
    for (int id = 1; id <= 11; ++id) EXPECT_NE(root->FindById(id), nullptr) << id;
    auto window = std::make_unique<test::EventRecorder>(*root);
    root->FindById<componentinterface::Dialog>(1)->Open();
    auto* edit = dynamic_cast<QLineEdit*>(gui::qt::AsWidget(root->FindById(7)));
    edit->setFocus();
    edit->setText("unfinished");
    QApplication::processEvents();

    // Taking a subtree out and destroying it leaves the rest working.
    std::unique_ptr<Component> scroll = root->FindById(5)->getParent()->RemoveChild(root->FindById(5));
    ASSERT_TRUE(scroll);
    scroll.reset();
    EXPECT_EQ(root->FindById(7), nullptr);
    QApplication::processEvents();
    const std::size_t before = window->events.size();
    dynamic_cast<QAbstractButton*>(gui::qt::AsWidget(root->FindById(2)))->click();
    EXPECT_GT(window->events.size(), before);

    // Destroying the open window with its subscriber still connected.
    root.reset();
    EXPECT_EQ(window->getSubscriptionCount(), 0);
    window.reset();

    // The window side may go first, too.
    root = test::BuildLayout(layout);
    window = std::make_unique<test::EventRecorder>(*root);
    window.reset();
    EXPECT_EQ(root->getSubscriberCount(), 0);
    root->FindById<componentinterface::Dialog>(1)->Open();
    root->FindById<componentinterface::Dialog>(1)->Close();
}

TEST(Scroll, ScrollsTheContent) {
    auto root = test::BuildLayout(R"(<scroll id="1" width="100" height="80" fixed="yes">
        <list id="2"><label minwidth="400" minheight="300"/></list></scroll>)");
    ASSERT_TRUE(root);
    auto* area = dynamic_cast<QScrollArea*>(gui::qt::AsWidget(root.get()));
    area->show();
    QApplication::processEvents();
    root->FindById<componentinterface::Scroll>(1)->ScrollTo(50, 60);
    EXPECT_EQ(area->horizontalScrollBar()->value(), 50);
    EXPECT_EQ(area->verticalScrollBar()->value(), 60);
}

TEST(Dialog, IconComesThroughAPathVariable) {
    test::App();
    const std::string folder = ::testing::TempDir();
    QPixmap pixmap(8, 8);
    pixmap.fill(Qt::green);
    ASSERT_TRUE(pixmap.save(QString::fromStdString(folder + "/icon.png")));
    auto root = test::BuildLayout(R"(<dialog icon="[images]/icon.png"/>)");
    ASSERT_TRUE(root);
    EXPECT_TRUE(gui::qt::AsWidget(root.get())->windowIcon().isNull());
    root->SetPathVariable("images", folder);
    EXPECT_FALSE(gui::qt::AsWidget(root.get())->windowIcon().isNull());
}

} // namespace
} // namespace vex::gui::component
