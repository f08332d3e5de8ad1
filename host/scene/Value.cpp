#include "host/scene/Value.h"

#include "util/NumberText.h"

#include <cstdio>

namespace vex::host {

double ToDouble(const Value& value) {
    if (auto* d = std::get_if<double>(&value)) return *d;
    if (auto* i = std::get_if<int>(&value)) return *i;
    if (auto* b = std::get_if<bool>(&value)) return *b ? 1.0 : 0.0;
    return 0.0;
}

int ToInt(const Value& value) {
    if (auto* i = std::get_if<int>(&value)) return *i;
    if (auto* d = std::get_if<double>(&value)) return static_cast<int>(*d);
    if (auto* b = std::get_if<bool>(&value)) return *b ? 1 : 0;
    return 0;
}

bool ToBool(const Value& value) {
    return ToDouble(value) != 0.0;
}

namespace {

std::string Number(double value) {
    return util::FormatGeneral(value, 17);
}

template <class Container>
std::string list(const Container& values) {
    std::string text = "[";
    for (const auto& value : values) text += (text.size() > 1 ? " " : "") + Number(value);
    return text + "]";
}

} // namespace

std::string ToText(const Value& value) {
    struct Visitor {
        std::string operator()(std::monostate) const { return "-"; }
        std::string operator()(bool v) const { return v ? "true" : "false"; }
        std::string operator()(int v) const { return std::to_string(v); }
        std::string operator()(double v) const { return Number(v); }
        std::string operator()(const Double3& v) const { return list(v); }
        std::string operator()(const std::string& v) const { return "\"" + v + "\""; }
        std::string operator()(const StringList& v) const {
            std::string text = "{";
            for (const auto& s : v) text += (text.size() > 1 ? " \"" : "\"") + s + "\"";
            return text + "}";
        }
        std::string operator()(const Matrix& v) const { return list(v); }
        std::string operator()(const DataPtr& v) const {
            // Data values compare by identity: a restored value is the very object that was there.
            char text[48];
            std::snprintf(text, sizeof text, "<data %p>", static_cast<const void*>(v.get()));
            return text;
        }
    };
    return std::visit(Visitor{}, value);
}

} // namespace vex::host
