// The reader: splits the text at angle brackets and builds the tree in one pass.
//
// Tokens are never copied out of the text: each is a pair of pointers, and only the strings that end up
// in the tree (names, attribute values, texts) are built. Nesting is followed with an explicit stack
// of open elements rather than recursion, and limited to Element::kMaxDepth so that writing and
// destroying the tree (which do recurse) stay shallow whatever the input.

#include <cstring>
#include <string>
#include <string_view>
#include <vector>

#include "util/xml/Element.h"

namespace vex::util::xml {

namespace {

inline bool IsSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
}

inline const char* Find(const char* p, const char* end, char c) {
    return static_cast<const char*>(std::memchr(p, c, static_cast<std::size_t>(end - p)));
}

// Reads "&#<decimal>;" or "&#x<hex>;" at `amp`. Returns the position after the ";" and sets `byte`, or
// null when the text there is not such a reference or its code does not fit a byte (it then stays as
// written, like a named entity).
const char* ReadReference(const char* amp, const char* end, char& byte) {
    const char* p = amp + 1;
    if (p == end || *p != '#') return nullptr;
    ++p;
    const bool hex = p != end && *p == 'x';
    if (hex) ++p;
    const char* digits = p;
    unsigned value = 0;
    for (; p != end; ++p) {
        unsigned digit;
        const char c = *p;
        const char lower = static_cast<char>(c | 0x20);
        if (c >= '0' && c <= '9') {
            digit = static_cast<unsigned>(c - '0');
        } else if (hex && lower >= 'a' && lower <= 'f') {
            digit = static_cast<unsigned>(lower - 'a' + 10);
        } else {
            break;
        }
        value = value * (hex ? 16 : 10) + digit;
        if (value > 255) return nullptr;
    }
    if (p == digits || p == end || *p != ';') return nullptr;
    byte = static_cast<char>(value);
    return p + 1;
}

// [p, end) with its character references turned into bytes.
std::string Decode(const char* p, const char* end) {
    const char* amp = Find(p, end, '&');
    if (!amp) return std::string(p, end);
    std::string out;
    out.reserve(static_cast<std::size_t>(end - p));
    while (amp) {
        out.append(p, amp);
        char byte;
        if (const char* next = ReadReference(amp, end, byte)) {
            out.push_back(byte);
            p = next;
        } else {
            out.push_back('&');
            p = amp + 1;
        }
        amp = Find(p, end, '&');
    }
    out.append(p, end);
    return out;
}

// A name must survive being written and read back: not empty, and none of the bytes that end a name
// or a tag, or that would make a tag read as an end tag, an empty-element tag or a special token.
bool IsValidName(const std::string& name) {
    if (name.empty() || name[0] == '!' || name[0] == '?') return false;
    for (char c : name)
        if (IsSpace(c) || c == '>' || c == '/' || c == '=') return false;
    return true;
}

// The text of a comment node from what stands between "<!" and ">". The writer's form
// "<!-- text-- >" and the usual "<!-- text -->" both give back "text"; other special tokens
// ("<!DOCTYPE ...>") are kept whole.
std::string CommentText(const char* p, const char* end) {
    std::string_view text(p, static_cast<std::size_t>(end - p));
    if (text.starts_with("--")) {
        text.remove_prefix(2);
        if (text.starts_with(' ')) text.remove_prefix(1);
        if (text.ends_with("-- ")) {
            text.remove_suffix(3);
        } else if (text.ends_with("--")) {
            text.remove_suffix(2);
            if (text.ends_with(' ')) text.remove_suffix(1);
        }
    }
    return std::string(text);
}

} // namespace

class Parser {
public:
    static int Run(Element& root, std::string_view text);

private:
    static int ReadStartTag(Element& element, const char* p, const char* end, bool& isEmpty);
    static int ReadContent(Element& root, const char*& p, const char* end);
    static int ReadAfterRoot(const char* p, const char* end);
};

int Element::Parse(std::string_view text) {
    return Parser::Run(*this, text);
}

int Parser::Run(Element& root, std::string_view text) {
    root.kind_ = Element::Kind::Tag;
    root.value_.clear();
    root.attributes_.clear();
    root.children_.clear();

    const char* p = text.data();
    const char* end = p + text.size();
    if (text.starts_with("\xEF\xBB\xBF")) p += 3; // a UTF-8 byte order mark left by an editor

    // The first tag, after an optional declaration, must be a start or empty-element tag.
    const char* body = nullptr;
    const char* bodyEnd = nullptr;
    for (bool first = true;; first = false) {
        while (p != end && IsSpace(*p)) ++p;
        if (p == end || *p != '<') return kNoRoot;
        const char* close = Find(p + 1, end, '>');
        if (!close) return kUnknownToken;
        body = p + 1;
        bodyEnd = close;
        p = close + 1;
        if (!(first && body != bodyEnd && *body == '?')) break;
    }
    if (body != bodyEnd && (*body == '/' || *body == '!')) return kNoRoot;

    bool isEmpty = false;
    if (int status = ReadStartTag(root, body, bodyEnd, isEmpty)) return status;
    if (!isEmpty) {
        if (int status = ReadContent(root, p, end)) return status;
    }
    return ReadAfterRoot(p, end);
}

// Fills `element` from the text between "<" and ">" of a start or empty-element tag.
int Parser::ReadStartTag(Element& element, const char* p, const char* end, bool& isEmpty) {
    isEmpty = end != p && end[-1] == '/';
    if (isEmpty) --end;

    const char* nameEnd = p;
    while (nameEnd != end && !IsSpace(*nameEnd)) ++nameEnd;
    element.value_ = Decode(p, nameEnd);
    if (!IsValidName(element.value_)) return kBadName;

    p = nameEnd;
    for (;;) {
        const char* gap = p;
        while (p != end && IsSpace(*p)) ++p;
        if (p == end) return kOk;
        if (p == gap) return kAttributeNoSpace;

        const char* name = p;
        while (p != end && *p != '=' && !IsSpace(*p)) ++p;
        const char* nameStop = p;
        while (p != end && IsSpace(*p)) ++p;
        if (p == end || *p != '=') return kMissingEquals;
        ++p;
        while (p != end && IsSpace(*p)) ++p;
        if (p == end || (*p != '"' && *p != '\'')) return kUnquotedValue;
        const char* value = p + 1;
        const char* valueEnd = Find(value, end, *p);
        if (!valueEnd) return kUnterminatedValue;
        p = valueEnd + 1;

        std::string attributeName = Decode(name, nameStop);
        if (!IsValidName(attributeName)) return kBadName;
        for (const Element::Attribute& attribute : element.attributes_)
            if (attribute.first == attributeName) return kDuplicateAttribute;
        element.attributes_.emplace_back(std::move(attributeName), Decode(value, valueEnd));
    }
}

// Reads the children of `root` up to and including its end tag.
int Parser::ReadContent(Element& root, const char*& p, const char* end) {
    // Pointers to the open elements stay valid: only the innermost one gains children, and none of its
    // children is open.
    std::vector<Element*> open;
    open.reserve(32);
    open.push_back(&root);

    while (!open.empty()) {
        if (p == end) return kNotClosed;
        Element& top = *open.back();

        if (*p != '<') {
            const char* next = Find(p, end, '<');
            if (!next) next = end;
            const char* q = p;
            while (q != next && IsSpace(*q)) ++q;
            if (q != next) top.children_.emplace_back(Element::Kind::Text, Decode(p, next));
            p = next; // a run of whitespace alone is only layout
            continue;
        }

        const char* close = Find(p + 1, end, '>');
        if (!close) return kUnknownToken;
        const char* body = p + 1;
        p = close + 1;

        if (body != close && *body == '/') {
            const char* name = body + 1;
            const char* nameEnd = close;
            while (nameEnd != name && IsSpace(nameEnd[-1])) --nameEnd;
            const std::string_view raw(name, static_cast<std::size_t>(nameEnd - name));
            const bool same =
                Find(name, nameEnd, '&') ? Decode(name, nameEnd) == top.value_ : raw == top.value_;
            if (!same) return kEndTagMismatch;
            open.pop_back();
        } else if (body != close && *body == '!') {
            top.children_.emplace_back(Element::Kind::Comment, CommentText(body + 1, close));
        } else {
            if (open.size() >= Element::kMaxDepth) return kTooDeep;
            Element& child = top.children_.emplace_back();
            bool isEmpty = false;
            if (int status = ReadStartTag(child, body, close, isEmpty)) return status;
            if (!isEmpty) open.push_back(&child);
        }
    }
    return kOk;
}

// After the root element only whitespace and special tokens (comments) may follow.
int Parser::ReadAfterRoot(const char* p, const char* end) {
    for (;;) {
        while (p != end && IsSpace(*p)) ++p;
        if (p == end) return kOk;
        if (*p != '<') return kContentAfterRoot;
        const char* close = Find(p + 1, end, '>');
        if (!close) return kUnknownToken;
        const char* body = p + 1;
        p = close + 1;
        if (body == close) return kContentAfterRoot;
        if (*body == '/') return kNoRoot;
        if (*body != '!') return kContentAfterRoot;
    }
}

} // namespace vex::util::xml
