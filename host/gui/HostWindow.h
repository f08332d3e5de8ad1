#pragma once

#include <QMainWindow>

namespace vex::host::gui {

class AttributePanel;
class CommandLine;
class Outliner;
class ScriptOutput;
class Timeline;

/// The host's main window: the outliner on the left, the attribute panel on the right, the timeline,
/// the script output and the command line at the bottom, around the place of the 3D viewport (not
/// built yet: the centre says so). Menus: File (new, open, save as, quit) and Torva Suite (opens the
/// suite's main window when its plug-in is loaded). Every menu command runs through the command
/// engine, so its errors show in the script output as a typed command's would.
class HostWindow : public QMainWindow {
public:
    explicit HostWindow(QWidget* parent = nullptr);

    Outliner& outliner() { return *m_outliner; }
    AttributePanel& attributes() { return *m_attributes; }
    Timeline& timeline() { return *m_timeline; }
    ScriptOutput& output() { return *m_output; }
    CommandLine& commandLine() { return *m_commandLine; }

    /// Opens the scene file at `path` (as File > Open does); false when it cannot be opened.
    bool openScene(const QString& path);
    /// Saves the scene under `path` (as File > Save As does); false when it cannot be written.
    bool saveSceneAs(const QString& path);

private:
    void buildMenus();

    Outliner* m_outliner;
    AttributePanel* m_attributes;
    Timeline* m_timeline;
    ScriptOutput* m_output;
    CommandLine* m_commandLine;
};

} // namespace vex::host::gui
