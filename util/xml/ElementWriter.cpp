// The writer: tabs for indentation, text children inline, every byte that is not a printable ASCII
// character written as a decimal character reference.

#include "util/xml/Element.h"

#include <array>
#include <string>
#include <string_view>

namespace vex::util::xml {

namespace {

using EscapeTable = std::array<bool, 256>;

// Which bytes become "&#<code>;": everything but letters, digits, space and punctuation, and of those
// "&" and "<" always, plus `extra`.
constexpr EscapeTable MakeTable(std::string_view extra) {
    EscapeTable table{};
    for (int c = 0; c < 256; ++c) table[c] = c < 32 || c > 126 || c == '&' || c == '<';
    for (char c : extra) table[static_cast<unsigned char>(c)] = true;
    return table;
}

// Names and text. A text of spaces alone also writes its spaces as references, because the reader
// drops a run of bare whitespace before a tag.
constexpr EscapeTable kText = MakeTable("");
constexpr EscapeTable kSpacesOnly = MakeTable(" ");
// Attribute values: the reader ends a tag at the first ">", quoted or not.
constexpr EscapeTable kValue = MakeTable(">");
constexpr EscapeTable kValueBothQuotes = MakeTable(">\"");

// Comments are written as they are, except a ">" which would end them early for our reader and an "&"
// which would read back as the start of a reference.
constexpr EscapeTable MakeCommentTable() {
    EscapeTable table{};
    table['>'] = true;
    table['&'] = true;
    return table;
}
constexpr EscapeTable kComment = MakeCommentTable();

void AppendReference(std::string& out, unsigned char c) {
    char buffer[6] = {'&', '#'};
    int n = 2;
    if (c >= 100) buffer[n++] = static_cast<char>('0' + c / 100);
    if (c >= 10) buffer[n++] = static_cast<char>('0' + c / 10 % 10);
    buffer[n++] = static_cast<char>('0' + c % 10);
    buffer[n++] = ';';
    out.append(buffer, static_cast<std::size_t>(n));
}

void AppendEscaped(std::string& out, std::string_view text, const EscapeTable& table) {
    const char* run = text.data();
    const char* end = run + text.size();
    for (const char* p = run; p != end; ++p) {
        const auto c = static_cast<unsigned char>(*p);
        if (!table[c]) continue;
        out.append(run, p);
        AppendReference(out, c);
        run = p + 1;
    }
    out.append(run, end);
}

void AppendAttribute(std::string& out, const Element::Attribute& attribute) {
    out += ' ';
    AppendEscaped(out, attribute.first, kText);
    const std::string_view value = attribute.second;
    const bool doubleQuote = value.find('"') != std::string_view::npos;
    const bool apostrophe = doubleQuote && value.find('\'') != std::string_view::npos;
    if (doubleQuote && !apostrophe) {
        out += "='";
        AppendEscaped(out, value, kValue);
        out += '\'';
    } else {
        out += "=\"";
        AppendEscaped(out, value, apostrophe ? kValueBothQuotes : kValue);
        out += '"';
    }
}

bool IsSpacesOnly(std::string_view text) {
    return !text.empty() && text.find_first_not_of(' ') == std::string_view::npos;
}

// A comment's text may not hold "--": a "-" right after another is written as a reference. The spaces
// around the text keep a text ending in "-" from touching the closing "-->".
void AppendComment(std::string& out, std::string_view text) {
    std::size_t start = 0;
    for (std::size_t i = 1; i < text.size(); ++i) {
        if (text[i] != '-' || text[i - 1] != '-') continue;
        AppendEscaped(out, text.substr(start, i - start), kComment);
        AppendReference(out, '-');
        start = i + 1;
    }
    AppendEscaped(out, text.substr(start), kComment);
}

// `indent` says whether a tag or comment starts on its own line (after `depth` tabs) or inline, after
// a text; `compact` writes every child inline, without line breaks or tabs.
void WriteNode(const Element& node, std::string& out, int depth, bool indent, bool compact) {
    const std::string_view name = node.GetName();
    switch (node.GetKind()) {
    case Element::Kind::Text:
        AppendEscaped(out, name, IsSpacesOnly(name) ? kSpacesOnly : kText);
        return;
    case Element::Kind::kComment:
        if (indent) out.append(static_cast<std::size_t>(depth), '\t');
        out += "<!-- ";
        AppendComment(out, name);
        out += " -->";
        return;
    case Element::Kind::Tag:
        break;
    }

    if (indent) out.append(static_cast<std::size_t>(depth), '\t');
    out += '<';
    AppendEscaped(out, name, kText);
    for (const Element::Attribute& attribute : node.GetAttributes()) AppendAttribute(out, attribute);

    const Element::Children& children = node.GetChildren();
    if (children.empty()) {
        out += "/>";
        return;
    }
    out += '>';

    // Any text child puts all children inline: on separate lines the layout whitespace around a text
    // would be read back as part of it.
    bool inlineChildren = false;
    for (const Element& child : children)
        inlineChildren = inlineChildren || child.GetKind() == Element::Kind::Text;

    if (inlineChildren || compact) {
        bool afterText = false;
        for (const Element& child : children) {
            const bool isText = child.GetKind() == Element::Kind::Text;
            if (isText && afterText) out += ' ';
            WriteNode(child, out, depth + 1, false, compact);
            afterText = isText;
        }
    } else {
        out += '\n';
        for (const Element& child : children) {
            WriteNode(child, out, depth + 1, true, false);
            out += '\n';
        }
        out.append(static_cast<std::size_t>(depth), '\t');
    }
    out += "</";
    AppendEscaped(out, name, kText);
    out += '>';
}

} // namespace

void Element::Write(std::string& out, int depth) const {
    WriteNode(*this, out, depth < 0 ? 0 : depth, true, false);
}

std::string Element::ToCompactString() const {
    std::string out;
    WriteNode(*this, out, 0, false, true);
    return out;
}

} // namespace vex::util::xml
