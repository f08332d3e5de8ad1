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
        Run(text);
    });
}

bool CommandLine::Run(const QString& text) {
    if (history_.isEmpty() || history_.back() != text) history_.push_back(text);
    place_ = static_cast<int>(history_.size());
    typing_.clear();
    const bool ok = static_cast<bool>(CommandEngine::get().Execute(text.toStdString(), true, true));
    if (output_) output_->ShowNewLines();
    return ok;
}

void CommandLine::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Up || event->key() == Qt::Key_Down) {
        WalkHistory(event->key() == Qt::Key_Up ? -1 : 1);
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void CommandLine::WalkHistory(int delta) {
    const int newest = static_cast<int>(history_.size());
    const int place = std::clamp(place_ + delta, 0, newest);
    if (place == place_) return;
    if (place_ == newest) typing_ = text();
    place_ = place;
    setText(place == newest ? typing_ : history_[place]);
}

} // namespace vex::host::gui
