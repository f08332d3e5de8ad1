// The reader: splits the text at angle brackets and builds the tree in one pass.
//
// Tokens are never copied out of the text: each is a pair of pointers, and only the strings that end up
// in the tree (names, attribute values, texts) are built, in place. Nesting is followed with an
// explicit stack of open elements rather than recursion, and limited to Element::kMaxDepth so that
// writing and destroying the tree (which do recurse) stay shallow whatever the input.

#include <algorithm>
#include <array>
#include <cstring>
#include <string>
#include <string_view>
#include <tuple>
#include <utility>
#include <vector>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "util/xml/Element.h"

namespace vex::util::xml {

namespace {

// Byte classes the scanning loops test with one table look-up.
enum : unsigned char { kSpace = 1, kAmpersand = 2, kSlash = 4, kEquals = 8, kGreater = 16 };

constexpr std::array<unsigned char, 256> MakeClasses() {
    std::array<unsigned char, 256> classes{};
    for (unsigned char c : {' ', '\t', '\n', '\r', '\v', '\f'}) classes[c] = kSpace;
    classes['&'] = kAmpersand;
    classes['/'] = kSlash;
    classes['='] = kEquals;
    classes['>'] = kGreater;
    return classes;
}
constexpr std::array<unsigned char, 256> kClasses = MakeClasses();

inline unsigned ClassOf(char c) {
    return kClasses[static_cast<unsigned char>(c)];
}
inline bool IsSpace(char c) {
    return ClassOf(c) & kSpace;
}

inline const char* SkipSpace(const char* p, const char* end) {
    while (p != end && IsSpace(*p)) ++p;
    return p;
}

inline const char* Find(const char* p, const char* end, char c) {
    return static_cast<const char*>(std::memchr(p, c, static_cast<std::size_t>(end - p)));
}

// The first `a` or `b` in [p, end), or `end`. Most tokens are short, where 16 bytes at a time inline
// beat a call to memchr.
inline const char* FindEither(const char* p, const char* end, char a, char b) {
#if defined(__SSE2__)
    const __m128i wantA = _mm_set1_epi8(a);
    const __m128i wantB = _mm_set1_epi8(b);
    for (; end - p >= 16; p += 16) {
        const __m128i chunk = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
        const int found =
            _mm_movemask_epi8(_mm_or_si128(_mm_cmpeq_epi8(chunk, wantA), _mm_cmpeq_epi8(chunk, wantB)));
        if (found) return p + __builtin_ctz(static_cast<unsigned>(found));
    }
#endif
    while (p != end && *p != a && *p != b) ++p;
    return p;
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

// Sets `out` to [p, end) with its character references turned into bytes; `amp` is the first "&" in
// it, or null.
void Assign(Element::String& out, const char* p, const char* end, const char* amp) {
    out.clear();
    if (!amp) {
        out.append(p, end); // on an empty string the cheapest way to fill it
        return;
    }
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
}

void Assign(Element::String& out, const char* p, const char* end) {
    Assign(out, p, end, Find(p, end, '&'));
}

Element::String Decode(const char* p, const char* end) {
    Element::String out;
    Assign(out, p, end);
    return out;
}

// A name must survive being written and read back: not empty, and none of the bytes that end a name
// or a tag, or that would make a tag read as an end tag, an empty-element tag or a special token.
bool IsValidName(const Element::String& name) {
    if (name.empty() || name[0] == '!' || name[0] == '?') return false;
    for (char c : name)
        if (ClassOf(c) & (kSpace | kSlash | kEquals | kGreater)) return false;
    return true;
}

// Decodes a name holding a reference into `name` and checks it in full.
[[gnu::noinline]] bool DecodeName(Element::String& name, const char* p, const char* end) {
    Assign(name, p, end);
    return IsValidName(name);
}

// Checks a name just read as [p, end), with `classes` the classes of its bytes or-ed together. The
// scanning loops already stopped at whitespace, ">" and (for attribute names) "=", so only a name
// holding a reference needs decoding (into `name`) and the full check.
inline bool CheckName(Element::String& name, const char* p, const char* end, unsigned classes) {
    if (classes & kAmpersand) return DecodeName(name, p, end);
    return p != end && *p != '!' && *p != '?' && !(classes & (kSlash | kEquals));
}

// The text of a comment node from what stands between "<!" and ">", before its references are turned
// into bytes. The writer's form "<!-- text -->", the older "<!-- text-- >" and "<!--text-->" all give
// back "text"; other special tokens
// ("<!DOCTYPE ...>") are kept whole.
std::string_view CommentText(const char* p, const char* end) {
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
    return text;
}

// What the previous element at the same depth had: siblings are usually alike, so their lists are
// allocated once at that size.
struct Expected {
    std::size_t children = 4;
    std::size_t attributes = 0;
};

} // namespace

class ElementReader {
public:
    static int Run(Element& root, std::string_view text);

private:
    static int ReadStartTag(Element& element, const char* p, const char* end, bool& isEmpty,
                            Expected& expected);
    static int ReadContent(Element& root, const char*& p, const char* end, const Expected& rootExpected);
    static int ReadAfterRoot(const char* p, const char* end);
};

int Element::Parse(std::string_view text) {
    return ElementReader::Run(*this, text);
}

int ElementReader::Run(Element& root, std::string_view text) {
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
        p = SkipSpace(p, end);
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
    Expected expected;
    if (int status = ReadStartTag(root, body, bodyEnd, isEmpty, expected)) return status;
    if (!isEmpty) {
        if (int status = ReadContent(root, p, end, expected)) return status;
    }
    return ReadAfterRoot(p, end);
}

// Fills `element` from the text between "<" and ">" of a start or empty-element tag.
int ElementReader::ReadStartTag(Element& element, const char* p, const char* end, bool& isEmpty,
                                Expected& expected) {
    isEmpty = end != p && end[-1] == '/';
    if (isEmpty) --end;

    const char* nameEnd = p;
    unsigned classes = 0;
    for (unsigned c; nameEnd != end && !((c = ClassOf(*nameEnd)) & kSpace); ++nameEnd) classes |= c;
    element.value_.append(p, nameEnd);
    if (!CheckName(element.value_, p, nameEnd, classes)) return kBadName;
    if (nameEnd == end) return kOk;

    Element::Attributes& attributes = element.attributes_;
    attributes.reserve(expected.attributes);
    p = nameEnd;
    for (;;) {
        const char* gap = p;
        p = SkipSpace(p, end);
        if (p == end) break;
        if (p == gap) return kAttributeNoSpace;

        const char* name = p;
        classes = 0;
        for (unsigned c; p != end && !((c = ClassOf(*p)) & (kSpace | kEquals)); ++p) classes |= c;
        const char* nameEnd = p;
        p = SkipSpace(p, end);
        if (p == end || *p != '=') return kMissingEquals;
        p = SkipSpace(p + 1, end);
        if (p == end || (*p != '"' && *p != '\'')) return kUnquotedValue;
        const char quote = *p;
        const char* value = p + 1;
        const char* valueEnd = FindEither(value, end, quote, '&');
        const char* amp = nullptr;
        if (valueEnd != end && *valueEnd == '&') {
            amp = valueEnd;
            valueEnd = FindEither(amp, end, quote, quote);
        }
        if (valueEnd == end) return kUnterminatedValue;
        p = valueEnd + 1;

        Element::Attribute& attribute =
            attributes.emplace_back(std::piecewise_construct, std::forward_as_tuple(name, nameEnd),
                                    std::forward_as_tuple(value, valueEnd));
        if (!CheckName(attribute.first, name, nameEnd, classes)) {
            attributes.pop_back();
            return kBadName;
        }
        const Element::String& added = attribute.first;
        for (std::size_t i = 0; i + 1 < attributes.size(); ++i) {
            const Element::String& other = attributes[i].first;
            if (other.size() == added.size() && other[0] == added[0] && other == added) {
                attributes.pop_back();
                return kDuplicateAttribute;
            }
        }
        if (amp) Assign(attribute.second, value, valueEnd, amp);
    }
    expected.attributes = attributes.size();
    return kOk;
}

// Reads the children of `root` up to and including its end tag.
//
// Pointers to the open elements stay valid: only the innermost one gains children, and none of its
// children is open. Each element's child list is first sized like that of the element closed before
// it at the same depth (see Expected).
int ElementReader::ReadContent(Element& root, const char*& p, const char* end, const Expected& rootExpected) {
    std::vector<Element*> open;
    std::vector<Expected> expected; // for the children of each open element
    open.reserve(32);
    expected.reserve(32);
    open.push_back(&root);
    expected.push_back(rootExpected);

    while (!open.empty()) {
        // A run of whitespace before a tag is only layout.
        const char* q = SkipSpace(p, end);
        if (q == end) return kNotClosed;
        Element& top = *open.back();
        Expected& siblings = expected[open.size() - 1];
        Element::Children& children = top.children_;
        if (children.capacity() == 0) children.reserve(siblings.children);

        if (*q != '<') {
            const char* next = FindEither(q, end, '<', '&');
            const char* amp = nullptr;
            if (next != end && *next == '&') {
                amp = next;
                next = Find(amp, end, '<');
                if (!next) next = end;
            }
            Element& text = children.emplace_back();
            text.kind_ = Element::Kind::Text;
            Assign(text.value_, p, next, amp);
            p = next;
            continue;
        }

        p = q;
        const char* close = FindEither(p + 1, end, '>', '>');
        if (close == end) return kUnknownToken;
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
            // Siblings with far fewer children than the one before give back the spare room.
            if (children.size() < children.capacity() / 2) children.shrink_to_fit();
            // Keep the larger of the last sizes unless this one is far smaller, so that siblings with
            // one child more now and then do not each grow their list.
            const std::size_t count = std::max<std::size_t>(children.size(), 1);
            siblings.children = count * 2 >= siblings.children ? std::max(count, siblings.children) : count;
            open.pop_back();
        } else if (body != close && *body == '!') {
            const std::string_view text = CommentText(body + 1, close);
            children.emplace_back(Element::Kind::kComment, Decode(text.data(), text.data() + text.size()));
        } else {
            if (open.size() >= Element::kMaxDepth) return kTooDeep;
            Element& child = children.emplace_back();
            bool isEmpty = false;
            if (open.size() == expected.size()) expected.emplace_back();
            if (int status = ReadStartTag(child, body, close, isEmpty, expected[open.size()])) return status;
            if (!isEmpty) open.push_back(&child);
        }
    }
    return kOk;
}

// After the root element only whitespace and special tokens (comments) may follow.
int ElementReader::ReadAfterRoot(const char* p, const char* end) {
    for (;;) {
        p = SkipSpace(p, end);
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
