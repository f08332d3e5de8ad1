#pragma once

#include "interface/CInterface.h"

#include <cstdint>
#include <string>
#include <type_traits>
#include <variant>
#include <vector>

namespace vex::orb::addon {

// A tool's configuration page as data: groups of items with named fields, declared in order through the
// contract's page operations by DeclarePage. A tool states its page as a table, and its test checks the
// page the core built against the same table.

/// A spinner bound to a `T` (double or int); with `channel` the core also gives it an input channel
/// "Spinner: " + name that turns it.
template <class T>
struct SpinnerOf {
    std::string name{};
    std::string help{};
    T* value = nullptr;
    T min = T(0);
    T max = T(1);
    T step = std::is_integral_v<T> ? T(1) : T(0.01);
    /// The contract's display setting of the spinner.
    int32_t setting = 1;
    bool channel = false;
    CInterface::Callback* callback = nullptr;
};
using SpinnerItem = SpinnerOf<double>;
using IntSpinnerItem = SpinnerOf<int>;

/// A check box bound to a bool.
struct CheckBoxItem {
    std::string name{};
    std::string help{};
    bool* value = nullptr;
    CInterface::Callback* callback = nullptr;
};

/// A combo box bound to the index of the selected item.
struct ComboBoxItem {
    std::string name{};
    std::string help{};
    std::vector<std::string> items{};
    int* value = nullptr;
    CInterface::Callback* callback = nullptr;
};

/// A button; pressing it calls the callback's onEvent(name).
struct ButtonItem {
    std::string name{};
    std::string help{};
    CInterface::Callback* callback = nullptr;
};

/// One item of a page group.
using PageItem = std::variant<SpinnerItem, IntSpinnerItem, CheckBoxItem, ComboBoxItem, ButtonItem>;

/// A labelled group of items.
struct PageGroup {
    std::string name{};
    std::string help{};
    std::vector<PageItem> items{};
};

/// A whole page, group by group.
using ToolPage = std::vector<PageGroup>;

/// A spinner of a tool's own settings: display setting 1, and an input channel of its own that turns it.
SpinnerItem ChannelSpinner(std::string name, std::string help, double& value, double min, double max,
                           double step, CInterface::Callback* callback);

/// Declares `page` on `core` between beginConfiguration and endConfiguration, in order.
void DeclarePage(CInterface* core, const ToolPage& page);

/// The name of `item`, whatever its kind.
const std::string& ItemName(const PageItem& item);

} // namespace vex::orb::addon
