#include "CommandResult.h"

#include <charconv>

namespace vex::host {

namespace {

bool parseDouble(const std::string& text, double& value) {
    const char* begin = text.data();
    const char* end = begin + text.size();
    auto [ptr, ec] = std::from_chars(begin, end, value);
    return ec == std::errc() && ptr == end && !text.empty();
}

} // namespace

void CommandResult::set(Type type, std::vector<std::string> values, bool array) {
    type_ = type;
    values_ = std::move(values);
    array_ = array;
}

void CommandResult::append(Type type, std::string value) {
    if (!array_) values_.clear();
    type_ = type;
    array_ = true;
    values_.push_back(std::move(value));
}

void CommandResult::clear() {
    type_ = Type::Empty;
    array_ = false;
    values_.clear();
}

std::string CommandResult::asText() const {
    std::string text;
    for (const std::string& value : values_) text += (text.empty() ? "" : " ") + value;
    return text;
}

bool CommandResult::asDouble(double& value) const {
    return !values_.empty() && parseDouble(values_[0], value);
}

bool CommandResult::asInt(int& value) const {
    double number = 0;
    if (!asDouble(number)) return false;
    value = static_cast<int>(number);
    return true;
}

bool CommandResult::asDoubles(std::vector<double>& values) const {
    values.clear();
    for (const std::string& text : values_) {
        double number = 0;
        if (!parseDouble(text, number)) return false;
        values.push_back(number);
    }
    return true;
}

std::string CommandResult::format(double value) {
    char buffer[64];
    auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, value);
    return ec == std::errc() ? std::string(buffer, end) : std::string("nan");
}

} // namespace vex::host
