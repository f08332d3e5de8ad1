#include "host/gui/ShelfBar.h"

#include "host/builtins/UiState.h"
#include "host/scene/CommandEngine.h"

#include <QFileInfo>
#include <QHBoxLayout>
#include <QToolButton>

namespace vex::host::gui {

using builtins::UiState;

ShelfBar::ShelfBar(QWidget* parent) : QTabWidget(parent), watcher_([this] { refresh(); }, {}) {
    setDocumentMode(true);
    refresh();
}

std::string ShelfBar::Fingerprint() {
    std::string text = UiState::get().CurrentShelf();
    for (const UiState::ShelfTab& shelf : UiState::get().Shelves()) {
        text += "\n" + shelf.name;
        for (const UiState::ShelfButton& button : shelf.buttons) {
            text += "\t" + button.name;
            for (const auto& [flag, value] : button.flags) text += " " + flag + "=" + value;
        }
    }
    return text;
}

void ShelfBar::refresh() {
    std::string now = Fingerprint();
    if (now == shown_ && count() > 0) return;
    shown_ = std::move(now);
    while (count() > 0) {
        QWidget* page = widget(0);
        removeTab(0);
        delete page;
    }
    const UiState& ui = UiState::get();
    for (const UiState::ShelfTab& shelf : ui.Shelves()) {
        auto* page = new QWidget;
        auto* row = new QHBoxLayout(page);
        row->setContentsMargins(2, 2, 2, 2);
        row->setSpacing(2);
        for (const UiState::ShelfButton& button : shelf.buttons) {
            auto* tool = new QToolButton;
            const QString label = QString::fromStdString(button.flag("-l", "-label"));
            const QString image = QString::fromStdString(button.flag("-i", "-image"));
            tool->setText(label.isEmpty() ? QString::fromStdString(button.name) : label);
            if (!image.isEmpty() && QFileInfo::exists(image)) {
                tool->setIcon(QIcon(image));
                tool->setIconSize(QSize(32, 32));
                tool->setToolButtonStyle(Qt::ToolButtonIconOnly);
            } else {
                tool->setToolButtonStyle(Qt::ToolButtonTextOnly);
            }
            tool->setToolTip(QString::fromStdString(button.flag("-ann", "-annotation")));
            const std::string command = button.flag("-c", "-command");
            QObject::connect(tool, &QToolButton::clicked, tool, [command] {
                if (!command.empty()) CommandEngine::get().Execute(command, true, true);
            });
            row->addWidget(tool);
        }
        row->addStretch(1);
        addTab(page, QString::fromStdString(shelf.name));
        if (shelf.name == ui.CurrentShelf()) setCurrentIndex(count() - 1);
    }
}

} // namespace vex::host::gui
