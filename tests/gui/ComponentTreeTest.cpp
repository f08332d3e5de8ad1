#include "gui/Background.h"
#include "gui/PathVariables.h"
#include "gui/StdComponent.h"
#include "gui/background/Color.h"
#include "gui/background/Gradient_Linear.h"
#include "gui/component/List.h"
#include "gui/componentinterface/Label.h"
#include "gui/qt/Realisation.h"
#include "tests/gui/GuiTestSupport.h"
#include "util/AbstractFactory.h"

#include <QLabel>
#include <QLayout>
#include <QMenu>
#include <QPalette>

#include <cstdio>
#include <fstream>

namespace vex::gui {
namespace {

using test::BuildLayout;

StdComponent& Std(Component* component) {
    return dynamic_cast<StdComponent&>(*component);
}

TEST(ComponentTree, CommonAttributesAreRead) {
    auto root = BuildLayout(R"(<list id="1" component="root">
        <label id="2" left="3" top="4" width="50" height="6" desiredwidth="7" desiredheight="8"
               minwidth="9" minheight="10" maxwidth="110" maxheight="120" label="Name" tabstop="no"
               tooltipid="77" style="thin">text</label>
        <label id="3" visible="false"/><label id="4" visible="no"/><label id="5" visible="0"/>
        <label id="6" enabled="no"/><label id="7" enabled="yes"/>
    </list>)");
    ASSERT_TRUE(root);
    EXPECT_EQ(root->getName(), "root");
    Component* label = root->FindById(2);
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->GetLeft(), 3);
    EXPECT_EQ(label->GetTop(), 4);
    EXPECT_EQ(label->GetWidth(), 50);
    EXPECT_EQ(label->GetDesiredHeight(), 8);
    EXPECT_EQ(label->GetMinHeight(), 10);
    EXPECT_EQ(label->GetMaxWidth(), 110);
    EXPECT_EQ(label->GetLabel(), "Name");
    EXPECT_FALSE(label->GetTabStop());
    EXPECT_EQ(label->GetTooltipId(), 77);
    EXPECT_EQ(label->GetStyle(), "thin");
    EXPECT_EQ(root->FindById(6)->GetEnabled(), false);
    EXPECT_EQ(root->FindById(7)->GetEnabled(), true);

    // "false" and "no" hide; any other value, "0" included, leaves the component shown.
    for (int id : {3, 4}) {
        EXPECT_FALSE(root->FindById(id)->GetVisible()) << id;
        EXPECT_TRUE(qt::AsWidget(root->FindById(id))->isHidden()) << id;
    }
    EXPECT_TRUE(root->FindById(5)->GetVisible());
    EXPECT_FALSE(qt::AsWidget(root->FindById(5))->isHidden());
    EXPECT_FALSE(qt::AsWidget(root->FindById(6))->isEnabled());
    EXPECT_EQ(qt::AsWidget(label)->maximumWidth(), 110);
    EXPECT_EQ(qt::AsWidget(label)->sizeHint().width(), 50);

    // A hidden component can be shown again, and a shown one hidden.
    root->FindById(3)->SetVisible(true);
    EXPECT_FALSE(qt::AsWidget(root->FindById(3))->isHidden());
    root->FindById(5)->SetVisible(false);
    EXPECT_TRUE(qt::AsWidget(root->FindById(5))->isHidden());
}

TEST(ComponentTree, PaddingAndMarginTakeOneSideOverrides) {
    auto root = BuildLayout(R"(<list padding="5 2 5 2" padding-top="10" margin="1 1 1 1" margin-right="4">
        <label/></list>)");
    ASSERT_TRUE(root);
    const StdComponent& list = Std(root.get());
    EXPECT_EQ(list.GetPadding(), (StdComponent::Box{5, 10, 5, 2}));
    EXPECT_EQ(list.GetMargin(), (StdComponent::Box{1, 1, 4, 1}));
    EXPECT_EQ(qt::AsWidget(root.get())->layout()->contentsMargins(), QMargins(5, 10, 5, 2));

    // A malformed box leaves the defaults; a malformed side leaves that side.
    util::xml::Element element(util::xml::Element::Kind::Tag, "list");
    element.SetAttribute("padding", "1 2 three 4");
    element.SetAttribute("padding-left", "7");
    element.SetAttribute("padding-bottom", "x");
    EXPECT_EQ(StdComponent::ReadBox(element, "padding", {}), (StdComponent::Box{7, 0, 0, 0}));
}

TEST(ComponentTree, ListOrientation) {
    auto root = BuildLayout(R"(<list><list id="1" type="horizontal"/><list id="2" type="horizontel"/>
        <list id="3"/></list>)");
    ASSERT_TRUE(root);
    EXPECT_TRUE(root->FindById<componentinterface::List>(1)->IsHorizontal());
    EXPECT_FALSE(root->FindById<componentinterface::List>(2)->IsHorizontal());
    EXPECT_FALSE(root->FindById<componentinterface::List>(3)->IsHorizontal());
    auto* layout = static_cast<QBoxLayout*>(qt::AsWidget(root->FindById(2))->layout());
    EXPECT_EQ(layout->direction(), QBoxLayout::TopToBottom);
}

TEST(ComponentTree, FixedVerticallyKeepsHeightAndStretchesWidth) {
    auto root = BuildLayout(R"(<list><label id="1" fixed="vertical" height="20">a</label>
        <label id="2" fixed="yes" width="30" height="15">b</label></list>)");
    ASSERT_TRUE(root);
    QWidget* window = qt::AsWidget(root.get());
    QWidget* stretched = qt::AsWidget(root->FindById(1));
    QWidget* fixed = qt::AsWidget(root->FindById(2));
    window->resize(300, 200);
    window->show();
    for (const QSize size : {QSize(300, 200), QSize(450, 380)}) {
        window->resize(size);
        QApplication::processEvents();
        EXPECT_EQ(stretched->height(), 20);
        EXPECT_GT(stretched->width(), size.width() - 40);
        EXPECT_EQ(fixed->size(), QSize(30, 15));
    }
}

TEST(ComponentTree, TooltipAndNestedPopup) {
    auto root = BuildLayout(R"(<label id="1" tooltip="attribute"><tooltip>From the child</tooltip>
        <popup><item id="10" label="First"/><separator/>
            <popup label="More"><item id="11" label="Deep"/><popup label="Deeper"><item id="12" label="X"/></popup></popup>
        </popup></label>)");
    ASSERT_TRUE(root);
    EXPECT_EQ(root->GetTooltip(), "From the child");
    EXPECT_EQ(qt::AsWidget(root.get())->toolTip(), "From the child");
    const PopupMenu& popup = root->GetPopup();
    ASSERT_EQ(popup.entries.size(), 3u);
    EXPECT_EQ(popup.entries[1].kind, PopupMenu::Entry::Kind::kSeparator);
    const PopupMenu::Entry& more = popup.entries[2];
    EXPECT_EQ(more.kind, PopupMenu::Entry::Kind::kSubMenu);
    EXPECT_EQ(more.label, "More");
    ASSERT_EQ(more.entries.size(), 2u);
    EXPECT_EQ(more.entries[1].entries.at(0).id, 12);

    // Choosing an item of a sub-menu reports its id from the component.
    test::EventRecorder window(*root);
    QMenu menu;
    qt::FillMenu(menu, popup.entries, *root);
    QMenu* sub = menu.actions().at(2)->menu();
    ASSERT_NE(sub, nullptr);
    sub->actions().at(0)->trigger();
    ASSERT_EQ(window.Of(Component::kPopupItem).size(), 1u);
    EXPECT_EQ(window.Of(Component::kPopupItem)[0].value, 11);
    EXPECT_EQ(window.Of(Component::kPopupItem)[0].id, 1);
}

TEST(ComponentTree, Backgrounds) {
    auto root = BuildLayout(R"(<list background="10 20 30">
        <label id="1"><background type="color" r="255" g="128" b="0" a="64"/></label>
        <label id="2"><background type="gradient-linear" startx="0" starty="0" endx="1" endy="0" spread="mirror">
            <color pos="0" r="255" g="0" b="0"/><color pos="1" r="0" g="0" b="255" a="128"/></background></label>
        <label id="3"><background type="gradient-linear" coordinates="absolute" spread="sideways" endx="40"/></label>
        <label id="4"><background type="pattern"/></label>
        <label id="5" background="1 2 x"/><label id="6" background="1 2 3 4 5"/><label id="7" background="1 2"/>
    </list>)");
    ASSERT_TRUE(root);
    auto* plain = dynamic_cast<const background::Color*>(root->GetBackground());
    ASSERT_NE(plain, nullptr);
    EXPECT_EQ(plain->GetColor(), (Rgba{10, 20, 30, 255}));
    EXPECT_EQ(qt::AsWidget(root.get())->palette().color(QPalette::Window), QColor(10, 20, 30));

    auto* color = dynamic_cast<const background::Color*>(root->FindById(1)->GetBackground());
    ASSERT_NE(color, nullptr);
    EXPECT_EQ(color->GetColor(), (Rgba{255, 128, 0, 64}));
    EXPECT_TRUE(qt::AsWidget(root->FindById(1))->autoFillBackground());

    auto* gradient = dynamic_cast<const background::Gradient_Linear*>(root->FindById(2)->GetBackground());
    ASSERT_NE(gradient, nullptr);
    EXPECT_EQ(gradient->GetSpread(), background::Gradient_Linear::Spread::kMirror);
    EXPECT_FALSE(gradient->IsAbsolute());
    ASSERT_EQ(gradient->GetStops().size(), 2u);
    EXPECT_EQ(gradient->GetStops()[1].color, (Rgba{0, 0, 255, 128}));
    const QBrush brush = qt::AsWidget(root->FindById(2))->palette().brush(QPalette::Window);
    ASSERT_NE(brush.gradient(), nullptr);
    EXPECT_EQ(brush.gradient()->coordinateMode(), QGradient::ObjectMode);
    EXPECT_EQ(brush.gradient()->spread(), QGradient::ReflectSpread);

    auto* absolute = dynamic_cast<const background::Gradient_Linear*>(root->FindById(3)->GetBackground());
    ASSERT_NE(absolute, nullptr);
    EXPECT_TRUE(absolute->IsAbsolute());
    EXPECT_EQ(absolute->GetSpread(), background::Gradient_Linear::Spread::kPad);
    EXPECT_EQ(absolute->GetEndX(), 40.0);
    for (int id : {4, 5, 6, 7}) EXPECT_EQ(root->FindById(id)->GetBackground(), nullptr) << id;
}

TEST(ComponentTree, ImagePathVariables) {
    EXPECT_EQ(PathVariables::Substitute("[images]/a.png", "dir/"), "dir/a.png");
    EXPECT_EQ(PathVariables::Substitute("[images]a.png", "dir"), "dir/a.png");
    EXPECT_FALSE(PathVariables::VariableOf("[]a.png"));
    EXPECT_FALSE(PathVariables::VariableOf("images]/a.png"));

    PathVariables::Global().Set("coreimages", ":/core");
    auto root = BuildLayout(R"(<list><label id="1" imagepath="[images]/play.png"/>
        <label id="2" imagepath="[coreimages]/stop.png"/><label id="3" imagepath="[nowhere]/x.png"/></list>)");
    ASSERT_TRUE(root);
    Component* play = root->FindById(1);
    EXPECT_EQ(play->ResolvePath("[images]/play.png"), "[images]/play.png");
    root->SetPathVariable("images", "/data/core/images");
    EXPECT_EQ(play->ResolvePath("[images]/play.png"), "/data/core/images/play.png");
    EXPECT_EQ(play->ResolvePath("[coreimages]/stop.png"), ":/core/stop.png");
    // The nearest component's variable wins over its ancestors' and the process-wide one.
    play->SetPathVariable("coreimages", "/mine");
    EXPECT_EQ(play->ResolvePath("[coreimages]/stop.png"), "/mine/stop.png");
    EXPECT_EQ(root->FindById(2)->ResolvePath("[coreimages]/stop.png"), ":/core/stop.png");
    EXPECT_EQ(root->FindById(3)->ResolvePath("[nowhere]/x.png"), "[nowhere]/x.png");
    PathVariables::Global().Remove("coreimages");
}

TEST(ComponentTree, ImagesAreReadThroughPathVariables) {
    test::App();
    const std::string folder = ::testing::TempDir();
    QPixmap pixmap(4, 3);
    pixmap.fill(Qt::red);
    ASSERT_TRUE(pixmap.save(QString::fromStdString(folder + "/swatch.png")));
    auto root = BuildLayout(R"(<list><label id="1" imagepath="[pics]/swatch.png">no image</label></list>)");
    ASSERT_TRUE(root);
    auto* label = dynamic_cast<QLabel*>(qt::AsWidget(root->FindById(1)));
    EXPECT_TRUE(label->pixmap().isNull());
    root->SetPathVariable("pics", folder);
    EXPECT_EQ(label->pixmap().size(), QSize(4, 3));
}

TEST(ComponentTree, LookupByIdAndKind) {
    auto root = BuildLayout(R"(<list id="5"><list><label id="9">deep</label></list><label id="8"/></list>)");
    ASSERT_TRUE(root);
    EXPECT_EQ(root->FindById(5), root.get());
    auto* label = root->FindById<componentinterface::Label>(9);
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->GetText(), "deep");
    EXPECT_EQ(root->FindById<componentinterface::List>(9), nullptr);
    EXPECT_EQ(root->FindById(42), nullptr);
    EXPECT_EQ(root->FindById(Component::kNoId), nullptr);
}

TEST(ComponentTree, EventsTravelUpToTheRootSubscriber) {
    auto root = BuildLayout(R"(<list id="1"><list id="2"><label id="3"/></list></list>)");
    ASSERT_TRUE(root);
    test::EventRecorder window(*root);
    test::EventRecorder middle(*root->FindById(2));
    Component* label = root->FindById(3);
    label->SendEvent(0x4141, 17, std::make_unique<EventData>("payload"));
    ASSERT_EQ(window.events.size(), 1u);
    EXPECT_EQ(window.events[0].code, 0x4141);
    EXPECT_EQ(window.events[0].id, 3);
    EXPECT_EQ(window.events[0].value, 17);
    EXPECT_EQ(window.events[0].text, "payload");
    EXPECT_EQ(window.events[0].origin, label);
    EXPECT_EQ(middle.events.size(), 1u);

    // Messages that are not component events are not passed up.
    util::Message other(0x1234);
    label->send(root->FindById(2), other);
    EXPECT_EQ(window.events.size(), 1u);
}

TEST(ComponentTree, ResizeAndMoveAreReported) {
    auto root = BuildLayout(R"(<list id="1"><label id="2">x</label></list>)");
    ASSERT_TRUE(root);
    test::EventRecorder window(*root);
    QWidget* widget = qt::AsWidget(root.get());
    widget->show();
    widget->resize(210, 120);
    widget->move(15, 25);
    QApplication::processEvents();
    auto resized = window.Of(Component::kResized);
    ASSERT_FALSE(resized.empty());
    const auto own = std::find_if(resized.rbegin(), resized.rend(), [](const auto& e) { return e.id == 1; });
    ASSERT_NE(own, resized.rend());
    EXPECT_EQ(Component::HighOf(own->value), 210);
    EXPECT_EQ(Component::LowOf(own->value), 120);
    EXPECT_FALSE(window.Of(Component::kMoved).empty());
}

} // namespace
} // namespace vex::gui
