#include "host/gui/AttributePanel.h"

#include "tests/host/gui/HostGuiFixture.h"
#include "tests/support/CommaLocale.h"
#include "tests/support/Screenshot.h"

#include <QLocale>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTest>

using vex::host::gui::AttributePanel;

namespace {

class AttributePanelTest : public HostGuiFixture {
protected:
    AttributePanelTest() {
        run("createNode transform -n box; createNode mesh -n boxShape -p box; setAttr box.t 1 2 3;"
            "setAttr box.rx 90");
        panel.resize(420, 220);
        panel.show();
        settle();
    }

    QString shown(const std::string& attribute) { return panel.field(attribute)->text(); }

    /// Types `text` into the attribute's box as a user does and confirms it with Return.
    void type(const std::string& attribute, const QString& text) {
        vex::host::gui::NumberField* box = panel.field(attribute);
        box->setFocus();
        box->selectAll();
        QTest::keyClicks(box, text);
        QTest::keyClick(box, Qt::Key_Return);
        settle();
    }

    AttributePanel panel;
};

TEST_F(AttributePanelTest, ShowsTheSelectedTransformInUiUnits) {
    EXPECT_EQ(panel.shownNode(), node("box"));
    EXPECT_EQ(shown("translateX"), "1");
    EXPECT_EQ(shown("translateZ"), "3");
    EXPECT_EQ(shown("rotateX"), "90");
    EXPECT_EQ(shown("scaleY"), "1");
    EXPECT_TRUE(panel.visibility().isChecked());
    EXPECT_FALSE(panel.showsCamera());
    // A selected shape shows its transform; no selection disables the boxes.
    run("select boxShape");
    EXPECT_EQ(panel.shownNode(), node("box"));
    run("select -cl");
    EXPECT_FALSE(panel.shownNode());
    EXPECT_FALSE(panel.field("translateX")->isEnabled());
    run("currentUnit -l m; select box");
    EXPECT_EQ(shown("translateY"), "0.02");
}

TEST_F(AttributePanelTest, FollowsTheTimeOnKeyedAttributes) {
    run("createNode animCurveTL -n box_ty; setAttr -s 2 \".ktv[0:1]\" 1 0 11 10; connectAttr box_ty.output "
        "box.ty;"
        "select box; currentTime 11");
    EXPECT_EQ(shown("translateY"), "10");
    run("currentTime 1");
    EXPECT_EQ(shown("translateY"), "0");
}

TEST_F(AttributePanelTest, TypedValuesGoThroughUndoableSetAttr) {
    type("translateX", "-4.5");
    EXPECT_DOUBLE_EQ(run("getAttr box.tx").AsDouble(), -4.5);
    EXPECT_EQ(shown("translateX"), "-4.5");
    EXPECT_EQ(vex::host::UndoQueue::get().undoText().rfind("setAttr box.translateX", 0), 0u);
    run("undo");
    EXPECT_EQ(shown("translateX"), "1");

    QStyleOptionButton option;
    option.initFrom(&panel.visibility());
    const QRect box =
        panel.style()->subElementRect(QStyle::SE_CheckBoxIndicator, &option, &panel.visibility());
    QTest::mouseClick(&panel.visibility(), Qt::LeftButton, {}, box.center());
    settle();
    EXPECT_DOUBLE_EQ(run("getAttr box.v").AsDouble(), 0.0);
    run("undo");
    EXPECT_TRUE(panel.visibility().isChecked());

    // Text that is no number leaves the value alone.
    type("scaleZ", "big");
    EXPECT_DOUBLE_EQ(run("getAttr box.sz").AsDouble(), 1.0);
    EXPECT_EQ(shown("scaleZ"), "1");
}

TEST_F(AttributePanelTest, NumbersUseAPointUnderACommaLocale) {
    vex::test::CommaLocaleScope comma;
    const QLocale saved;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    type("translateY", "2.25");
    EXPECT_DOUBLE_EQ(run("getAttr box.ty").AsDouble(), 2.25);
    EXPECT_EQ(shown("translateY"), "2.25");
    QLocale::setDefault(saved);
}

TEST_F(AttributePanelTest, ACameraShowsAndEditsItsFocalLength) {
    run("select persp");
    ASSERT_TRUE(panel.showsCamera());
    EXPECT_EQ(shown("focalLength"), "35");
    EXPECT_TRUE(vex::test::SaveScreenshot(panel, "attribute_panel"));
    type("focalLength", "50");
    EXPECT_DOUBLE_EQ(run("getAttr perspShape.focalLength").AsDouble(), 50.0);
    run("select box");
    EXPECT_FALSE(panel.showsCamera());
}

} // namespace
