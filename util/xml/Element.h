#pragma once

#include "util/xml/NodeAllocator.h"
#include "util/xml/Status.h"

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace vex::util::xml {

/// A node of an XML tree: a tag (name, attributes, children), a text node or a comment.
///
/// Every node class (Tag, Data, Text, TagWithData, Comment) shares this one layout and differs only in
/// how it is constructed, so children are held by value as Element without losing anything. Elements
/// are values: copying one copies its whole subtree, and adding a child appends a copy.
///
/// Reading and writing are symmetric: a tree written by ToString or Save and parsed again is the same
/// tree, provided it holds no empty text node (one is written as nothing; TagWithData and
/// AddTextChild never make one). Text and attribute values are escaped byte by byte with numeric
/// references ("&#60;"), and "&#...;" / "&#x...;" references up to 255 are read back as the byte they
/// stand for; anything else that starts with "&" (named entities, references without ";" or above
/// 255) is kept as written.
class Element {
public:
    /// What a node is; the values are those stored with the node.
    enum class Kind : int { Tag = 1, Text = 2, kComment = 4 };

    /// The string type of names, texts and attribute values: a std::basic_string whose long texts are
    /// kept in the same slabs as the lists (see NodeAllocator). It compares with string literals, has
    /// c_str(), and converts to std::string_view (and explicitly to std::string).
    using String = std::basic_string<char, std::char_traits<char>, NodeAllocator<char>>;
    using Attribute = std::pair<String, String>;
    using Attributes = std::vector<Attribute, NodeAllocator<Attribute>>;
    using Children = std::vector<Element, NodeAllocator<Element>>;

    /// Parsing fails with kTooDeep when elements nest deeper than this.
    static constexpr std::size_t kMaxDepth = 256;

    /// An unnamed tag: the usual start for Load or Parse.
    Element() noexcept {} // user-provided, so that making an element does not zero it first
    /// A node of the given kind holding `value`: the name of a tag, the text of a text or comment node.
    Element(Kind kind, std::string_view value) : kind_(kind), value_(value) {}

    Element(const Element&) = default;
    Element(Element&&) noexcept = default;
    Element& operator=(const Element&) = default;
    Element& operator=(Element&&) noexcept = default;
    virtual ~Element() = default;

    /// Appends this node to `out` as XML, a tag indented by `depth` tabs (text nodes are never indented).
    virtual void Write(std::string& out, int depth) const;
    /// A heap copy of this node and its subtree.
    virtual std::unique_ptr<Element> Clone() const { return std::make_unique<Element>(*this); }

    /// Reads the file at `path` and parses it into this element. A path beginning with ":" is read
    /// through the registered resource reader (see ResourceReader.h). Returns a Status value.
    int Load(const std::string& path);
    /// Replaces this element with the root element of `text` (an optional "<?...?>" declaration
    /// first), which must not lie inside this element. On failure the element keeps what was built
    /// before the error. Returns a Status value.
    int Parse(std::string_view text);
    /// Writes the declaration line and this element as the root at depth 0, atomically. Returns kOk or
    /// kCannotOpen.
    int Save(const std::string& path) const;
    /// This node as XML without the declaration, a tag indented by `indent` tabs.
    std::string ToString(int indent = 0) const;
    /// This node as XML on one line: no indentation and no line breaks between tags.
    std::string ToCompactString() const;

    Kind GetKind() const { return kind_; }
    bool IsTag() const { return kind_ == Kind::Tag; }
    /// The tag's name, or the text of a text or comment node.
    const String& GetName() const { return value_; }
    void SetName(std::string_view name) { value_ = name; }
    /// The text content: a text or comment node's own text; for a tag, its direct text children joined.
    std::string GetText() const;

    const Attributes& GetAttributes() const { return attributes_; }
    bool HasAttribute(std::string_view name) const { return Find(name) != nullptr; }
    /// The attribute's value, or `fallback` when the element has no such attribute.
    std::string GetAttribute(std::string_view name, std::string_view fallback = {}) const;
    /// The attribute's value as a decimal integer (optional sign), or `fallback` when it is missing,
    /// not entirely a number, or out of range.
    int GetAttributeInt(std::string_view name, int fallback = 0) const;
    /// Replaces the value of the attribute, or appends the attribute when the element has none by that name.
    void SetAttribute(std::string_view name, std::string_view value);
    void SetAttributeInt(std::string_view name, int value);
    /// Removes the attribute; returns whether it was there.
    bool RemoveAttribute(std::string_view name);

    /// Appends a copy of `child` (or takes it over) and returns the stored child.
    Element& AddChild(const Element& child);
    Element& AddChild(Element&& child);
    const Children& GetChildren() const { return children_; }
    Children& GetChildren() { return children_; }
    /// The number of children of any kind.
    std::size_t CountChildren() const { return children_.size(); }
    /// The number of tag children named `name`.
    std::size_t CountChildren(std::string_view name) const;
    /// The `index`-th tag child named `name`, or null when there are not that many.
    const Element* GetChild(std::string_view name, std::size_t index = 0) const;
    Element* GetChild(std::string_view name, std::size_t index = 0);
    /// The text of the first tag child named `name`; empty when there is none.
    std::string GetChildText(std::string_view name) const;
    /// Appends a tag child named `name` holding the text `text` (no text child for an empty text);
    /// returns it.
    Element& AddTextChild(std::string_view name, std::string_view text);
    /// The child at `index` (of any kind), or null when out of range.
    const Element* GetChild(std::size_t index) const;
    Element* GetChild(std::size_t index);

    /// Same kind, name or text, attributes (in order) and children.
    friend bool operator==(const Element& a, const Element& b);

private:
    friend class ElementReader;

    const Attribute* Find(std::string_view name) const;

    Kind kind_ = Kind::Tag;
    String value_;
    Attributes attributes_;
    Children children_;
};

} // namespace vex::util::xml
