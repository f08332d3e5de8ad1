#include "host/file/KeyListScanner.h"

#include "util/NumberText.h"
#include "util/ParallelFor.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <optional>

namespace vex::host::file {

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// The characters a key list's numbers and the blanks between them are written with, as a table: the
// finder runs over every character of the keys.
struct NumberCharacters {
    bool table[256] = {};
    constexpr NumberCharacters() {
        for (const char c : std::string_view("0123456789.-+eE \t\n\r"))
            table[static_cast<unsigned char>(c)] = true;
    }
    bool operator()(char c) const { return table[static_cast<unsigned char>(c)]; }
};
constexpr NumberCharacters kIsNumberOrBlank;

// A statement that may be a key list: `setAttr -s N ".ktv[a:b]"`, then only number characters and
// blanks up to its ';'. Whether the numbers really are numbers is found out apart.
struct Candidate {
    std::size_t start = 0;   // the statement's first character
    std::size_t numbers = 0; // where its numbers begin
    std::size_t end = 0;     // past its ';'
    std::size_t count = 0;   // the size it gives
    bool read = false;       // its numbers were all read
    std::vector<double> values;
};

// Reads the numbers of a candidate: each token one number the language would read as one (no
// leading '+', finite), an even count in all.
bool ReadNumbers(std::string_view text, Candidate& candidate) {
    candidate.values.reserve(std::min(candidate.count, text.size() / 4) * 2);
    const char* p = text.data() + candidate.numbers;
    const char* last = text.data() + candidate.end - 1; // the ';'
    if (p < last && !IsBlank(*p)) return false;         // numbers glued to the plug
    for (;;) {
        while (p < last && IsBlank(*p)) ++p;
        if (p == last) return candidate.values.size() % 2 == 0;
        if (*p == '+') return false;
        double value = 0.0;
        const char* end = util::ReadNumber(p, last, value);
        if (end == p || !std::isfinite(value) || (end < last && !IsBlank(*end))) return false;
        candidate.values.push_back(value);
        p = end;
    }
}

// Finds the candidates, skipping strings and comments, in one pass over the text.
class Finder {
public:
    explicit Finder(std::string_view text) : text_(text) {}

    std::vector<Candidate> Run() {
        std::vector<Candidate> found;
        bool statementStart = true;
        while (pos_ < text_.size()) {
            const char c = text_[pos_];
            if (IsBlank(c)) {
                ++pos_;
                continue;
            }
            if (statementStart && c == 's') {
                const std::size_t start = pos_;
                Candidate candidate;
                if (Header(candidate)) {
                    candidate.start = start;
                    found.push_back(std::move(candidate));
                    continue; // past its ';', at a statement start again
                }
                pos_ = start;
            }
            const bool wasStart = statementStart;
            statementStart = false;
            if (c == ';' || c == '{' || c == '}') {
                statementStart = true;
                ++pos_;
            } else if (c == '"') {
                SkipString();
            } else if (c == '/' && Peek(1) == '/') {
                while (pos_ < text_.size() && text_[pos_] != '\n') ++pos_;
                statementStart = wasStart; // a comment leaves the statement where it was
            } else if (c == '/' && Peek(1) == '*') {
                const std::size_t end = text_.find("*/", pos_ + 2);
                pos_ = end == std::string_view::npos ? text_.size() : end + 2;
                statementStart = wasStart;
            } else {
                ++pos_;
            }
        }
        return found;
    }

private:
    char Peek(std::size_t ahead) const { return pos_ + ahead < text_.size() ? text_[pos_ + ahead] : '\0'; }

    void SkipString() {
        ++pos_;
        while (pos_ < text_.size() && text_[pos_] != '"' && text_[pos_] != '\n') {
            if (text_[pos_] == '\\') ++pos_;
            ++pos_;
        }
        if (pos_ < text_.size()) ++pos_;
    }

    bool Blanks() {
        const std::size_t start = pos_;
        while (pos_ < text_.size() && IsBlank(text_[pos_])) ++pos_;
        return pos_ > start;
    }

    bool Literal(std::string_view word) {
        if (text_.substr(pos_, word.size()) != word) return false;
        pos_ += word.size();
        return true;
    }

    bool WholeNumber(std::size_t* value = nullptr) {
        const std::size_t start = pos_;
        while (pos_ < text_.size() && IsDigit(text_[pos_])) ++pos_;
        if (value != nullptr) std::from_chars(text_.data() + start, text_.data() + pos_, *value);
        return pos_ > start;
    }

    bool Header(Candidate& candidate) {
        if (!Literal("setAttr") || !Blanks() || !Literal("-s") || !Blanks() ||
            !WholeNumber(&candidate.count) || !Blanks() || !Literal("\".ktv[") || !WholeNumber() ||
            !Literal(":") || !WholeNumber() || !Literal("]\""))
            return false;
        candidate.numbers = pos_;
        const char* p = text_.data() + pos_;
        const char* last = text_.data() + text_.size();
        while (p < last && kIsNumberOrBlank(*p)) ++p;
        pos_ = static_cast<std::size_t>(p - text_.data());
        if (pos_ == text_.size() || text_[pos_] != ';') return false;
        candidate.end = ++pos_;
        return true;
    }

    std::string_view text_;
    std::size_t pos_ = 0;
};

} // namespace

KeyListScanner::Result KeyListScanner::Scan(std::string_view text) {
    std::vector<Candidate> candidates = Finder(text).Run();
    // The numbers, most of the work, are read on every core.
    util::ParallelFor(candidates.size(),
                      [&](std::size_t i) { candidates[i].read = ReadNumbers(text, candidates[i]); });

    Result result;
    std::size_t copied = 0; // text before this has gone to the result
    std::size_t kept = 0;
    for (const Candidate& candidate : candidates) kept += candidate.end - candidate.start;
    result.text.reserve(text.size() - kept + candidates.size() * 24);
    for (Candidate& candidate : candidates) {
        // A statement whose numbers are not all numbers stays as text: it holds no string, comment or
        // brace, so leaving it changes nothing of how the rest is read.
        if (!candidate.read) continue;
        result.text.append(text.substr(copied, candidate.start - copied));
        result.text += kCallName;
        result.text += ' ';
        result.text += std::to_string(result.keyLists.size());
        result.text += ';';
        // The same lines as the statement replaced, so later errors keep their line.
        result.text.append(static_cast<std::size_t>(
                               std::count(text.begin() + static_cast<std::ptrdiff_t>(candidate.start),
                                          text.begin() + static_cast<std::ptrdiff_t>(candidate.end), '\n')),
                           '\n');
        result.keyLists.push_back(std::move(candidate.values));
        copied = candidate.end;
    }
    result.text.append(text.substr(copied));
    return result;
}

} // namespace vex::host::file
