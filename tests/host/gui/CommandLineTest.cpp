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
    CommandLineTest() : output(new ScriptOutput(&window)), line(new CommandLine(&window)) {
        auto* column = new QVBoxLayout(&window);
        column->addWidget(output);
        column->addWidget(line);
        line->setOutput(output);
        window.resize(520, 260);
        window.show();
        line->setFocus();
    }

    void type(const QString& text) {
        QTest::keyClicks(line, text);
        QTest::keyClick(line, Qt::Key_Return);
        settle();
    }

    QStringList shownLines() const { return output->toPlainText().split('\n'); }
    /// The colour of the last line shown.
    QColor lastLineColour() const {
        const QTextBlock block = output->document()->lastBlock();
        return block.begin().fragment().charFormat().foreground().color();
    }

    QWidget window;
    ScriptOutput* output;
    CommandLine* line;
};

TEST_F(CommandLineTest, TypedCommandsChangeTheSceneAndShowTheirResult) {
    type("createNode transform -n box; setAttr box.tx 2.5; getAttr box.tx");
    ASSERT_TRUE(node("box"));
    EXPECT_DOUBLE_EQ(run("getAttr box.tx").AsDouble(), 2.5);
    EXPECT_EQ(shownLines().back(), "// Result: 2.5 //");
    EXPECT_TRUE(line->text().isEmpty());
    // The command is undoable like one typed in the host's script editor.
    type("undo");
    EXPECT_DOUBLE_EQ(run("getAttr box.tx").AsDouble(), 0.0);
    EXPECT_TRUE(vex::test::SaveScreenshot(window, "command_line"));
}

TEST_F(CommandLineTest, ErrorsShowInRedAndOtherLinesDoNot) {
    type("print \"hello\\n\"");
    EXPECT_EQ(shownLines().back(), "hello");
    const QColor plain = lastLineColour();
    type("setAttr nothing.tx 1");
    EXPECT_TRUE(shownLines().back().startsWith("// Error: ")) << shownLines().back().toStdString();
    EXPECT_EQ(lastLineColour(), QColor(200, 0, 0));
    EXPECT_NE(plain, lastLineColour());
    // Output written by work that did not come from the command line shows too.
    EXPECT_FALSE(vex::host::CommandEngine::get().execute("createNode transform; error \"from a script\"",
                                                         false, true));
    settle();
    EXPECT_TRUE(shownLines().back().contains("from a script"));
}

TEST_F(CommandLineTest, UpAndDownWalkThroughTheCommandsRun) {
    type("createNode transform -n a");
    type("createNode transform -n b");
    QTest::keyClicks(line, "sel");
    QTest::keyClick(line, Qt::Key_Up);
    EXPECT_EQ(line->text(), "createNode transform -n b");
    QTest::keyClick(line, Qt::Key_Up);
    QTest::keyClick(line, Qt::Key_Up);
    EXPECT_EQ(line->text(), "createNode transform -n a");
    QTest::keyClick(line, Qt::Key_Down);
    EXPECT_EQ(line->text(), "createNode transform -n b");
    // Past the newest entry the text being typed comes back.
    QTest::keyClick(line, Qt::Key_Down);
    EXPECT_EQ(line->text(), "sel");
    // Running a command from the history runs it again and keeps it once.
    QTest::keyClick(line, Qt::Key_Up);
    QTest::keyClick(line, Qt::Key_Return);
    settle();
    EXPECT_TRUE(node("b1"));
    EXPECT_EQ(line->history().size(), 2);
}

} // namespace
