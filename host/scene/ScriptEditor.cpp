#include "host/scene/ScriptEditor.h"

#include "host/scene/ErrorOutput.h"

#include <iostream>

namespace vex::host {

std::string ScriptEditor::Line::Shown() const {
    switch (kind) {
    case Kind::kCommand:
        return text;
    case Kind::kResult:
        return "// Result: " + text + " //";
    case Kind::kInfo:
        return text;
    case Kind::kWarning:
        return "// Warning: " + text + " //";
    case Kind::kError:
        return "// Error: " + text + " //";
    }
    return text;
}

ScriptEditor& ScriptEditor::get() {
    // Never destroyed: scene nodes, plug-ins and other process-wide objects may still reach it while
    // they are destroyed at exit.
    static ScriptEditor* editor = new ScriptEditor;
    return *editor;
}

ScriptEditor::ScriptEditor() {
    // The host's error lines (MStatus::perror and the like) belong to the script output too.
    ErrorOutput::SetSink([](const std::string& line) { ScriptEditor::get().Write(Kind::kError, line); });
}

void ScriptEditor::Write(Kind kind, const std::string& text) {
    if (kind == Kind::kError && !captures_.empty()) {
        captures_.back().push_back(text);
        return;
    }
    lines_.push_back({kind, text});
    const bool diagnostic = kind == Kind::kError || kind == Kind::kWarning;
    if (diagnostic && reporter_) {
        reporter_(kind, text);
        return;
    }
    // Each entry ends its line; text that brings its own line end (print "...\n") gets no second one.
    const std::string shown = lines_.back().Shown();
    const char* end = !shown.empty() && shown.back() == '\n' ? "" : "\n";
    if (echo_)
        *echo_ << shown << end;
    else if (diagnostic)
        std::cerr << shown << end;
}

std::vector<std::string> ScriptEditor::EndCapture() {
    if (captures_.empty()) return {};
    std::vector<std::string> held = std::move(captures_.back());
    captures_.pop_back();
    return held;
}

std::string ScriptEditor::Last(Kind kind) const {
    for (auto it = lines_.rbegin(); it != lines_.rend(); ++it)
        if (it->kind == kind) return it->text;
    return {};
}

} // namespace vex::host
