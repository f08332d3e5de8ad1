#include "core/MainSettingsWindow.h"

#include "core/ConfigProfileManager.h"
#include "core/CurrentAdaptor.h"
#include "core/MainConfigSettings.h"
#include "core/configadaptor/MainConfig.h"
#include "gui/componentinterface/Button.h"
#include "gui/componentinterface/Dialog.h"
#include "platform/win32/MessageBox.h"
#include "util/AtomicFile.h"

#include <QWidget>

namespace vex::orb::core {

using configadaptor::element::MainConfig;

MainSettingsWindow::MainSettingsWindow(MainConfigSettings& settings)
    : LayoutWindow(MainConfig::kLayout), settings_(settings) {
    widgets_.SetEditor([this](configadaptor::Node& element, const ElementWidgets::UserValue& value) {
        if (config_ != nullptr) config_->store(element, value.number, value.text);
    });
}

MainSettingsWindow::~MainSettingsWindow() {
    widgets_.Clear();
}

void MainSettingsWindow::Open() {
    if (config_ != nullptr) {
        ShowWindow();
        return;
    }
    config_ = std::make_unique<MainConfig>(settings_, GetCurrentAdaptor());
    SetAlwaysOnTop(settings_.alwaysOnTop);
    // The host's settings may differ from those of the last time: the window is built afresh.
    DiscardTree();
    ShowWindow();
}

bool MainSettingsWindow::Accept() {
    if (config_ == nullptr) return false;
    util::ClearLastWriteError();
    const bool saved = config_->Apply();
    Finish();
    // The window has gone, the values stay in use for this session; the user learns they were not kept.
    if (!saved)
        platform::win32::MessageBox(nullptr, util::WithWriteError(kNotSavedText).c_str(),
                                    ConfigProfileManager::kMessageTitle,
                                    platform::win32::MB_OK | platform::win32::MB_ICONWARNING);
    return saved;
}

void MainSettingsWindow::Cancel() {
    if (config_ == nullptr) return;
    config_->Revert();
    Finish();
}

void MainSettingsWindow::Finish() {
    // Unpaired first: whatever hiding the widgets reports is no longer the user's.
    widgets_.Clear();
    config_.reset();
    HideWindow();
}

void MainSettingsWindow::receive(util::Message& message, bool broadcast) {
    LayoutWindow::receive(message, broadcast);
    if (config_ == nullptr || widgets_.HandleEvent(message)) return;
    if (message.code == gui::componentinterface::Button::kClicked) {
        if (message.parameter == kOkButton) Accept();
        if (message.parameter == kCancelButton) Cancel();
    } else if (message.code == gui::componentinterface::Dialog::kClosed && message.parameter == kDialog) {
        Cancel();
    }
}

void MainSettingsWindow::PrepareLayout(util::xml::Element& layout) {
    if (config_ != nullptr) config_->CompleteLayout(layout);
}

void MainSettingsWindow::Built() {
    ClearDefaultButtons();
    // A short form that is never smaller than its content: the window system would otherwise cap
    // the first size on small screens and squeeze the rows.
    if (QWidget* widget = GetWidget()) widget->setMinimumSize(widget->sizeHint());
    if (config_ == nullptr) return;
    widgets_.Bind(config_->GetMainSettings(), *GetRoot());
    gui::Component* slot = GetRoot()->FindById(MainConfig::kHostSlot);
    if (config_->getHostSettings() != nullptr && slot != nullptr)
        widgets_.Bind(*config_->getHostSettings(), *slot);
}

} // namespace vex::orb::core
