#include "gui/component/qt/Menubar.h"

#include "tests/gui/GuiTestSupport.h"

#include <QAction>
#include <QMenu>
#include <gtest/gtest.h>

#include <memory>

namespace vex::gui::component::qt {
namespace {

using gui::test::EventRecorder;

TEST(Menubar, ItemsReportTheirIdsAndGrayedItemsCannotBeChosen) {
    std::unique_ptr<Component> root = gui::test::BuildLayout(R"(<menubar id="40">
      <menu label="File">
        <item id="1" label="Open"/>
        <separator/>
        <item id="2" label="Save" grayed="yes"/>
      </menu>
      <menu label="Help"><item id="9" label="About"/><unknown id="5"/></menu>
    </menubar>)");
    auto* bar = dynamic_cast<Menubar*>(root.get());
    ASSERT_NE(bar, nullptr);
    EventRecorder recorder(*root);

    ASSERT_EQ(bar->GetMenus().size(), 2u);
    EXPECT_EQ(bar->GetMenus()[0].entries.size(), 3u);
    EXPECT_TRUE(bar->GetMenus()[0].entries[1].separator);
    EXPECT_EQ(bar->GetMenus()[1].entries.size(), 1u);
    const QList<QAction*> menus = bar->actions();
    ASSERT_EQ(menus.size(), 2);
    EXPECT_EQ(menus[0]->text(), "File");
    EXPECT_EQ(menus[0]->menu()->actions().size(), 3);

    ASSERT_EQ(bar->GetActions(2).size(), 1u);
    QAction* save = bar->GetActions(2).front();
    EXPECT_FALSE(save->isEnabled());
    EXPECT_TRUE(bar->IsItemGrayed(2));
    save->trigger(); // a disabled action does not fire
    bar->GetActions(9).front()->trigger();
    ASSERT_EQ(recorder.Of(0x4300).size(), 1u);
    EXPECT_EQ(recorder.Of(0x4300)[0].id, 40);
    EXPECT_EQ(recorder.Of(0x4300)[0].value, 9);

    EXPECT_TRUE(bar->SetItemGrayed(2, false));
    EXPECT_TRUE(save->isEnabled());
    save->trigger();
    EXPECT_EQ(recorder.Of(0x4300).back().value, 2);
    EXPECT_FALSE(bar->SetItemGrayed(77, true));

    // Opening a menu says which one is about to show.
    menus[1]->menu()->popup(QPoint(0, 0));
    menus[1]->menu()->hide();
    ASSERT_EQ(recorder.Of(0x4301).size(), 1u);
    EXPECT_EQ(recorder.Of(0x4301)[0].value, 1);
}

} // namespace
} // namespace vex::gui::component::qt
