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
        RunAndSettle("createNode transform -n box; createNode mesh -n boxShape -p box; setAttr box.t 1 2 3;"
                     "setAttr box.rx 90");
        panel_.resize(420, 220);
        panel_.show();
        Settle();
    }

    QString Shown(const std::string& attribute) { return panel_.Field(attribute)->text(); }

    /// Types `text` into the attribute's box as a user does and confirms it with Return.
    void type(const std::string& attribute, const QString& text) {
        vex::host::gui::NumberField* box = panel_.Field(attribute);
        box->setFocus();
        box->selectAll();
        QTest::keyClicks(box, text);
        QTest::keyClick(box, Qt::Key_Return);
        Settle();
    }

    AttributePanel panel_;
};

TEST_F(AttributePanelTest, ShowsTheSelectedTransformInUiUnits) {
    EXPECT_EQ(panel_.ShownNode(), node("box"));
    EXPECT_EQ(Shown("translateX"), "1");
    EXPECT_EQ(Shown("translateZ"), "3");
    EXPECT_EQ(Shown("rotateX"), "90");
    EXPECT_EQ(Shown("scaleY"), "1");
    EXPECT_TRUE(panel_.Visibility().isChecked());
    EXPECT_FALSE(panel_.ShowsCamera());
    // A selected shape shows its transform; no selection disables the boxes.
    RunAndSettle("select boxShape");
    EXPECT_EQ(panel_.ShownNode(), node("box"));
    RunAndSettle("select -cl");
    EXPECT_FALSE(panel_.ShownNode());
    EXPECT_FALSE(panel_.Field("translateX")->isEnabled());
    RunAndSettle("currentUnit -l m; select box");
    EXPECT_EQ(Shown("translateY"), "0.02");
}

TEST_F(AttributePanelTest, FollowsTheTimeOnKeyedAttributes) {
    RunAndSettle(
        "createNode animCurveTL -n box_ty; setAttr -s 2 \".ktv[0:1]\" 1 0 11 10; connectAttr box_ty.output "
        "box.ty;"
        "select box; currentTime 11");
    EXPECT_EQ(Shown("translateY"), "10");
    RunAndSettle("currentTime 1");
    EXPECT_EQ(Shown("translateY"), "0");
}

TEST_F(AttributePanelTest, TypedValuesGoThroughUndoableSetAttr) {
    type("translateX", "-4.5");
    EXPECT_DOUBLE_EQ(RunAndSettle("getAttr box.tx").AsDouble(), -4.5);
    EXPECT_EQ(Shown("translateX"), "-4.5");
    EXPECT_EQ(vex::host::UndoQueue::get().UndoText().rfind("setAttr box.translateX", 0), 0u);
    RunAndSettle("undo");
    EXPECT_EQ(Shown("translateX"), "1");

    QStyleOptionButton option;
    option.initFrom(&panel_.Visibility());
    const QRect box =
        panel_.style()->subElementRect(QStyle::SE_CheckBoxIndicator, &option, &panel_.Visibility());
    QTest::mouseClick(&panel_.Visibility(), Qt::LeftButton, {}, box.center());
    Settle();
    EXPECT_DOUBLE_EQ(RunAndSettle("getAttr box.v").AsDouble(), 0.0);
    RunAndSettle("undo");
    EXPECT_TRUE(panel_.Visibility().isChecked());

    // Text that is no number leaves the value alone.
    type("scaleZ", "big");
    EXPECT_DOUBLE_EQ(RunAndSettle("getAttr box.sz").AsDouble(), 1.0);
    EXPECT_EQ(Shown("scaleZ"), "1");
}

TEST_F(AttributePanelTest, NumbersUseAPointUnderACommaLocale) {
    vex::test::CommaLocaleScope comma;
    const QLocale saved;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    type("translateY", "2.25");
    EXPECT_DOUBLE_EQ(RunAndSettle("getAttr box.ty").AsDouble(), 2.25);
    EXPECT_EQ(Shown("translateY"), "2.25");
    QLocale::setDefault(saved);
}

TEST_F(AttributePanelTest, ACameraShowsAndEditsItsFocalLength) {
    RunAndSettle("select persp");
    ASSERT_TRUE(panel_.ShowsCamera());
    EXPECT_EQ(Shown("focalLength"), "35");
    EXPECT_TRUE(vex::test::SaveScreenshot(panel_, "attribute_panel"));
    type("focalLength", "50");
    EXPECT_DOUBLE_EQ(RunAndSettle("getAttr perspShape.focalLength").AsDouble(), 50.0);
    RunAndSettle("select box");
    EXPECT_FALSE(panel_.ShowsCamera());
}

} // namespace
