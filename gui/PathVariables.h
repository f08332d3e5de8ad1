#pragma once

#include <map>
#include <optional>
#include <string>

namespace vex::gui {

/// Named directories that image paths refer to with a bracketed prefix: "[images]/play.png" with
/// "images" registered as ":/torvasuite/data/core/images" stands for
/// ":/torvasuite/data/core/images/play.png". Each component has its own set (see Component::SetPathVariable);
/// the process-wide set, Global(), answers for names no component in the chain knows.
class PathVariables {
public:
    /// Registers `directory` under `name` (without brackets), replacing an earlier one.
    void Set(const std::string& name, const std::string& directory) { directories_[name] = directory; }
    /// Removes the variable `name`.
    void Remove(const std::string& name) { directories_.erase(name); }
    /// The directory registered under `name`, if any.
    std::optional<std::string> Find(const std::string& name) const;
    /// True when no variable is registered.
    bool Empty() const { return directories_.empty(); }

    /// The name between the brackets when `path` begins with "[name]"; nullopt otherwise.
    static std::optional<std::string> VariableOf(const std::string& path);
    /// `path` with its "[name]" prefix replaced by `directory` (one "/" between them, never two).
    static std::string Substitute(const std::string& path, const std::string& directory);

    /// The process-wide variables.
    static PathVariables& Global();

private:
    struct Shared;
    std::map<std::string, std::string> directories_;
};

} // namespace vex::gui
