#include "core/LayoutWindow.h"

#include "core/DataPaths.h"
#include "core/WindowDock.h"
#include "gui/BuildReport.h"
#include "gui/ComponentBuilder.h"
#include "gui/PathVariables.h"
#include "gui/componentinterface/Dialog.h"
#include "gui/qt/Realisation.h"
#include "platform/win32/MessageBox.h"

#include <QApplication>
#include <QMainWindow>
#include <QPushButton>
#include <QWidget>

namespace vex::orb::core {

LayoutWindow::LayoutWindow(std::string layoutName) : layout_(std::move(layoutName)) {}

LayoutWindow::~LayoutWindow() {
    // The dock goes first and hands the widget back, so that the tree deletes it once.
    if (dock_ != nullptr) dock_->Dismiss();
    if (root_ != nullptr) disconnect(root_.get());
}

bool LayoutWindow::WidgetsAvailable() {
    return qobject_cast<QApplication*>(QCoreApplication::instance()) != nullptr;
}

void LayoutWindow::RegisterCoreImages() {
    // The core's layouts name their images below "[coreimages]".
    gui::PathVariables& variables = gui::PathVariables::Global();
    if (!variables.Find("coreimages")) variables.Set("coreimages", GetInstallPath("data") + "/core/images");
}

std::string LayoutWindow::LayoutPath(const std::string& layoutName) {
    return GetInstallPath("data") + "/core/layout/" + layoutName;
}

gui::Component* LayoutWindow::Build() {
    if (root_ != nullptr || failed_ || !WidgetsAvailable()) return root_.get();
    RegisterCoreImages();

    gui::BuildReport report;
    report.path = LayoutPath(layout_);
    util::xml::Element layout;
    report.xmlStatus = layout.Load(report.path);
    if (report.xmlStatus == 0) {
        PrepareLayout(layout);
        root_ = gui::ComponentBuilder::Create(layout, &report);
    }
    if (root_ == nullptr || gui::qt::AsWidget(root_.get()) == nullptr) {
        root_.reset();
        failed_ = true;
        const std::string text = report.Ok() ? "The window " + layout_ + " has no widget." : report.Message();
        platform::win32::MessageBox(nullptr, text.c_str(), "Error",
                                    platform::win32::MB_OK | platform::win32::MB_ICONERROR);
        return nullptr;
    }
    connect(root_.get());
    Built();
    return root_.get();
}

QWidget* LayoutWindow::GetWidget() const {
    return gui::qt::AsWidget(root_.get());
}

void LayoutWindow::ShowWindow() {
    QWidget* widget = Build() != nullptr ? GetWidget() : nullptr;
    if (widget == nullptr) return;
    if (dock_ == nullptr && dockHost_ != nullptr) {
        if (QMainWindow* host = WindowDock::FindHostWindow(dockHost_))
            dock_ = new WindowDock(*host, *widget, [this] { DockClosed(); });
    }
    // Window flags are set while the window is hidden: setting them hides a shown window.
    if (dock_ == nullptr && widget->windowFlags().testFlag(Qt::WindowStaysOnTopHint) != alwaysOnTop_) {
        widget->hide();
        widget->setWindowFlag(Qt::WindowStaysOnTopHint, alwaysOnTop_);
    }
    if (auto* dialog = dynamic_cast<gui::componentinterface::Dialog*>(root_.get())) {
        dialog->Open();
    } else {
        widget->show();
    }
    if (dock_ != nullptr) dock_->ShowDocked();
}

void LayoutWindow::HideWindow() {
    if (QWidget* widget = GetWidget()) widget->hide();
    if (dock_ != nullptr) dock_->hide();
}

void LayoutWindow::DockIn(void* native) {
    dockHost_ = native;
}

bool LayoutWindow::IsDocked() const {
    return dock_ != nullptr;
}

void LayoutWindow::DockClosed() {
    HideWindow();
}

void LayoutWindow::DiscardTree() {
    if (root_ == nullptr) return;
    HideWindow();
    // The next tree docks afresh.
    if (dock_ != nullptr) dock_->Dismiss();
    disconnect(root_.get());
    root_.reset();
    failed_ = false;
}

void LayoutWindow::PrepareLayout(util::xml::Element& layout) {
    (void)layout;
}

void LayoutWindow::ClearDefaultButtons() {
    QWidget* widget = GetWidget();
    if (widget == nullptr) return;
    for (QPushButton* button : widget->findChildren<QPushButton*>()) {
        button->setAutoDefault(false);
        button->setDefault(false);
    }
}

} // namespace vex::orb::core
