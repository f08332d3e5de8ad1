#pragma once

#include "host/gui/SceneWatcher.h"
#include "host/scene/ScriptEditor.h"

#include <QPlainTextEdit>

#include <cstddef>

namespace vex::host::gui {

/// The host's script output as a read-only pane: the commands run, their results ("// Result: ... //"),
/// printed text, warnings (orange) and errors (red), as the host's script output holds them. It shows
/// the lines written since it last looked whenever a command runs or the scene changes.
class ScriptOutput : public QPlainTextEdit {
public:
    explicit ScriptOutput(QWidget* parent = nullptr);

    /// Shows the lines the host's script output got since the last call.
    void ShowNewLines();
    /// Adds one line as the host shows it, coloured by its kind.
    void AppendLine(const ScriptEditor::Line& line);

private:
    std::size_t shown_ = 0;
    SceneWatcher watcher_;
};

} // namespace vex::host::gui
