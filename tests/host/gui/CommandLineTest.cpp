#include "host/gui/CommandLine.h"

#include "host/gui/ScriptOutput.h"
#include "tests/host/gui/HostGuiFixture.h"
#include "tests/support/Screenshot.h"

#include <QTest>
#include <QTextBlock>
#include <QVBoxLayout>

using vex::host::gui::CommandLine;
using vex::host::gui::ScriptOutput;

namespace {

class CommandLineTest : public HostGuiFixture {
protected:
    CommandLineTest() : output_(new ScriptOutput(&window_)), line_(new CommandLine(&window_)) {
        auto* column = new QVBoxLayout(&window_);
        column->addWidget(output_);
        column->addWidget(line_);
        line_->SetOutput(output_);
        window_.resize(520, 260);
        window_.show();
        line_->setFocus();
    }

    void type(const QString& text) {
        QTest::keyClicks(line_, text);
        QTest::keyClick(line_, Qt::Key_Return);
        Settle();
    }

    QStringList ShownLines() const { return output_->toPlainText().split('\n'); }
    /// The colour of the last line shown.
    QColor LastLineColour() const {
        const QTextBlock block = output_->document()->lastBlock();
        return block.begin().fragment().charFormat().foreground().color();
    }

    QWidget window_;
    ScriptOutput* output_;
    CommandLine* line_;
};

TEST_F(CommandLineTest, TypedCommandsChangeTheSceneAndShowTheirResult) {
    type("createNode transform -n box; setAttr box.tx 2.5; getAttr box.tx");
    ASSERT_TRUE(node("box"));
    EXPECT_DOUBLE_EQ(RunAndSettle("getAttr box.tx").AsDouble(), 2.5);
    EXPECT_EQ(ShownLines().back(), "// Result: 2.5 //");
    EXPECT_TRUE(line_->text().isEmpty());
    // The command is undoable like one typed in the host's script editor.
    type("undo");
    EXPECT_DOUBLE_EQ(RunAndSettle("getAttr box.tx").AsDouble(), 0.0);
    EXPECT_TRUE(vex::test::SaveScreenshot(window_, "command_line"));
}

TEST_F(CommandLineTest, ErrorsShowInRedAndOtherLinesDoNot) {
    type("print \"hello\\n\"");
    EXPECT_EQ(ShownLines().back(), "hello");
    const QColor plain = LastLineColour();
    type("setAttr nothing.tx 1");
    EXPECT_TRUE(ShownLines().back().startsWith("// Error: ")) << ShownLines().back().toStdString();
    EXPECT_EQ(LastLineColour(), QColor(200, 0, 0));
    EXPECT_NE(plain, LastLineColour());
    // Output written by work that did not come from the command line shows too.
    EXPECT_FALSE(vex::host::CommandEngine::get().Execute("createNode transform; error \"from a script\"",
                                                         false, true));
    Settle();
    EXPECT_TRUE(ShownLines().back().contains("from a script"));
}

TEST_F(CommandLineTest, UpAndDownWalkThroughTheCommandsRun) {
    type("createNode transform -n a");
    type("createNode transform -n b");
    QTest::keyClicks(line_, "sel");
    QTest::keyClick(line_, Qt::Key_Up);
    EXPECT_EQ(line_->text(), "createNode transform -n b");
    QTest::keyClick(line_, Qt::Key_Up);
    QTest::keyClick(line_, Qt::Key_Up);
    EXPECT_EQ(line_->text(), "createNode transform -n a");
    QTest::keyClick(line_, Qt::Key_Down);
    EXPECT_EQ(line_->text(), "createNode transform -n b");
    // Past the newest entry the text being typed comes back.
    QTest::keyClick(line_, Qt::Key_Down);
    EXPECT_EQ(line_->text(), "sel");
    // Running a command from the history runs it again and keeps it once.
    QTest::keyClick(line_, Qt::Key_Up);
    QTest::keyClick(line_, Qt::Key_Return);
    Settle();
    EXPECT_TRUE(node("b1"));
    EXPECT_EQ(line_->History().size(), 2);
}

} // namespace
