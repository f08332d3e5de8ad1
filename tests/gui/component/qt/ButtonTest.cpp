#include "gui/component/Button.h"

#include "gui/component/FlmButton.h"
#include "gui/component/qt/FlmButton.h"
#include "gui/qt/Realisation.h"
#include "tests/gui/GuiTestSupport.h"

#include <QAction>
#include <QMenu>
#include <QPushButton>
#include <QToolButton>

namespace vex::gui::component {
namespace {

using State = componentinterface::Button::ImageState;
using Color = componentinterface::Button::ColorState;
using componentinterface::Button;

std::array<bool, Button::kImageStates> With(std::initializer_list<State> states) {
    std::array<bool, Button::kImageStates> available{};
    for (State state : states) available[static_cast<int>(state)] = true;
    return available;
}

TEST(Button, AttributesAreRead) {
    auto root = test::BuildLayout(R"(<list>
        <button id="1" label="Go" flat="yes" default="yes" toggle="yes" img_default="[img]/d.png"
                img_toggle_hover="t.png" img_disabled="x.png" flatcolor_default="10 20 30 40"
                flatcolor_pressed="1 2 3" flatcolor_hover="300 0 0 0"/>
        <button id="2" toggle="no"/></list>)");
    ASSERT_TRUE(root);
    auto* button = root->FindById<component::Button>(1);
    ASSERT_NE(button, nullptr);
    EXPECT_TRUE(button->IsFlat());
    EXPECT_TRUE(button->IsDefault());
    EXPECT_TRUE(button->IsToggle());
    EXPECT_EQ(button->GetImagePath(State::kDefault), "[img]/d.png");
    EXPECT_EQ(button->GetImagePath(State::kToggleHover), "t.png");
    EXPECT_EQ(button->GetImagePath(State::kPressed), "");
    EXPECT_EQ(button->GetFlatColor(Color::kDefault), (Rgba{10, 20, 30, 40}));
    EXPECT_EQ(button->GetFlatColor(Color::kPressed), (Rgba{1, 2, 3, 255}));
    EXPECT_FALSE(button->GetFlatColor(Color::kHover)); // 300 is not a channel value
    auto* widget = dynamic_cast<QPushButton*>(gui::qt::AsWidget(button));
    EXPECT_EQ(widget->text(), "Go");
    EXPECT_TRUE(widget->isCheckable());
    EXPECT_TRUE(widget->isFlat());
    EXPECT_FALSE(dynamic_cast<QPushButton*>(gui::qt::AsWidget(root->FindById(2)))->isCheckable());
}

TEST(Button, ImageChoiceFallsBackToPlainerStates) {
    const auto all = With({State::kDefault, State::kPressed, State::kHover, State::kToggleDefault,
                           State::kTogglePressed, State::kToggleHover, State::kDisabled});
    EXPECT_EQ(component::Button::ChooseImage(all, false, true, true, true), State::kDisabled);
    EXPECT_EQ(component::Button::ChooseImage(all, true, true, true, true), State::kTogglePressed);
    EXPECT_EQ(component::Button::ChooseImage(all, true, true, false, true), State::kToggleHover);
    EXPECT_EQ(component::Button::ChooseImage(all, true, false, true, true), State::kPressed);
    EXPECT_EQ(component::Button::ChooseImage(all, true, false, false, true), State::kHover);
    EXPECT_EQ(component::Button::ChooseImage(all, true, false, false, false), State::kDefault);

    const auto plain = With({State::kDefault, State::kPressed});
    EXPECT_EQ(component::Button::ChooseImage(plain, false, false, false, false), State::kDefault);
    EXPECT_EQ(component::Button::ChooseImage(plain, true, true, true, false), State::kPressed);
    EXPECT_EQ(component::Button::ChooseImage(plain, true, true, false, true), State::kDefault);
    EXPECT_EQ(component::Button::ChooseImage(With({State::kToggleDefault}), true, true, false, true),
              State::kToggleDefault);
    EXPECT_FALSE(component::Button::ChooseImage(With({State::kToggleDefault}), true, false, false, false));
    EXPECT_FALSE(component::Button::ChooseImage(With({}), true, false, false, false));

    EXPECT_EQ(component::Button::ChooseColor({true, false, true}, true, true), Color::kDefault);
    EXPECT_EQ(component::Button::ChooseColor({true, false, true}, false, true), Color::kHover);
    EXPECT_FALSE(component::Button::ChooseColor({false, true, false}, false, false));
}

TEST(Button, ClicksAndTogglesAreReported) {
    auto root = test::BuildLayout(R"(<list id="1"><button id="7" label="Push"/>
        <button id="8" toggle="yes" label="Toggle"/></list>)");
    ASSERT_TRUE(root);
    test::EventRecorder window(*root);
    auto* push = dynamic_cast<QPushButton*>(gui::qt::AsWidget(root->FindById(7)));
    auto* toggle = dynamic_cast<QPushButton*>(gui::qt::AsWidget(root->FindById(8)));
    gui::qt::AsWidget(root.get())->show();

    push->click(); // a whole click: down, up, clicked
    std::vector<int32_t> codes;
    for (const auto& event : window.events)
        if (event.id == 7 && event.code != Component::kResized && event.code != Component::kMoved)
            codes.push_back(event.code);
    EXPECT_EQ(codes, (std::vector<int32_t>{Button::kPressed, Button::kReleased, Button::kClicked}));
    EXPECT_EQ(window.Of(Button::kClicked).back().value, 0);

    toggle->click();
    ASSERT_EQ(window.Of(Button::kClicked).back().id, 8);
    EXPECT_EQ(window.Of(Button::kClicked).back().value, 1);
    auto* component = root->FindById<Button>(8);
    EXPECT_TRUE(component->IsToggled());
    toggle->click();
    EXPECT_EQ(window.Of(Button::kClicked).back().value, 0);

    // Setting the state from the window reports nothing.
    const std::size_t before = window.events.size();
    component->SetToggled(true);
    EXPECT_TRUE(component->IsToggled());
    EXPECT_EQ(window.events.size(), before);
}

TEST(Button, ImagesAreReadAndSizeTheButton) {
    test::App();
    const std::string folder = ::testing::TempDir();
    QPixmap pixmap(24, 16);
    pixmap.fill(Qt::blue);
    ASSERT_TRUE(pixmap.save(QString::fromStdString(folder + "/btn.png")));
    auto root = test::BuildLayout(R"(<list><button id="1" img_default="[skin]/btn.png"/></list>)");
    ASSERT_TRUE(root);
    QWidget* button = gui::qt::AsWidget(root->FindById(1));
    root->SetPathVariable("skin", folder);
    EXPECT_EQ(button->sizeHint(), QSize(24, 16));
    // Painting from the image must work offscreen.
    EXPECT_FALSE(button->grab().isNull());
}

TEST(FlmButton, MenuAndAttributes) {
    auto root = test::BuildLayout(
        R"(<list id="1"><flmbutton id="3" label="More" delay="250" focusmarkercolor="255 0 0 255"
            img_hover="h.png"><popup><item id="31" label="One"/><separator/><item id="32" label="Two"/></popup>
        </flmbutton><flmbutton id="4"/></list>)");
    ASSERT_TRUE(root);
    auto* flm = root->FindById<component::FlmButton>(3);
    ASSERT_NE(flm, nullptr);
    EXPECT_EQ(flm->GetDelay(), 250);
    EXPECT_EQ(flm->GetFocusMarkerColor(), (Rgba{255, 0, 0, 255}));
    EXPECT_EQ(flm->GetImagePath(componentinterface::FlmButton::ImageState::kHover), "h.png");
    auto* tool = dynamic_cast<qt::FlmButton*>(flm);
    EXPECT_EQ(tool->popupMode(), QToolButton::DelayedPopup);
    EXPECT_EQ(dynamic_cast<QToolButton*>(gui::qt::AsWidget(root->FindById(4)))->popupMode(),
              QToolButton::InstantPopup);
    ASSERT_EQ(tool->GetMenu().actions().size(), 3);

    test::EventRecorder window(*root);
    tool->GetMenu().actions().at(2)->trigger();
    ASSERT_EQ(window.Of(Component::kPopupItem).size(), 1u);
    EXPECT_EQ(window.Of(Component::kPopupItem)[0].value, 32);
    EXPECT_EQ(window.Of(Component::kPopupItem)[0].id, 3);

    tool->click();
    ASSERT_EQ(window.Of(Button::kClicked).size(), 1u);
    EXPECT_EQ(window.Of(Button::kClicked)[0].id, 3);
}

} // namespace
} // namespace vex::gui::component
