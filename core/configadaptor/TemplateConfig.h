#pragma once

#include "util/xml/Element.h"

#include <cstddef>
#include <functional>
#include <string>
#include <variant>
#include <vector>

namespace vex::orb {
class CInterface;
}

namespace vex::orb::core::configadaptor {

/// The configuration parameters of a scripted tool, read from its template's "configuration" section
/// and declared as the tool's configuration page, so that they are edited in the configuration
/// window, saved in the instance and in "configprofile" profiles, and read and written by id like
/// the parameters of a compiled tool. The section holds "group" elements ("label", optional "help")
/// of items in page order, each with "label" and optional "help" attributes and its default value as
/// text:
/// - "spinner": a number, with "min", "max" and "step" (defaults 0, 1 and 0.01);
/// - "checkbox": a switch, "1" or "0";
/// - "id": a whole number such as an index or an id a script passes on, with "min" and "max"
///   (defaults 0 and 1000).
/// The page numbers the items from 0 in this order, which is the id scripts use.
class TemplateConfig {
public:
    struct CheckBoxData {
        std::string label;
        std::string help;
        bool value = false;
    };
    struct IdData {
        std::string label;
        std::string help;
        int value = 0;
        int min = 0;
        int max = 1000;
    };
    struct SpinnerData {
        std::string label;
        std::string help;
        double value = 0.0;
        double min = 0.0;
        double max = 1.0;
        double step = 0.01;
    };
    using Item = std::variant<CheckBoxData, IdData, SpinnerData>;
    struct Group {
        std::string label;
        std::string help;
        std::vector<Item> items;
    };
    /// Receives a problem with the element at `where` (relative to the section, "/group[1]/...").
    using Reporter = std::function<void(const std::string& where, const std::string& text)>;

    /// Reads the section; items that cannot be used are left out and reported. Replaces what was read
    /// before; call it before Declare, which binds the page to the values.
    void Read(const util::xml::Element& configuration, const Reporter& report);
    /// Declares the groups and items on `core` as its configuration page (nothing without items).
    void Declare(CInterface* core);

    /// The groups as read.
    const std::vector<Group>& GetGroups() const { return groups_; }
    /// The number of items of all groups.
    std::size_t GetItemCount() const;

private:
    std::vector<Group> groups_;
};

} // namespace vex::orb::core::configadaptor
