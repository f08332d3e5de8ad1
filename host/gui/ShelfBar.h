#pragma once

#include "host/gui/SceneWatcher.h"

#include <QTabWidget>

#include <string>

namespace vex::host::gui {

/// The host's shelves as a strip of tabs, one row of buttons each, as scripts and plug-ins made them
/// (shelfLayout, shelfButton; the suite's plug-in adds its "Start Torva Suite" button this way). A
/// button shows its image, or its label when there is no image, with its annotation as the tooltip,
/// and a click runs its command through the host's command engine as a typed command runs. The strip
/// follows the shelves as commands change them.
class ShelfBar : public QTabWidget {
public:
    explicit ShelfBar(QWidget* parent = nullptr);

    /// Brings the tabs in line with the host's shelves now.
    void refresh();

private:
    /// A text that changes whenever a shelf or a button comes, goes or changes.
    static std::string Fingerprint();

    std::string shown_;
    SceneWatcher watcher_;
};

} // namespace vex::host::gui
