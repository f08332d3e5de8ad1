#include "util/NumberText.h"

#include <maya/MString.h>
#include <maya/MStringArray.h>

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cstdio>
#include <ostream>

namespace {

// Parses the whole text as T; false when anything is left over or nothing is a number.
// Stores the number the whole text holds in `value`; false when it holds anything else.
template <typename T>
bool parseWhole(const std::string& text, T& value) {
    const std::optional<T> number = vex::util::ParseNumber<T>(text);
    if (number) value = *number;
    return number.has_value();
}

} // namespace

unsigned int MString::numChars() const {
    // Count every byte that does not continue a UTF-8 sequence.
    return static_cast<unsigned int>(std::count_if(
        text_.begin(), text_.end(), [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
}

MString& MString::set(const char* text) {
    text_ = text ? text : "";
    return *this;
}

MString& MString::set(double value, int precision) {
    text_ = vex::util::FormatGeneral(value, precision);
    return *this;
}

MString& MString::operator+=(const MString& other) {
    text_ += other.text_;
    return *this;
}

MString& MString::operator+=(const char* other) {
    if (other) text_ += other;
    return *this;
}

MString& MString::operator+=(double value) {
    text_ += vex::util::FormatGeneral(value, 6);
    return *this;
}

MString& MString::operator+=(int value) {
    text_ += std::to_string(value);
    return *this;
}

MString& MString::operator+=(unsigned int value) {
    text_ += std::to_string(value);
    return *this;
}

int MString::index(char c) const {
    const auto at = text_.find(c);
    return at == std::string::npos ? -1 : static_cast<int>(at);
}

int MString::rindex(char c) const {
    const auto at = text_.rfind(c);
    return at == std::string::npos ? -1 : static_cast<int>(at);
}

MString MString::substring(int start, int end) const {
    start = std::max(start, 0);
    end = std::min(end, static_cast<int>(text_.size()) - 1);
    if (start > end) return {};
    return MString(text_.substr(start, end - start + 1));
}

MStatus MString::split(char delimiter, MStringArray& pieces) const {
    pieces.clear();
    std::size_t begin = 0;
    while (begin <= text_.size()) {
        std::size_t end = text_.find(delimiter, begin);
        if (end == std::string::npos) end = text_.size();
        if (end > begin) pieces.append(MString(text_.substr(begin, end - begin)));
        begin = end + 1;
    }
    return MStatus::kSuccess;
}

MString MString::toLowerCase() const {
    std::string result = text_;
    for (char& c : result) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return MString(result);
}

MString MString::toUpperCase() const {
    std::string result = text_;
    for (char& c : result) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return MString(result);
}

MStatus MString::substitute(const MString& from, const MString& to) {
    if (from.text_.empty()) return MStatus::kInvalidParameter;
    std::size_t at = 0;
    while ((at = text_.find(from.text_, at)) != std::string::npos) {
        text_.replace(at, from.text_.size(), to.text_);
        at += to.text_.size();
    }
    return MStatus::kSuccess;
}

bool MString::isInt() const {
    int value = 0;
    return parseWhole(text_, value);
}

bool MString::isDouble() const {
    double value = 0.0;
    return parseWhole(text_, value);
}

int MString::asInt() const {
    int value = 0;
    return parseWhole(text_, value) ? value : 0;
}

double MString::asDouble() const {
    double value = 0.0;
    return parseWhole(text_, value) ? value : 0.0;
}

MString operator+(const MString& a, const MString& b) {
    MString result = a;
    return result += b;
}

MString operator+(const MString& a, const char* b) {
    MString result = a;
    return result += b;
}

MString operator+(const char* a, const MString& b) {
    MString result(a);
    return result += b;
}

MString operator+(const MString& a, double b) {
    MString result = a;
    return result += b;
}

MString operator+(const MString& a, int b) {
    MString result = a;
    return result += b;
}

std::ostream& operator<<(std::ostream& out, const MString& text) {
    return out << text.str();
}
