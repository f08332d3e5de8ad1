#include "util/xml/Element.h"

#include "util/AtomicFile.h"
#include "util/xml/ResourceReader.h"

#include <algorithm>
#include <charconv>

namespace vex::util::xml {

int Element::Load(const std::string& path) {
    std::string contents;
    bool read =
        !path.empty() && path[0] == ':' ? ReadResource(path, contents) : ReadWholeFile(path, contents);
    if (!read) return kCannotOpen;
    return Parse(contents);
}

int Element::Save(const std::string& path) const {
    if (!path.empty() && path[0] == ':') return kCannotOpen; // the resource bundle is read-only
    std::string out = "<?xml version=\"1.0\"?>\n";
    Write(out, 0);
    return WriteFileAtomic(path, out) ? kOk : kCannotOpen;
}

std::string Element::ToString(int indent) const {
    std::string out;
    Write(out, indent);
    return out;
}

std::string Element::GetText() const {
    if (kind_ != Kind::Tag) return std::string(value_);
    std::string text;
    for (const Element& child : children_)
        if (child.kind_ == Kind::Text) text += child.value_;
    return text;
}

const Element::Attribute* Element::Find(std::string_view name) const {
    for (const Attribute& attribute : attributes_)
        if (attribute.first == name) return &attribute;
    return nullptr;
}

std::string Element::GetAttribute(std::string_view name, std::string_view fallback) const {
    const Attribute* attribute = Find(name);
    return std::string(attribute ? std::string_view(attribute->second) : fallback);
}

int Element::GetAttributeInt(std::string_view name, int fallback) const {
    const Attribute* attribute = Find(name);
    if (!attribute) return fallback;
    const char* begin = attribute->second.data();
    const char* end = begin + attribute->second.size();
    // from_chars takes a minus sign but not a plus sign.
    if (end - begin >= 2 && *begin == '+' && begin[1] != '-') ++begin;
    int result = 0;
    auto [stop, error] = std::from_chars(begin, end, result);
    if (error != std::errc() || stop != end) return fallback;
    return result;
}

void Element::SetAttribute(std::string_view name, std::string_view value) {
    for (Attribute& attribute : attributes_) {
        if (attribute.first == name) {
            attribute.second = value;
            return;
        }
    }
    attributes_.emplace_back(String(name), String(value));
}

void Element::SetAttributeInt(std::string_view name, int value) {
    SetAttribute(name, std::to_string(value));
}

bool Element::RemoveAttribute(std::string_view name) {
    auto found = std::find_if(attributes_.begin(), attributes_.end(),
                              [name](const Attribute& attribute) { return attribute.first == name; });
    if (found == attributes_.end()) return false;
    attributes_.erase(found);
    return true;
}

Element& Element::AddChild(const Element& child) {
    return children_.emplace_back(child);
}

Element& Element::AddChild(Element&& child) {
    return children_.emplace_back(std::move(child));
}

std::size_t Element::CountChildren(std::string_view name) const {
    return static_cast<std::size_t>(
        std::count_if(children_.begin(), children_.end(),
                      [name](const Element& c) { return c.kind_ == Kind::Tag && c.value_ == name; }));
}

const Element* Element::GetChild(std::string_view name, std::size_t index) const {
    for (const Element& child : children_) {
        if (child.kind_ != Kind::Tag || child.value_ != name) continue;
        if (index == 0) return &child;
        --index;
    }
    return nullptr;
}

std::string Element::GetChildText(std::string_view name) const {
    const Element* child = GetChild(name);
    return child != nullptr ? child->GetText() : std::string();
}

Element& Element::AddTextChild(std::string_view name, std::string_view text) {
    Element child(Kind::Tag, name);
    // No child for an empty text: one would be written as nothing and not read back.
    if (!text.empty()) child.AddChild(Element(Kind::Text, text));
    return AddChild(std::move(child));
}

Element* Element::GetChild(std::string_view name, std::size_t index) {
    return const_cast<Element*>(std::as_const(*this).GetChild(name, index));
}

const Element* Element::GetChild(std::size_t index) const {
    return index < children_.size() ? &children_[index] : nullptr;
}

Element* Element::GetChild(std::size_t index) {
    return index < children_.size() ? &children_[index] : nullptr;
}

bool operator==(const Element& a, const Element& b) {
    return a.kind_ == b.kind_ && a.value_ == b.value_ && a.attributes_ == b.attributes_ &&
           a.children_ == b.children_;
}

} // namespace vex::util::xml
