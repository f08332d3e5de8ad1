#pragma once

#include "core/configadaptor/Root.h"
#include "interface/CInterface.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace vex::orb::core::configadaptor {

class Node;

namespace element {
class ComboBox;
class Spinner;
class Spinner_Int;
} // namespace element

/// Builds an instance's configuration page from the page operations of CInterface; the instance
/// forwards those calls here one to one and owns the builder (which owns the page).
///
/// Every item (spinners, check boxes, text boxes, combo boxes, buttons) gets the next number of the
/// page's item counter, starting at 0, as its parameter id; the root and groups carry id -1 and take
/// no number. Items go to the current item; when there is none (after endGroup at the root, or
/// before any beginConfiguration) they go to the top of the page.
///
/// Spinner input channels: the instance owns its channels, so the builder only reports them. For a
/// spinner added with `channel` true, the channel handler (when set) is called right after the
/// spinner was added, with the channel name "Spinner: " + item name and the new spinner element;
/// the instance creates the channel (kind 14) and later turns the spinner through the element's
/// setValue. The add operations also return the new element.
class PageBuilder {
public:
    /// Called for each spinner that wants an input channel: (channel name, spinner element).
    using ChannelHandler = std::function<void(const std::string& channelName, Node& spinner)>;
    /// The prefix of the names of spinner input channels.
    static constexpr const char* kSpinnerChannelPrefix = "Spinner: ";

    PageBuilder();
    ~PageBuilder();
    PageBuilder(const PageBuilder&) = delete;
    PageBuilder& operator=(const PageBuilder&) = delete;

    /// Sets the handler told about spinners that want an input channel (empty: none).
    void SetChannelHandler(ChannelHandler handler) { channelHandler_ = std::move(handler); }

    /// Creates the page's root, or, when a page is open already, appends a new root to it; the new
    /// root becomes current.
    void beginConfiguration();
    /// Closes the page; no effect of its own.
    void endConfiguration() {}
    /// Appends a group to the current item and makes it current.
    void beginGroup(const std::string& name, const std::string& help);
    /// Makes the parent of the current item current (none above the page's root).
    void endGroup();
    /// Appends an int spinner bound to `value`; `reserved` is ignored.
    element::Spinner_Int* addIntSpinner(const std::string& name, const std::string& help, int* value, int min,
                                        int max, int step, int32_t setting, bool channel, int reserved,
                                        CInterface::Callback* callback);
    /// Appends a double spinner bound to `value`; `reserved` is ignored.
    element::Spinner* addSpinner(const std::string& name, const std::string& help, double* value, double min,
                                 double max, double step, int32_t setting, bool channel, int reserved,
                                 CInterface::Callback* callback);
    /// Appends a check box bound to `value`.
    Node* addCheckBox(const std::string& name, const std::string& help, bool* value,
                      CInterface::Callback* callback);
    /// Appends a text box bound to `value`.
    Node* addTextBox(const std::string& name, const std::string& help, std::string* value,
                     CInterface::Callback* callback);
    /// Appends a combo box bound to the index `value`; the result replaces its entries later and
    /// lives as long as the page.
    CInterface::ComboUpdater* addComboBox(const std::string& name, const std::string& help,
                                          std::vector<std::string> items, int* value,
                                          CInterface::Callback* callback);
    /// Appends a button whose callback is told `name` when pressed.
    Node* addButton(const std::string& name, const std::string& help, CInterface::Callback* callback);
    /// No effect.
    void addSeparator() {}
    /// Makes every element of the page show the current value of its variable.
    void refreshConfiguration();

    /// The page's root; null before the first beginConfiguration or item.
    element::Root* GetPage() const { return page_.get(); }
    /// The item new items are appended to; null when there is none.
    Node* GetCurrent() const { return current_; }
    /// The id the next item will get.
    int32_t GetNextId() const { return nextId_; }

private:
    // Appends `node` to the current item (or the top of the page) and returns it.
    template <typename T>
    T* Append(std::unique_ptr<T> node);
    void ReportChannel(bool channel, const std::string& name, Node& spinner) const;

    std::unique_ptr<element::Root> page_;
    Node* current_ = nullptr;
    int32_t nextId_ = 0;
    ChannelHandler channelHandler_;
};

} // namespace vex::orb::core::configadaptor
