#include "core/configadaptor/PageBuilder.h"

#include "core/configadaptor/Button.h"
#include "core/configadaptor/CheckBox.h"
#include "core/configadaptor/ComboBox.h"
#include "core/configadaptor/Group.h"
#include "core/configadaptor/Spinner.h"
#include "core/configadaptor/Spinner_Int.h"
#include "core/configadaptor/TextBox.h"

#include <utility>

namespace vex::orb::core::configadaptor {

PageBuilder::PageBuilder() = default;
PageBuilder::~PageBuilder() = default;

template <typename T>
T* PageBuilder::Append(std::unique_ptr<T> node) {
    if (page_ == nullptr) page_ = std::make_unique<element::Root>();
    Node* parent = current_ != nullptr ? current_ : page_.get();
    T* added = node.release();
    parent->AddChild(added);
    return added;
}

void PageBuilder::beginConfiguration() {
    if (page_ == nullptr) {
        page_ = std::make_unique<element::Root>();
        current_ = page_.get();
        return;
    }
    element::Root* root = new element::Root();
    page_->AddChild(root);
    current_ = root;
}

void PageBuilder::beginGroup(const std::string& name, const std::string& help) {
    current_ = Append(std::make_unique<element::Group>(name, help));
}

void PageBuilder::endGroup() {
    if (current_ != nullptr) current_ = current_->getParent();
}

element::Spinner_Int* PageBuilder::addIntSpinner(const std::string& name, const std::string& help, int* value,
                                                 int min, int max, int step, int32_t setting, bool channel,
                                                 int reserved, CInterface::Callback* callback) {
    (void)reserved;
    auto* spinner = Append(std::make_unique<element::Spinner_Int>(nextId_++, name, help, value, min, max,
                                                                  step, setting, callback));
    ReportChannel(channel, name, *spinner);
    return spinner;
}

element::Spinner* PageBuilder::addSpinner(const std::string& name, const std::string& help, double* value,
                                          double min, double max, double step, int32_t setting, bool channel,
                                          int reserved, CInterface::Callback* callback) {
    (void)reserved;
    auto* spinner = Append(
        std::make_unique<element::Spinner>(nextId_++, name, help, value, min, max, step, setting, callback));
    ReportChannel(channel, name, *spinner);
    return spinner;
}

Node* PageBuilder::addCheckBox(const std::string& name, const std::string& help, bool* value,
                               CInterface::Callback* callback) {
    return Append(std::make_unique<element::CheckBox>(nextId_++, name, help, value, callback));
}

Node* PageBuilder::addTextBox(const std::string& name, const std::string& help, std::string* value,
                              CInterface::Callback* callback) {
    return Append(std::make_unique<element::TextBox>(nextId_++, name, help, value, callback));
}

CInterface::ComboUpdater* PageBuilder::addComboBox(const std::string& name, const std::string& help,
                                                   std::vector<std::string> items, int* value,
                                                   CInterface::Callback* callback) {
    return Append(
        std::make_unique<element::ComboBox>(nextId_++, name, help, std::move(items), value, callback));
}

Node* PageBuilder::addButton(const std::string& name, const std::string& help,
                             CInterface::Callback* callback) {
    return Append(std::make_unique<element::Button>(nextId_++, name, help, callback));
}

void PageBuilder::refreshConfiguration() {
    if (page_ != nullptr) page_->RefreshTree();
}

void PageBuilder::ReportChannel(bool channel, const std::string& name, Node& spinner) const {
    if (channel && channelHandler_) channelHandler_(kSpinnerChannelPrefix + name, spinner);
}

} // namespace vex::orb::core::configadaptor
