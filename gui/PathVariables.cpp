#include "gui/PathVariables.h"

#include "util/Singleton.h"

namespace vex::gui {

// Holder of the process-wide variables, created on first use.
struct PathVariables::Shared : util::Singleton<PathVariables::Shared> {
    PathVariables variables;
};

std::optional<std::string> PathVariables::Find(const std::string& name) const {
    const auto found = directories_.find(name);
    if (found == directories_.end()) return std::nullopt;
    return found->second;
}

std::optional<std::string> PathVariables::VariableOf(const std::string& path) {
    if (path.empty() || path.front() != '[') return std::nullopt;
    const std::size_t close = path.find(']');
    if (close == std::string::npos || close == 1) return std::nullopt;
    return path.substr(1, close - 1);
}

std::string PathVariables::Substitute(const std::string& path, const std::string& directory) {
    std::string rest = path.substr(path.find(']') + 1);
    std::string result = directory;
    const bool dirSlash = !result.empty() && (result.back() == '/' || result.back() == '\\');
    const bool restSlash = !rest.empty() && (rest.front() == '/' || rest.front() == '\\');
    if (dirSlash && restSlash)
        rest.erase(0, 1);
    else if (!dirSlash && !restSlash && !rest.empty() && !result.empty())
        result += '/';
    return result + rest;
}

PathVariables& PathVariables::Global() {
    return Shared::Instance().variables;
}

} // namespace vex::gui
