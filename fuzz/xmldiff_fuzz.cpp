// Reads any bytes with our XML reader and with pugixml and compares the trees they build.
//
// Only documents that pugixml accepts and that are well-formed XML inside the part of XML our reader
// knows are compared; the others are skipped:
// - one root element; before it at most the XML declaration, after it only comments. No processing
//   instructions, document type declarations or CDATA sections, and no comment before the root: our
//   reader knows none of these (a comment is only read inside or after the root);
// - no control characters other than tab, line feed and carriage return (XML forbids them; our reader
//   counts vertical tab and form feed as whitespace);
// - every "&" starts a numeric character reference to a character XML allows below 128: our reader
//   keeps named entities as written and reads a code up to 255 as that one byte, where pugixml gives
//   the UTF-8 form;
// - no ">" in an attribute value or a comment (our reader ends every tag at the first ">"), and the
//   declaration well-formed (pugixml reads a broken one up to the next "?>", our reader to the ">"), and no
//   "&" in a comment (our writer escapes "&" and ">" there, so our reader reads references in comments, which
//   XML does not);
// - rules of XML that pugixml does not check: no "--" inside a comment nor "-" at its end, every
//   attribute name once per tag, and (our reader's own limit) nesting no deeper than Element::kMaxDepth.
// pugixml reads without end-of-line and attribute-value normalisation, because our reader keeps every
// byte of a text or value as written (its writer escapes tabs and line breaks, so nothing is lost);
// XML would turn CR LF into LF and whitespace in values into spaces. A comment is compared without the
// one space that our reader drops after "<!--" and before "-->".
// On such a document our reader must succeed and build the same tree: element names, attributes in
// order with their values, and the text nodes, comments and elements below each element in order.

#include "util/xml/Element.h"

#include <pugixml.hpp>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

using vex::util::xml::Element;

constexpr unsigned kKnowEverything = pugi::parse_comments | pugi::parse_pi | pugi::parse_declaration |
                                     pugi::parse_doctype | pugi::parse_cdata | pugi::parse_fragment;

bool IsAllowedByte(unsigned char c) {
    return c >= 0x20 || c == '\t' || c == '\n' || c == '\r';
}

// "&#<decimal>;" or "&#x<hex>;" at `amp` standing for tab, a line break or a printable ASCII character.
bool IsAsciiReference(std::string_view text, std::size_t amp) {
    std::size_t i = amp + 1;
    if (i >= text.size() || text[i] != '#') return false;
    const bool hex = ++i < text.size() && text[i] == 'x';
    if (hex) ++i;
    const std::size_t digits = i;
    unsigned code = 0;
    for (; i < text.size() && code < 128; ++i) {
        const char c = text[i];
        const char lower = static_cast<char>(c | 0x20);
        if (c >= '0' && c <= '9') {
            code = code * (hex ? 16 : 10) + static_cast<unsigned>(c - '0');
        } else if (hex && lower >= 'a' && lower <= 'f') {
            code = code * 16 + static_cast<unsigned>(lower - 'a' + 10);
        } else {
            break;
        }
    }
    if (i == digits || i >= text.size() || text[i] != ';') return false;
    return code < 128 && (code >= 0x20 || code == '\t' || code == '\n' || code == '\r');
}

bool InSubsetText(std::string_view text) {
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (!IsAllowedByte(static_cast<unsigned char>(text[i]))) return false;
        if (text[i] == '&' && !IsAsciiReference(text, i)) return false;
    }
    return true;
}

bool IsPlainComment(std::string_view raw) {
    return raw.find_first_of(">&") == std::string_view::npos && raw.find("--") == std::string_view::npos &&
           !raw.ends_with('-');
}

// Checks the tree pugixml read without decoding references (`raw` keeps the text as written).
bool InSubsetNode(const pugi::xml_node& node, std::size_t depth) {
    switch (node.type()) {
    case pugi::node_pcdata:
        return true;
    case pugi::node_comment:
        return IsPlainComment(node.value());
    case pugi::node_element:
        break;
    default:
        return false;
    }
    if (depth > Element::kMaxDepth) return false;
    for (const pugi::xml_attribute& attribute : node.attributes()) {
        if (std::string_view(attribute.value()).find('>') != std::string_view::npos) return false;
        for (pugi::xml_attribute other = attribute.next_attribute(); other; other = other.next_attribute())
            if (std::string_view(other.name()) == attribute.name()) return false;
    }
    for (const pugi::xml_node& child : node.children())
        if (!InSubsetNode(child, depth + 1)) return false;
    return true;
}

// An XML declaration at the very start (after a byte order mark), its first ">" closing it as "?>",
// with the version first. pugixml reads a malformed one ("<?xml version='1'/>") up to the next "?>".
bool IsDeclaration(std::string_view text, const pugi::xml_node& node) {
    if (text.starts_with("\xEF\xBB\xBF")) text.remove_prefix(3);
    const std::size_t close = text.find('>');
    return text.starts_with("<?xml") && close != std::string_view::npos && text[close - 1] == '?' &&
           std::string_view(node.first_attribute().name()) == "version";
}

bool InSubsetDocument(std::string_view text, const pugi::xml_document& raw) {
    std::size_t roots = 0;
    for (const pugi::xml_node& node : raw.children()) {
        switch (node.type()) {
        case pugi::node_declaration:
            if (node != raw.first_child() || !IsDeclaration(text, node)) return false;
            break;
        case pugi::node_comment:
            if (roots == 0 || !IsPlainComment(node.value())) return false;
            break;
        case pugi::node_element:
            if (++roots > 1 || !InSubsetNode(node, 1)) return false;
            break;
        default:
            return false;
        }
    }
    return roots == 1;
}

// A comment's text as our reader gives it: without one space at either end.
std::string_view CommentText(std::string_view text) {
    if (text.starts_with(' ')) text.remove_prefix(1);
    if (text.ends_with(' ')) text.remove_suffix(1);
    return text;
}

// `text` in quotes with every byte outside printable ASCII as \x and two hexadecimal digits.
std::string Quoted(std::string_view text) {
    std::string out = "\"";
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte >= 0x20 && byte < 0x7F && c != '"' && c != '\\') {
            out += c;
        } else {
            constexpr char kHex[] = "0123456789abcdef";
            out += {'\\', 'x', kHex[byte >> 4], kHex[byte & 15]};
        }
    }
    return out + '"';
}

std::string Differs(const std::string& where, const char* what, std::string_view ours,
                    std::string_view theirs) {
    return where + ": " + what + " differ: ours " + Quoted(ours) + ", pugixml " + Quoted(theirs);
}

// Where `ours` first differs from `theirs`, as a path and a reason; empty when they agree.
std::string Difference(const Element& ours, const pugi::xml_node& theirs, const std::string& where) {
    const std::string_view value = ours.GetName();
    switch (theirs.type()) {
    case pugi::node_pcdata:
        if (ours.GetKind() != Element::Kind::Text) return where + ": pugixml has a text node here";
        return value == theirs.value() ? std::string() : Differs(where, "texts", value, theirs.value());
    case pugi::node_comment: {
        if (ours.GetKind() != Element::Kind::kComment) return where + ": pugixml has a comment here";
        const std::string_view comment = CommentText(theirs.value());
        return value == comment ? std::string() : Differs(where, "comments", value, comment);
    }
    default:
        break;
    }
    if (!ours.IsTag()) return where + ": pugixml has an element here";
    if (value != theirs.name()) return Differs(where, "element names", value, theirs.name());
    const Element::Attributes& attributes = ours.GetAttributes();
    std::size_t index = 0;
    for (const pugi::xml_attribute& attribute : theirs.attributes()) {
        if (index == attributes.size()) return where + ": attribute " + attribute.name() + " is missing";
        const auto& [name, text] = attributes[index++];
        if (std::string_view(name) != attribute.name())
            return Differs(where, "attribute names", name, attribute.name());
        if (std::string_view(text) != attribute.value())
            return Differs(where, "attribute values", text, attribute.value());
    }
    if (index != attributes.size()) return where + ": more attributes than pugixml";
    const Element::Children& children = ours.GetChildren();
    index = 0;
    for (const pugi::xml_node& child : theirs.children()) {
        const std::string path = where + "/" + std::to_string(index);
        if (index == children.size()) return path + ": child missing";
        std::string difference = Difference(children[index++], child, path);
        if (!difference.empty()) return difference;
    }
    return index == children.size() ? std::string() : where + ": more children than pugixml";
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string input(reinterpret_cast<const char*>(data), size);
    if (!InSubsetText(input)) return 0;
    pugi::xml_document raw;
    if (!raw.load_buffer(input.data(), input.size(), pugi::parse_minimal | kKnowEverything,
                         pugi::encoding_utf8) ||
        !InSubsetDocument(input, raw))
        return 0;
    pugi::xml_document theirs;
    theirs.load_buffer(input.data(), input.size(), pugi::parse_escapes | kKnowEverything,
                       pugi::encoding_utf8);

    Element ours;
    const int status = ours.Parse(input);
    const std::string difference =
        status == vex::util::xml::kOk ? Difference(ours, theirs.document_element(), "") : "our reader fails";
    if (difference.empty()) return 0;
    std::fprintf(stderr, "XML readers disagree (status %d): %s\ninput: %s\n", status, difference.c_str(),
                 Quoted(input).c_str());
    std::abort();
}
