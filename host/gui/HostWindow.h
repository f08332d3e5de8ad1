#pragma once

#include "host/gui/SceneWatcher.h"

#include <QMainWindow>
#include <QMessageBox>
#include <QStringList>

#include <cstddef>
#include <functional>

namespace vex::host::gui {

class AttributePanel;
class CommandLine;
class Outliner;
class ScriptOutput;
class ShelfBar;
class Timeline;
class Viewport;

/// The host's main window: the shelves at the top, the outliner on the left, the attribute panel on the
/// right, the timeline, the script output and the command line at the bottom, around the 3D viewport. Menus:
/// File (new, open, save, save as, import, recent files, quit), Edit (undo, redo through the host's undo
/// queue), View (frame, look through the perspective view or any camera) and Torva Suite (opens the suite's
/// main window when its plug-in is loaded). Every menu command runs through the command engine, so its errors
/// show in the script output as a typed command's would. New, open, a recent file and closing the window ask
/// first when the scene has unsaved changes.
class HostWindow : public QMainWindow {
public:
    /// The window; its viewport answers the "lookThru" command while the window lives.
    explicit HostWindow(QWidget* parent = nullptr);
    ~HostWindow() override;

    Outliner& GetOutliner() { return *outliner_; }
    AttributePanel& Attributes() { return *attributes_; }
    Timeline& GetTimeline() { return *timeline_; }
    ScriptOutput& Output() { return *output_; }
    CommandLine& GetCommandLine() { return *commandLine_; }
    Viewport& GetViewport() { return *viewport_; }
    ShelfBar& Shelf() { return *shelf_; }

    /// Opens the scene file at `path` (as File > Open does); false when it cannot be opened.
    bool OpenScene(const QString& path);
    /// Saves the scene under `path` (as File > Save As does); false when it cannot be written.
    bool SaveSceneAs(const QString& path);
    /// Saves the scene under its own name (as File > Save does); a scene without a name asks for one.
    bool SaveScene();
    /// Imports the scene file at `path` into the scene (as File > Import does).
    bool ImportScene(const QString& path);

    /// True when an undoable change was made since the scene was made, opened or saved.
    bool HasUnsavedChanges() const { return modified_; }
    /// Asks whether to save unsaved changes first: true when the caller may go on (saved, discarded or
    /// nothing to save), false when the user cancelled or the save failed.
    bool ConfirmDiscard();
    /// The question asked by confirmDiscard: Save, Discard or Cancel. Replaceable (scripted sessions,
    /// tests); by default a message box.
    using Question = std::function<QMessageBox::StandardButton()>;
    void SetUnsavedChangesQuestion(Question question) { question_ = std::move(question); }

    /// The scene files opened or saved lately, newest first (kept between sessions).
    const QStringList& RecentFiles() const { return recent_; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void BuildMenus();
    void BuildViewMenu();
    /// Notes whether the undo queue moved since it was last seen (an undoable change was made).
    void FollowUndoQueue();
    /// The scene now matches its file: nothing unsaved.
    void MarkSaved();
    /// Puts `path` first in the recent files and rebuilds their menu.
    void Remember(const QString& path);
    void FillRecentMenu();
    /// The scene file the user picks in a file dialog (empty when cancelled).
    QString AskForScene(const QString& title, bool toSave);

    Outliner* outliner_;
    AttributePanel* attributes_;
    Timeline* timeline_;
    ScriptOutput* output_;
    CommandLine* commandLine_;
    Viewport* viewport_;
    ShelfBar* shelf_ = nullptr;
    QMenu* recentMenu_ = nullptr;
    QStringList recent_;
    Question question_;
    bool modified_ = false;
    std::size_t undoSize_ = 0;
    std::size_t undoPosition_ = 0;
    SceneWatcher watcher_;
};

} // namespace vex::host::gui
