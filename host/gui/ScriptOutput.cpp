#include "host/gui/ScriptOutput.h"

#include <QFontDatabase>
#include <QTextCharFormat>
#include <QTextCursor>

namespace vex::host::gui {

namespace {

QColor ColourOf(ScriptEditor::Kind kind, const QPalette& palette) {
    switch (kind) {
    case ScriptEditor::Kind::kError:
        return QColor(200, 0, 0);
    case ScriptEditor::Kind::kWarning:
        return QColor(190, 110, 0);
    case ScriptEditor::Kind::kCommand:
        return palette.color(QPalette::PlaceholderText);
    default:
        return palette.color(QPalette::Text);
    }
}

} // namespace

ScriptOutput::ScriptOutput(QWidget* parent)
    : QPlainTextEdit(parent), watcher_([this] { ShowNewLines(); }, [this] { ShowNewLines(); }) {
    setReadOnly(true);
    setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    setLineWrapMode(QPlainTextEdit::NoWrap);
    // Only what is written from now on: the output of earlier work belongs to whoever ran it.
    shown_ = ScriptEditor::get().Lines().size();
}

void ScriptOutput::ShowNewLines() {
    const auto& lines = ScriptEditor::get().Lines();
    if (shown_ > lines.size()) shown_ = 0; // the output was cleared meanwhile
    for (; shown_ < lines.size(); ++shown_) AppendLine(lines[shown_]);
}

void ScriptOutput::AppendLine(const ScriptEditor::Line& line) {
    std::string shown = line.Shown();
    while (!shown.empty() && shown.back() == '\n') shown.pop_back();
    QTextCharFormat format;
    format.setForeground(ColourOf(line.kind, palette()));
    QTextCursor cursor(document());
    cursor.movePosition(QTextCursor::End);
    if (!document()->isEmpty()) cursor.insertBlock();
    cursor.insertText(QString::fromStdString(shown), format);
    ensureCursorVisible();
}

} // namespace vex::host::gui
