#include "host/gui/CommandLine.h"

#include "host/gui/ScriptOutput.h"

#include "host/scene/CommandEngine.h"

#include <QKeyEvent>

namespace vex::host::gui {

CommandLine::CommandLine(QWidget* parent) : QLineEdit(parent) {
    setPlaceholderText("Type a command and press Return");
    connect(this, &QLineEdit::returnPressed, this, [this] {
        const QString text = this->text();
        if (text.trimmed().isEmpty()) return;
        clear();
        run(text);
    });
}

bool CommandLine::run(const QString& text) {
    if (m_history.isEmpty() || m_history.back() != text) m_history.push_back(text);
    m_place = static_cast<int>(m_history.size());
    m_typing.clear();
    const bool ok = static_cast<bool>(CommandEngine::get().execute(text.toStdString(), true, true));
    if (m_output) m_output->showNewLines();
    return ok;
}

void CommandLine::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Up || event->key() == Qt::Key_Down) {
        walkHistory(event->key() == Qt::Key_Up ? -1 : 1);
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void CommandLine::walkHistory(int delta) {
    const int newest = static_cast<int>(m_history.size());
    const int place = std::clamp(m_place + delta, 0, newest);
    if (place == m_place) return;
    if (m_place == newest) m_typing = text();
    m_place = place;
    setText(place == newest ? m_typing : m_history[place]);
}

} // namespace vex::host::gui
