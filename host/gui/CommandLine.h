#pragma once

#include <QLineEdit>
#include <QStringList>

namespace vex::host::gui {

class ScriptOutput;

/// The host's command line: Return runs the text through the host's command engine, undoable, as the
/// script editor does (the text and the last statement's result go to the script output), and clears
/// the box. Up and Down walk through the commands run before.
class CommandLine : public QLineEdit {
public:
    explicit CommandLine(QWidget* parent = nullptr);

    /// Makes `output` show what each command writes as soon as it has run (null: none).
    void SetOutput(ScriptOutput* output) { output_ = output; }
    /// Runs `text` as if typed; false when it failed.
    bool Run(const QString& text);
    /// The commands run, oldest first.
    const QStringList& History() const { return history_; }

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    /// Shows the history entry `delta` places away from the one shown (past the newest: the text that
    /// was being typed).
    void WalkHistory(int delta);

    ScriptOutput* output_ = nullptr;
    QStringList history_;
    int place_ = 0;  // the history entry shown; history_.size() for the text being typed
    QString typing_; // the text being typed when the walk started
};

} // namespace vex::host::gui
