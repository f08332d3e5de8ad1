#include "KeyListScanner.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <optional>

namespace vex::host::file {

namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}

class Scan {
public:
    explicit Scan(std::string_view text) : text_(text) {}

    KeyListScanner::Result run() {
        KeyListScanner::Result result;
        std::size_t copied = 0; // text before this has gone to the result
        bool statementStart = true;
        while (pos_ < text_.size()) {
            const char c = text_[pos_];
            if (isBlank(c)) {
                ++pos_;
                continue;
            }
            if (statementStart && c == 's') {
                const std::size_t start = pos_;
                std::vector<double> numbers;
                if (keyList(numbers)) {
                    result.text.append(text_.substr(copied, start - copied));
                    result.text += KeyListScanner::kCallName;
                    result.text += ' ';
                    result.text += std::to_string(result.keyLists.size());
                    result.text += ';';
                    // The same lines as the statement replaced, so later errors keep their line.
                    for (std::size_t i = start; i < pos_; ++i)
                        if (text_[i] == '\n') result.text += '\n';
                    result.keyLists.push_back(std::move(numbers));
                    copied = pos_;
                    continue; // still at a statement start
                }
                pos_ = start;
            }
            const bool wasStart = statementStart;
            statementStart = false;
            if (c == ';' || c == '{' || c == '}') {
                statementStart = true;
                ++pos_;
            } else if (c == '"') {
                skipString();
            } else if (c == '/' && peek(1) == '/') {
                while (pos_ < text_.size() && text_[pos_] != '\n') ++pos_;
                statementStart = wasStart; // a comment leaves the statement where it was
            } else if (c == '/' && peek(1) == '*') {
                const std::size_t end = text_.find("*/", pos_ + 2);
                pos_ = end == std::string_view::npos ? text_.size() : end + 2;
                statementStart = wasStart;
            } else {
                ++pos_;
            }
        }
        result.text.append(text_.substr(copied));
        return result;
    }

private:
    char peek(std::size_t ahead) const { return pos_ + ahead < text_.size() ? text_[pos_ + ahead] : '\0'; }

    void skipString() {
        ++pos_;
        while (pos_ < text_.size() && text_[pos_] != '"' && text_[pos_] != '\n') {
            if (text_[pos_] == '\\') ++pos_;
            ++pos_;
        }
        if (pos_ < text_.size()) ++pos_;
    }

    bool blanks() {
        const std::size_t start = pos_;
        while (pos_ < text_.size() && isBlank(text_[pos_])) ++pos_;
        return pos_ > start;
    }

    bool literal(std::string_view word) {
        if (text_.substr(pos_, word.size()) != word) return false;
        pos_ += word.size();
        return true;
    }

    bool wholeNumber() {
        const std::size_t start = pos_;
        while (pos_ < text_.size() && std::isdigit(static_cast<unsigned char>(text_[pos_]))) ++pos_;
        return pos_ > start;
    }

    // A number the language would read as one: digits with an optional sign, point and exponent,
    // ending at a blank or the statement's end.
    std::optional<double> number() {
        const char* first = text_.data() + pos_;
        const char* last = text_.data() + text_.size();
        if (first < last && *first == '+') return std::nullopt;
        double value = 0.0;
        const auto [end, error] = std::from_chars(first, last, value, std::chars_format::general);
        if (error != std::errc() || !std::isfinite(value)) return std::nullopt;
        for (const char* p = first; p < end; ++p)
            if (!std::isdigit(static_cast<unsigned char>(*p)) &&
                std::string_view(".-+eE").find(*p) == std::string_view::npos)
                return std::nullopt; // "inf", hex and the like are the language's to judge
        if (end < last && !isBlank(*end) && *end != ';') return std::nullopt;
        pos_ = static_cast<std::size_t>(end - text_.data());
        return value;
    }

    // setAttr -s N ".ktv[a:b]" numbers... ;
    bool keyList(std::vector<double>& numbers) {
        if (!literal("setAttr") || !blanks() || !literal("-s") || !blanks()) return false;
        const std::size_t countAt = pos_;
        if (!wholeNumber() || !blanks() || !literal("\".ktv[") || !wholeNumber() || !literal(":") ||
            !wholeNumber() || !literal("]\""))
            return false;
        // The size the statement gives, within reason, spares the list its regrowing.
        std::size_t count = 0;
        std::from_chars(text_.data() + countAt, text_.data() + text_.size(), count);
        numbers.reserve(std::min<std::size_t>(count, text_.size() / 4) * 2);
        for (;;) {
            const bool separated = blanks();
            if (pos_ < text_.size() && text_[pos_] == ';') {
                ++pos_;
                return numbers.size() % 2 == 0;
            }
            if (!separated) return false;
            const auto value = number();
            if (!value) return false;
            numbers.push_back(*value);
        }
    }

    std::string_view text_;
    std::size_t pos_ = 0;
};

} // namespace

KeyListScanner::Result KeyListScanner::scan(std::string_view text) {
    return Scan(text).run();
}

} // namespace vex::host::file
