#include "host/gui/ScriptOutput.h"

#include <QFontDatabase>
#include <QTextCharFormat>
#include <QTextCursor>

namespace vex::host::gui {

namespace {

QColor colourOf(ScriptEditor::Kind kind, const QPalette& palette) {
    switch (kind) {
    case ScriptEditor::Kind::Error:
        return QColor(200, 0, 0);
    case ScriptEditor::Kind::Warning:
        return QColor(190, 110, 0);
    case ScriptEditor::Kind::Command:
        return palette.color(QPalette::PlaceholderText);
    default:
        return palette.color(QPalette::Text);
    }
}

} // namespace

ScriptOutput::ScriptOutput(QWidget* parent)
    : QPlainTextEdit(parent), watcher_([this] { showNewLines(); }, [this] { showNewLines(); }) {
    setReadOnly(true);
    setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    setLineWrapMode(QPlainTextEdit::NoWrap);
    // Only what is written from now on: the output of earlier work belongs to whoever ran it.
    shown_ = ScriptEditor::get().lines().size();
}

void ScriptOutput::showNewLines() {
    const auto& lines = ScriptEditor::get().lines();
    if (shown_ > lines.size()) shown_ = 0; // the output was cleared meanwhile
    for (; shown_ < lines.size(); ++shown_) appendLine(lines[shown_]);
}

void ScriptOutput::appendLine(const ScriptEditor::Line& line) {
    std::string shown = line.shown();
    while (!shown.empty() && shown.back() == '\n') shown.pop_back();
    QTextCharFormat format;
    format.setForeground(colourOf(line.kind, palette()));
    QTextCursor cursor(document());
    cursor.movePosition(QTextCursor::End);
    if (!document()->isEmpty()) cursor.insertBlock();
    cursor.insertText(QString::fromStdString(shown), format);
    ensureCursorVisible();
}

} // namespace vex::host::gui
